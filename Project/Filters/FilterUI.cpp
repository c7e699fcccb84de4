#include "FilterUI.h"

#include "ControlImage.h"
#include "ImageManager.h"

CFilterUI::CFilterUI(int filterId)
    : filtersEnum(CFiltersEnum::GetInstance()), filterId(filterId),
      filterRecord(filtersEnum->GetRecordById(static_cast<quint16>(filterId)))
{
}

CFilterUI::~CFilterUI() = default;

void CFilterUI::PingImage()
{
    imageWidth = 0;
    imageHeight = 0;
    imageRatio = 1.0;
    if (previewImage.path.isEmpty())
        return;
    CImageManager engine;
    if (!engine.Ping(previewImage.path))
        return;
    const Magick::Image& image = engine.m_Image;
    const qint64 width = static_cast<qint64>(image.columns());
    const qint64 height = static_cast<qint64>(image.rows());
    if (width <= 0 || height <= 0)
        return;
    imageWidth = width;
    imageHeight = height;
    imageRatio = static_cast<double>(width) / static_cast<double>(height);
}

void CFilterUI::StartPreview(SFilterRecord rec)
{
    if (!filterView)
        return;
    rec.id = static_cast<quint32>(filterId);
    rec.name = filterRecord.name;
    rec.active = true;
    QList<SFilterRecord> chain;
    chain.append(rec);
    filterView->ClearFiltersList();
    filterView->AddFiltersList(&chain);
    filterView->StartPreview(previewImage.path);
}
