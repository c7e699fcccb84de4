#include "ThumbTestSupport.h"

#include "FormatsEnum.h"
#include "ImageCache.h"
#include "ListThumb.h"
#include "MagickRuntime.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QMimeData>
#include <QMutexLocker>
#include <QUrl>

#include <cstdlib>

namespace BqTest
{

void GiveThumbnail(CListThumb* list, int record, QColor colour)
{
    QMutexLocker lock(list->Mutex());
    SThumb& thumb = (*list->Records())[record];
    auto* image = new QImage(128, 128, QImage::Format_ARGB32);
    image->fill(colour);
    thumb.loaded = true;
    thumb.hasIcon = true;
    thumb.iconIndex = list->Icons()->size();
    thumb.imageReady = true;
    thumb.image = image;
    list->Icons()->append(QIcon());
}

bool Drop(QAbstractItemView* view, QPoint at, QMimeData* data)
{
    QMimeData files;
    files.setUrls({QUrl::fromLocalFile("/t/enter.jpg")});
    QDragEnterEvent enter(at, Qt::CopyAction, &files, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(view->viewport(), &enter);
    QDropEvent drop(at, Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(view->viewport(), &drop);
    return enter.isAccepted();
}

QColor IconColour(const QListWidgetItem* item)
{
    const QImage image = item->icon().pixmap(64, 64).toImage();
    return image.isNull() ? QColor() : QColor(image.pixel(image.width() / 2, image.height() / 2));
}

bool Near(QColor a, QColor b, int tolerance)
{
    return a.isValid() && b.isValid() && std::abs(a.red() - b.red()) <= tolerance &&
           std::abs(a.green() - b.green()) <= tolerance && std::abs(a.blue() - b.blue()) <= tolerance;
}

int StartPhotoListTest(const QString& folder)
{
    qputenv("MAGICK_TEMPORARY_PATH", QFile::encodeName(folder));
    if (!StartMagickRuntime())
        return 0;
    CFormatsEnum::GetInstance()->GenerateList();
    const bool retina = qEnvironmentVariableIntValue("BQ_EXPECT_RETINA") == 1;
    CImageCache::GetInstance()->retina = retina;
    return retina ? 2 : 1;
}

int FormatIcon(const QString& path)
{
    return CFormatsEnum::GetInstance()->GetRecordById(QFileInfo(path).suffix()).icon;
}

} // namespace BqTest
