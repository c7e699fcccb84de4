#include "FilterPageFactory.h"

#include "FilterLogo.h"
#include "FilterPage.h"
#include "FilterText.h"
#include "FilterTypes.h"

namespace
{

struct SPageRow {
    int typeCode;
    const char* helpPage;
    CFilterPage* (*create)(QWidget* parent, int typeCode);
};

template <class Page> CFilterPage* Make(QWidget* parent, int typeCode)
{
    return new Page(parent, typeCode);
}

// One row per filter type; a row without a page yet has create == nullptr.
const SPageRow kPages[] = {
    {FilterText, "filters_marks_text.htm", Make<CFilterText>},
    {FilterLogo, "filters_marks_logo.htm", Make<CFilterLogo>},
    {FilterShapeFrame, "filters_borders_shape_frame.htm", nullptr},
    {FilterGrungeFrame, "filters_borders_grunge_frame.htm", nullptr},
    {FilterPictureFrame, "filters_borders_picture_frame.htm", nullptr},
    {FilterVintageFrame, "filters_borders_vintage_frame.htm", nullptr},
    {FilterRaise, "filters_borders_raise.htm", nullptr},
    {FilterShadow, "filters_borders_shadow.htm", nullptr},
    {FilterSimpleBorder, "filters_borders_border.htm", nullptr},
    {FilterAutoRotate, "filters_transform_auto-rotate.htm", nullptr},
    {FilterCrop, "filters_transform_crop.htm", nullptr},
    {FilterResize, "filters_transform_resize.htm", nullptr},
    {FilterRotate, "filters_transform_rotate.htm", nullptr},
};

const SPageRow* FindRow(int typeCode)
{
    for (const SPageRow& row : kPages) {
        if (row.typeCode == typeCode)
            return &row;
    }
    return nullptr;
}

} // namespace

CFilterPage* CreateFilterPage(int typeCode, QWidget* parent)
{
    const SPageRow* row = FindRow(typeCode);
    if (!row || !row->create)
        return nullptr;
    return row->create(parent, typeCode);
}

QString FilterHelpPage(int typeCode)
{
    const SPageRow* row = FindRow(typeCode);
    return row ? QString::fromLatin1(row->helpPage) : QString();
}
