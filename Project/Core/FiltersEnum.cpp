#include "FiltersEnum.h"

#include "FilterDescriptions.h"
#include "FilterTypes.h"

#include <QCoreApplication>

CFiltersEnum* CFiltersEnum::s_pInstance = nullptr;

namespace {

enum Group { Marks, Border, Transform };

struct CatalogueRow {
    FilterType id;
    const char* name;
    Group group;
    int description; // index into FilterDescriptions
    int iconColumn;
};

// Names stay untranslated here so that GenerateList can translate them into
// whatever language is installed when it runs.
const CatalogueRow kRows[] = {
    {FilterText, QT_TRANSLATE_NOOP("QObject", "Text"), Marks, 2, 2},
    {FilterLogo, QT_TRANSLATE_NOOP("QObject", "Logo"), Marks, 3, 3},
    {FilterShapeFrame, QT_TRANSLATE_NOOP("QObject", "Shape Frame"), Border, 4, 0},
    {FilterGrungeFrame, QT_TRANSLATE_NOOP("QObject", "Grunge Frame"), Border, 5, 1},
    {FilterPictureFrame, QT_TRANSLATE_NOOP("QObject", "Picture Frame"), Border, 7, 2},
    {FilterVintageFrame, QT_TRANSLATE_NOOP("QObject", "Vintage Frame"), Border, 8, 3},
    {FilterRaise, QT_TRANSLATE_NOOP("QObject", "Raise"), Border, 10, 4},
    {FilterShadow, QT_TRANSLATE_NOOP("QObject", "Shadow"), Border, 11, 5},
    {FilterSimpleBorder, QT_TRANSLATE_NOOP("QObject", "Simple Border"), Border, 12, 6},
    {FilterAutoRotate, QT_TRANSLATE_NOOP("QObject", "Auto Rotate"), Transform, 41, 0},
    {FilterCrop, QT_TRANSLATE_NOOP("QObject", "Crop"), Transform, 44, 3},
    {FilterResize, QT_TRANSLATE_NOOP("QObject", "Resize"), Transform, 46, 5},
    {FilterRotate, QT_TRANSLATE_NOOP("QObject", "Rotate"), Transform, 49, 8},
};

QString TranslateInQObject(const char* text)
{
    return QCoreApplication::translate("QObject", text);
}

} // namespace

CFiltersEnum* CFiltersEnum::GetInstance()
{
    if (!s_pInstance)
        s_pInstance = new CFiltersEnum();
    return s_pInstance;
}

void CFiltersEnum::DeleteInstance()
{
    if (!s_pInstance)
        return;
    s_pInstance->records.clear();
    delete s_pInstance;
    s_pInstance = nullptr;
}

CFiltersEnum::~CFiltersEnum() = default;

void CFiltersEnum::GenerateList()
{
    // Cleared first so that a second call cannot double the rows.
    records.clear();
    const QString groups[] = {
        TranslateInQObject(QT_TRANSLATE_NOOP("QObject", "Marks")),
        TranslateInQObject(QT_TRANSLATE_NOOP("QObject", "Border")),
        TranslateInQObject(QT_TRANSLATE_NOOP("QObject", "Transform")),
    };
    for (const CatalogueRow& row : kRows)
        AddFilter(static_cast<quint16>(row.id), TranslateInQObject(row.name), groups[row.group],
                  QString::fromUtf8(FilterDescriptions[row.description]), row.iconColumn);
}

void CFiltersEnum::AddFilter(quint16 id, const QString& name, const QString& group, const QString& description,
                             int iconColumn)
{
    SFilterEnumRecord record;
    record.id = id;
    record.name = name;
    record.description = TranslateInQObject(description.toUtf8().constData());
    record.group = group;
    record.iconColumn = iconColumn;
    records.append(record);
}

void CFiltersEnum::ReloadList()
{
    records.clear();
    GenerateList();
}

SFilterEnumRecord CFiltersEnum::GetRecordById(quint32 id) const
{
    if (id > 0xFFFF)
        return SFilterEnumRecord();
    for (const SFilterEnumRecord& record : records)
        if (record.id == id)
            return record;
    return SFilterEnumRecord();
}

SFilterEnumRecord CFiltersEnum::GetRecordByName(const QString& name) const
{
    for (const SFilterEnumRecord& record : records)
        if (record.name == name)
            return record;
    return SFilterEnumRecord();
}
