// Pictures of the photo list as a user sees it: empty, in the three icon
// sizes with photos of both orientations, PNGs and a JPEG without a
// thumbnail, and the details table sorted by size.
//
// Usage: bq-shots-photo-list <folder>     pictures into the folder
//        bq-shots-photo-list --verify     into a temporary folder, then
//                                         checks every file (ctest smoke run)
#include "BqTestMain.h"
#include "ExifJpeg.h"
#include "ListThumb.h"
#include "ListThumbDetails.h"
#include "PhotoMaker.h"
#include "PhotoPageStandIn.h"
#include "ThumbTestSupport.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QHeaderView>
#include <QMutexLocker>
#include <QScreen>
#include <QSet>
#include <QTemporaryDir>
#include <QTextStream>
#include <QWindow>

#include <cstdio>

namespace
{

const char* const Pictures[] = {"photo-list-empty.png", "photo-list-small.png", "photo-list-medium.png",
                                "photo-list-large.png", "photo-details.png",    "photo-details-empty.png"};

bool Settle(QWidget* window)
{
    window->show();
    window->raise();
    const bool exposed = QTest::qWaitForWindowExposed(window);
    QTest::qWait(300);
    return exposed;
}

bool Save(QWidget* window, const QString& path)
{
    QPixmap picture;
    if (QGuiApplication::platformName() == "xcb")
        picture = window->screen()->grabWindow(window->winId());
    else
        picture = window->grab();
    return picture.save(path);
}

// Waits until the loader has visited every photo and the icons are shown.
void WaitForThumbnails(CListThumb* list)
{
    QDeadlineTimer deadline(20000);
    while (!deadline.hasExpired()) {
        bool done = true;
        {
            QMutexLocker lock(list->Mutex());
            for (const SThumb& record : *list->Records())
                done = done && record.loaded && !record.imageReady;
        }
        if (done)
            break;
        QTest::qWait(50);
    }
    list->AssignThumbnails();
}

// 24 photos with thumbnails (landscape and portrait, each a different
// scene), 2 PNGs and 1 JPEG without a thumbnail.
QStringList MakePhotos(const QString& folder)
{
    QStringList paths;
    const char* cameras[][2] = {{"Canon", "Canon EOS 5D"}, {"NIKON CORPORATION", "NIKON D800"}, {"FUJIFILM", "X100"}};
    for (int i = 0; i < 24; ++i) {
        const bool portrait = i % 3 == 1;
        const size_t w = portrait ? 480 + 16 * i : 640 + 24 * i;
        const size_t h = portrait ? 640 + 24 * i : 480 + 16 * i;
        const Magick::Image photo = BqTest::MakePhoto(w, h, static_cast<quint32>(i + 3));
        Magick::Image thumbnail(photo);
        thumbnail.scale(Magick::Geometry(portrait ? 120 : 160, portrait ? 160 : 120));
        BqTest::SExifFields fields;
        fields.make = cameras[i % 3][0];
        fields.model = cameras[i % 3][1];
        fields.dateTime = QString::asprintf("2023:%02d:%02d 1%d:%02d:00", 1 + i % 12, 1 + i, i % 10, 2 * i).toLatin1();
        const QString path = folder + QString("/IMG_%1.jpg").arg(4100 + i);
        BqTest::WriteExifJpeg(path, photo, thumbnail, fields);
        paths << path;
    }
    for (int i = 0; i < 2; ++i) {
        Magick::Image png = BqTest::MakePhoto(300 + 100 * i, 200, static_cast<quint32>(40 + i));
        const QString path = folder + QString("/Scan %1.png").arg(i + 1);
        png.write(path.toStdString());
        paths << path;
    }
    const QString plain = folder + "/Without thumbnail.jpg";
    BqTest::WriteExifJpeg(plain, BqTest::MakePhoto(800, 600, 77), Magick::Image());
    paths << plain;
    return paths;
}

int Verify(const QString& folder)
{
    int failures = 0;
    for (const char* name : Pictures) {
        const QImage image(folder + "/" + name);
        QSet<QRgb> colours;
        for (int y = 0; y < image.height() && colours.size() < 3; y += 3)
            for (int x = 0; x < image.width() && colours.size() < 3; x += 3)
                colours.insert(image.pixel(x, y));
        if (colours.size() < 3) {
            std::fprintf(stderr, "%s: missing or nearly blank\n", name);
            ++failures;
        }
    }
    return failures == 0 ? 0 : 1;
}

} // namespace

int main(int argc, char** argv)
{
    BqTest::IsolateEnvironment();
    QApplication app(argc, argv);
    BqTest::ApplyShotsFont();
    BqTest::ApplyShotsLanguage();
    const bool verify = argc > 1 && QString(argv[1]) == "--verify";
    QTemporaryDir work;
    const QString out = verify ? work.filePath("shots") : (argc > 1 ? QString(argv[1]) : QString());
    if (out.isEmpty() || !work.isValid() || !QDir().mkpath(out)) {
        std::fprintf(stderr, "usage: bq-shots-photo-list <folder> | --verify\n");
        return 2;
    }
    if (BqTest::StartPhotoListTest(work.path()) == 0)
        return 1;
    const QString photos = work.filePath("photos");
    QDir().mkpath(photos);

    CListThumb list;
    list.setWindowTitle("Photos");
    list.resize(820, 560);
    CListThumbDetails table;
    table.setWindowTitle("Photo details");
    table.resize(1270, 560);
    PhotoPageStandIn page(&list);
    page.AttachTable(&table);
    bool saved = Settle(&list);
    saved = Save(&list, out + "/photo-list-empty.png") && saved;

    for (const QString& path : MakePhotos(photos))
        page.AddPhoto(path);
    page.Synchronize();
    const char* sizes[] = {"small", "medium", "large"};
    for (int mode = 1; mode <= 3; ++mode) {
        page.SetViewMode(mode);
        saved = Settle(&list) && saved;
        WaitForThumbnails(&list);
        QTest::qWait(200);
        saved = Save(&list, out + QString("/photo-list-%1.png").arg(sizes[mode - 1])) && saved;
    }

    page.SetViewMode(0);
    for (int column = 7; column < CListThumbDetails::ColumnCount; ++column)
        table.horizontalHeader()->showSection(column);
    // Wide enough for the folders and coordinates; the rest fits by default.
    const int widths[][2] = {{5, 120}, {12, 100}};
    for (const auto& width : widths)
        table.horizontalHeader()->resizeSection(width[0], width[1]);
    saved = Settle(&table) && saved;
    table.horizontalHeader()->setSortIndicator(4, Qt::DescendingOrder);
    table.SortByColumn(4);
    QTest::qWait(200); // the stand-in rebuilds on the queued sort
    saved = Save(&table, out + "/photo-details.png") && saved;

    list.RemoveAll();
    page.paths.clear();
    page.Synchronize();
    saved = Settle(&table) && saved;
    saved = Save(&table, out + "/photo-details-empty.png") && saved;
    if (!saved) {
        std::fprintf(stderr, "a picture could not be saved in %s\n", qPrintable(out));
        return 1;
    }
    return verify ? Verify(out) : 0;
}
