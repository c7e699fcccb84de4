#include "ListThumbThread.h"

#include "ImageInfoText.h"
#include "MagickQt.h"
#include "Metadata.h"
#include "Quantum.h"

#include <QMutexLocker>
#include <QtDebug>

#include <Magick++.h>

#include <exception>
#include <memory>

namespace
{

// The properties tool tip, or a null string when even that failed.
QString PropertiesOrNull(const QString& path)
{
    try {
        return ReadImageProperties(path);
    } catch (...) {
        return QString();
    }
}

QString Geometry(int side)
{
    return QString::asprintf("%dx%d", side, side);
}

} // namespace

CListThumbThread::CListThumbThread()
{
    Init();
}

CListThumbThread::~CListThumbThread()
{
    quit.store(true, std::memory_order_release);
    wait();
}

void CListThumbThread::Init()
{
    quit.store(false, std::memory_order_release);
    pending.store(false, std::memory_order_release);
    m_started = -1;
}

void CListThumbThread::LoadThumbnails()
{
    pending.store(true, std::memory_order_release);
}

void CListThumbThread::run()
{
    while (true) {
        msleep(50);
        if (quit.load(std::memory_order_acquire))
            break;
        if (pending.exchange(false, std::memory_order_acq_rel))
            StartLoadingThumbnails();
        if (quit.load(std::memory_order_acquire))
            break;
    }
}

void CListThumbThread::StartLoadingThumbnails()
{
    if (records == nullptr || rows == nullptr || icons == nullptr || mutex == nullptr)
        return;
    m_started = first.load(std::memory_order_acquire);
    int k = m_started;
    while (k <= last.load(std::memory_order_acquire)) {
        if (first.load(std::memory_order_acquire) != m_started)
            break;
        int recordIndex = -1;
        {
            QMutexLocker lock(mutex);
            if (k >= 0 && k < rows->size())
                recordIndex = rows->at(k);
        }
        // No thumbnail may end the thread: a fault costs only that photo.
        try {
            if (recordIndex >= 0)
                CreateThumbnail(recordIndex);
        } catch (...) {
            qWarning("Thumbnail: row %d: unexpected failure", k);
        }
        ++k;
    }
    emit OnThreadLoadComplete(first.load(std::memory_order_acquire), k - 1);
}

bool CListThumbThread::CreateThumbnail(int recordIndex)
{
    QString path;
    {
        QMutexLocker lock(mutex);
        if (recordIndex < 0 || recordIndex >= records->size() || records->at(recordIndex).loaded)
            return false;
        path = records->at(recordIndex).path;
    }
    QImage* image = nullptr;
    try {
        if (visitHook)
            visitHook(path);
        CMetadata metadata;
        metadata.Read(path);
        if (metadata.GetThumbnailSize() > 0) {
            Magick::Blob blob(metadata.GetThumbnail(), metadata.GetThumbnailSize());
            Magick::Image thumbnail;
            thumbnail.read(blob);
            const QImage made = MakeThumbnail(thumbnail, boxSide);
            if (!made.isNull())
                image = new QImage(made);
        }
    } catch (const std::exception& e) {
        delete image;
        image = nullptr;
        qWarning().noquote() << "Thumbnail:" << path + ":" << e.what();
    } catch (...) {
        delete image;
        image = nullptr;
        qWarning().noquote() << "Thumbnail:" << path + ":"
                             << "unknown error";
    }
    return StoreResult(recordIndex, path, image, PropertiesOrNull(path));
}

bool CListThumbThread::StoreResult(int recordIndex, const QString& path, QImage* image, const QString& toolTip)
{
    QMutexLocker lock(mutex);
    int index = -1;
    if (recordIndex < records->size() && records->at(recordIndex).path == path) {
        index = recordIndex;
    } else {
        for (int i = 0; i < records->size() && index < 0; ++i)
            if (records->at(i).path == path)
                index = i;
    }
    if (index < 0 || records->at(index).loaded) {
        delete image;
        return false;
    }
    SThumb& record = (*records)[index];
    record.loaded = true;
    if (!toolTip.isNull())
        record.toolTip = toolTip;
    if (image == nullptr) {
        record.hasIcon = false;
        return false;
    }
    record.hasIcon = true;
    record.iconIndex = icons->size();
    record.imageReady = true;
    record.image = image;
    icons->append(QIcon());
    return true;
}

QImage CListThumbThread::MakeThumbnail(const Magick::Image& thumbnail, int side)
{
    const std::string box = Geometry(side).toStdString();
    Magick::Image image(thumbnail);
    image.resize(Magick::Geometry(box));
    ApplyShadowEffect(image);
    image.resize(Magick::Geometry(box));
    Magick::Image canvas(Magick::Geometry(box), ColorFromRgb(0xFFFFFFFF, 100));
    canvas.matte(true);
    canvas.composite(image, MagickCore::CenterGravity, MagickCore::OverCompositeOp);
    const std::unique_ptr<QImage> converted(MagickToQtImage(canvas));
    return *converted;
}

void CListThumbThread::ApplyShadowEffect(Magick::Image& image)
{
    image.matte(true);
    image.backgroundColor(ColorFromRgb(0xFF000000));
    Magick::Image shadow(image);
    shadow.shadow(50, 3, 0, 0);
    shadow.composite(image, 0, 0, MagickCore::OverCompositeOp);
    Magick::Image canvas(Magick::Geometry(shadow.columns(), shadow.rows()), ColorFromRgb(0xFFFFFFFF, 100));
    canvas.matte(true);
    canvas.composite(shadow, 0, 0, MagickCore::OverCompositeOp);
    image = canvas;
}

QImage* CListThumbThread::MagickToQtImage(const Magick::Image& image)
{
    return new QImage(ImageMagickToQt(image));
}
