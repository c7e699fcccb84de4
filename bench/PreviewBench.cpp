// Request-to-pixmap time of the preview widget on 24 MP photos: two
// different 6000 x 4000 photo-like JPEGs, so that the one-entry cache of
// decoded photos misses on every new photo, previewed in an 800 x 600 view.
//
//   (a) new photo, empty chain: StartPreview until the label holds the result
//   (b) same photo with one active crop (decoded-photo cache hit)
//   (c) ZoomToMatch on the shown photo
//
// followed by the engine steps of case (a) on their own. Not a test: nothing
// is asserted; the figures go into the notes of the change that moves them.
#include "ControlImage.h"
#include "FilterTypes.h"
#include "IMImageCache.h"
#include "ImageManager.h"
#include "MagickRuntime.h"
#include "PhotoMaker.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLabel>
#include <QTemporaryDir>
#include <QTextStream>
#include <QThread>
#include <QTimer>

#include <Magick++.h>

#include <algorithm>
#include <functional>
#include <vector>

namespace {

constexpr int kRuns = 6;
constexpr int kTimeoutMs = 60000;

QString Milliseconds(double ms)
{
    return QString::number(ms, 'f', 1) + QStringLiteral(" ms");
}

void Report(QTextStream& out, const QString& name, std::vector<double> times)
{
    if (times.empty() || *std::min_element(times.begin(), times.end()) < 0) {
        out << name << ": failed\n";
        return;
    }
    std::sort(times.begin(), times.end());
    const size_t n = times.size();
    const double median = n % 2 ? times[n / 2] : (times[n / 2 - 1] + times[n / 2]) / 2;
    out << name << ": median " << Milliseconds(median) << ", min " << Milliseconds(times.front()) << ", max "
        << Milliseconds(times.back()) << "\n";
    out.flush();
}

// A photo-like image (gradients, shapes, noise), compressed like a camera's
// photo. Made from the program's own coders: the policy refuses the others.
void MakePhoto(const QString& path, unsigned long seed)
{
    Magick::Image image = BqTest::MakePhoto(6000, 4000, quint32(seed));
    image.quality(90);
    image.write(path.toStdString());
}

// Milliseconds from `start` to the view's next zoom percent, which Showup
// emits once the label holds the result; -1 on refusal or time-out.
double TimeToShown(CControlImage& view, const std::function<bool()>& start)
{
    QEventLoop loop;
    QObject::connect(&view, &CControlImage::UpdateZoomPercent, &loop, [&loop] { loop.exit(0); });
    QTimer::singleShot(kTimeoutMs, &loop, [&loop] { loop.exit(1); });
    QElapsedTimer timer;
    timer.start();
    if (!start())
        return -1;
    if (loop.exec() != 0)
        return -1;
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

double TimeOf(const std::function<void()>& step)
{
    QElapsedTimer timer;
    timer.start();
    step();
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTextStream out(stdout);
    if (!StartMagickRuntime())
        out << "warning: the application's ImageMagick policy was not found\n";
    out << "cores: " << QThread::idealThreadCount() << ", ImageMagick memory limit: "
        << QString::number(static_cast<double>(Magick::ResourceLimits::memory()) / (1024.0 * 1024 * 1024), 'f', 1)
        << " GiB, ImageMagick threads: " << MagickCore::GetMagickResourceLimit(MagickCore::ThreadResource) << "\n";

    QTemporaryDir dir;
    if (!dir.isValid()) {
        out << "no temporary folder\n";
        return 1;
    }
    const QStringList photos{dir.filePath("photo-a.jpg"), dir.filePath("photo-b.jpg")};
    out << "making two 6000 x 4000 JPEGs...\n";
    out.flush();
    try {
        MakePhoto(photos[0], 11);
        MakePhoto(photos[1], 29);
    } catch (const Magick::Exception& e) {
        out << "cannot make the photos: " << e.what() << "\n";
        return 1;
    }

    CControlImage view;
    view.resize(800, 600);
    QLabel label(view.viewport());
    view.imageLabel = &label;
    view.show();
    QCoreApplication::processEvents();

    std::vector<double> fresh;
    for (int run = 0; run < kRuns; ++run)
        fresh.push_back(TimeToShown(view, [&] { return view.StartPreview(photos[run % 2]); }));
    Report(out, "(a) new photo, empty chain", fresh);

    SFilterRecord crop;
    crop.id = FilterCrop;
    crop.name = QStringLiteral("Crop");
    crop.active = true;
    for (double slot : {1000.0, 800.0, 4000.0, 2400.0, 0.0})
        crop.AddNumber(slot);
    view.AddFilter(crop);
    const QString last = photos[(kRuns - 1) % 2];
    std::vector<double> cached;
    for (int run = 0; run < kRuns; ++run)
        cached.push_back(TimeToShown(view, [&] { return view.StartPreview(last); }));
    Report(out, "(b) same photo, one active crop", cached);

    view.ClearFiltersList();
    TimeToShown(view, [&] { return view.StartPreview(last); });
    std::vector<double> zoom;
    for (int run = 0; run < kRuns; ++run) {
        TimeToShown(view, [&] { return view.ZoomToFit(); });
        zoom.push_back(TimeToShown(view, [&] { return view.ZoomToMatch(); }));
    }
    Report(out, "(c) ZoomToMatch on the shown photo", zoom);

    // The steps of case (a) inside the engine, one at a time.
    std::vector<double> decode, store, scale, pixmap;
    const double fit = PreviewFitZoom(6000, 4000, QSize(800, 600));
    for (int run = 0; run < kRuns; ++run) {
        try {
            Magick::Image image;
            decode.push_back(TimeOf([&] { image.read(photos[run % 2].toStdString()); }));
            // A path of its own, so that every run stores.
            const QString key = dir.filePath(QStringLiteral("store-%1").arg(run));
            store.push_back(TimeOf([&] { CIMImageCache::GetInstance()->Write(key, image); }));
            CImageManager engine;
            engine.SetImage(image);
            scale.push_back(TimeOf([&] { engine.Zoom(fit); }));
            const QRect cut(0, 0, static_cast<int>(engine.m_Image.columns()), static_cast<int>(engine.m_Image.rows()));
            pixmap.push_back(TimeOf([&] { engine.ImageToPixmap(cut); }));
        } catch (const Magick::Exception& e) {
            out << "engine step failed: " << e.what() << "\n";
            return 1;
        }
    }
    out << "engine breakdown:\n";
    Report(out, "  decode", decode);
    Report(out, "  cache store", store);
    Report(out, "  scale to fit", scale);
    Report(out, "  pixmap", pixmap);
    return 0;
}
