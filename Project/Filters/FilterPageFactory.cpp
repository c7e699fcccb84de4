#include "FilterPageFactory.h"

#include "FilterBlank.h"
#include "FilterCrop.h"
#include "FilterGrungeFrame.h"
#include "FilterLogo.h"
#include "FilterPage.h"
#include "FilterPictureFrame.h"
#include "FilterRaise.h"
#include "FilterResize.h"
#include "FilterRotate.h"
#include "FilterShadow.h"
#include "FilterShapeFrame.h"
#include "FilterSimpleBorder.h"
#include "FilterText.h"
#include "FilterTypes.h"
#include "FilterVintageFrame.h"

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
    {FilterShapeFrame, "filters_borders_shape_frame.htm", Make<CFilterShapeFrame>},
    {FilterGrungeFrame, "filters_borders_grunge_frame.htm", Make<CFilterGrungeFrame>},
    {FilterPictureFrame, "filters_borders_picture_frame.htm", Make<CFilterPictureFrame>},
    {FilterVintageFrame, "filters_borders_vintage_frame.htm", Make<CFilterVintageFrame>},
    {FilterRaise, "filters_borders_raise.htm", Make<CFilterRaise>},
    {FilterShadow, "filters_borders_shadow.htm", Make<CFilterShadow>},
    {FilterSimpleBorder, "filters_borders_border.htm", Make<CFilterSimpleBorder>},
    {FilterAutoRotate, "filters_transform_auto-rotate.htm", Make<CFilterBlank>},
    {FilterCrop, "filters_transform_crop.htm", Make<CFilterCrop>},
    {FilterResize, "filters_transform_resize.htm", Make<CFilterResize>},
    {FilterRotate, "filters_transform_rotate.htm", Make<CFilterRotate>},
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
