#pragma once
// The one background loader of the photo list: for each posted row range it
// turns every photo's embedded Exif thumbnail (never the photo itself) into
// a shadowed, centred square image and replaces the entry's tool tip by the
// photo's properties. It works on the records, rows and icons of the list
// that owns it, touching them only under the owner's mutex, which it never
// holds while it reads a file or makes an image.

#include "ThumbRecords.h"

#include <QIcon>
#include <QImage>
#include <QList>
#include <QMutex>
#include <QString>
#include <QThread>

#include <atomic>
#include <functional>

namespace Magick
{
class Image;
}

class CListThumbThread : public QThread
{
    Q_OBJECT

public:
    CListThumbThread();
    // Quits and joins the thread when the owner has not.
    ~CListThumbThread() override;

    // Clears quit and pending and forgets the range in progress.
    void Init();

    // Made from the thumbnail bytes in the order of the list's loader:
    // fit the box, shadow, fit again, centre over transparent white.
    static QImage MakeThumbnail(const Magick::Image& thumbnail, int side);
    // A soft drop shadow below and right of the image, on a transparent
    // canvas of the shadow's size. Throws Magick::Exception on failure.
    static void ApplyShadowEffect(Magick::Image& image);
    // A new ARGB32 image of the whole picture; the caller owns it.
    static QImage* MagickToQtImage(const Magick::Image& image);

    // Shared with the GUI thread without the mutex.
    std::atomic<bool> quit{false};
    std::atomic<bool> pending{false};
    std::atomic<int> first{0};
    std::atomic<int> last{-1};

    // The owner's lists, set by its InitThread.
    QList<SThumb>* records = nullptr;
    QList<int>* rows = nullptr;
    QList<QIcon>* icons = nullptr;
    QMutex* mutex = nullptr;
    // Side of the square thumbnail: 128 times the integer pixel ratio.
    int boxSide = 128;

    // Called on this thread at the start of each visit of a record not yet
    // loaded; tests count, block or throw there.
    std::function<void(const QString& path)> visitHook;

public slots:
    // Marks a request waiting; the view wrote first and last before.
    void LoadThumbnails();

signals:
    void OnThreadLoadComplete(int first, int last);

protected:
    void run() override;

    // Loader thread only. One range: the rows first .. last (read afresh at every step), given
    // up when a newer request changes first; then the completion.
    void StartLoadingThumbnails();
    // True when an image was made for the record.
    bool CreateThumbnail(int recordIndex);

private:
    // Finds the record of `path` again (it may have moved or gone) and
    // stores the result unless it is gone or already loaded. Takes `image`.
    bool StoreResult(int recordIndex, const QString& path, QImage* image, const QString& toolTip);

    int m_started = -1;
};
