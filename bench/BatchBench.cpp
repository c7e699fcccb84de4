// Whole-batch driver for bench/batch-vs-mogrify.sh.
//
//   brandquill-bench-batch --make-photos N DIR [WxH [png|dng]]
//                                                N photo-like JPEGs (or PNGs, or
//                                                striped camera raws), 4000 x 3000
//                                                unless WxH is given
//   brandquill-bench-batch --run DIR OUT [CHAIN [FORMAT]]
//                                                one hidden run of the processing
//                                                dialog over DIR's photos into OUT
//
// CHAIN "resize-text" (default) fits the photos into 1600 x 1600 and then
// adds the text mark; "text-resize" marks first, so that the photo must be
// decoded whole; "png" fits PNG photos into 1000 x 1000, marks them and
// writes PNG. For bench/large-photos.sh: "none" (no filter), "border" (a
// white 12 px Simple Border), "text-border" (the mark, then the border) and
// "text-rotate-border" (the mark, a 30 degree Rotate, the border). FORMAT
// is the output format (JPG unless the chain says otherwise); GIF and DNG
// photos in DIR are taken too. --run prints one line of key=value pairs: the wall time of
// constructing the dialog plus exec(), the CPU time of the process during
// that stretch and its ratio to the wall time, the worker count, the image
// library's thread limit during the run and the process's peak resident set
// size.
#include "CProcessController.h"
#include "DngWriter.h"
#include "FilterTypes.h"
#include "FormatsEnum.h"
#include "ImageManager.h"
#include "ListFilters.h"
#include "ListImages.h"
#include "MagickRuntime.h"
#include "PhotoMaker.h"
#include "UserProfile.h"

#include <QApplication>
#include <QColor>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTextEdit>
#include <QTimer>

#include <Magick++.h>

#include <cstdio>
#include <iostream>
#include <sys/resource.h>

namespace
{
int Usage()
{
    std::cerr << "usage: brandquill-bench-batch --make-photos N DIR [WxH [png|dng]]\n"
                 "       brandquill-bench-batch --run DIR OUT [resize-text|text-resize|png|none|border|\n"
                 "                                         text-border|text-rotate-border [FORMAT]]\n";
    return 2;
}

int MakePhotos(int count, const QString& folder, const QString& size, const QString& format)
{
    const QStringList sides = size.split('x');
    const size_t width = sides.value(0).toUInt();
    const size_t height = sides.value(1).toUInt();
    if (count < 1 || sides.size() != 2 || width == 0 || height == 0 || (format != "jpg" && format != "png" && format != "dng") ||
        !QDir().mkpath(folder))
        return Usage();
    // Fixed seeds: every run of the script compares the same pixels.
    Magick::SetRandomSeed(20260305);
    for (int i = 0; i < count; ++i) {
        const QString path =
            QStringLiteral("%1/photo-%2.%3").arg(folder).arg(i + 1, 3, 10, QLatin1Char('0')).arg(format);
        if (format == "dng") {
            BqTest::DngLayout layout;
            layout.width = int(width);
            layout.height = int(height);
            layout.scene = BqTest::StripeScene();
            if (!BqTest::WriteBytes(path, BqTest::MakeDng(layout)))
                return Usage();
            continue;
        }
        Magick::Image photo = BqTest::MakePhoto(width, height, quint32(i + 1));
        photo.attenuate(0.4);
        photo.addNoise(Magick::GaussianNoise);
        photo.quality(92);
        photo.write(QFile::encodeName(path).toStdString());
    }
    return 0;
}

SFilterRecord Record(quint32 id, const QString& name, std::initializer_list<std::pair<int, double>> numbers,
                     const QStringList& strings)
{
    SFilterRecord record;
    record.id = id;
    record.name = name;
    record.active = true;
    record.numberCount = SFilterRecord::MaxNumbers;
    for (const auto& slot : numbers)
        record.numbers[slot.first] = slot.second;
    for (const QString& text : strings)
        record.AddString(text);
    return record;
}

void SetUpJob(const QString& photos, const QString& out, const QString& chain, const QString& format)
{
    CFormatsEnum::GetInstance()->GenerateList();
    QList<SImageRecord>& images = CListImages::GetInstance()->images;
    const QFileInfoList files =
        QDir(photos).entryInfoList({"*.jpg", "*.JPG", "*.png", "*.gif", "*.dng"}, QDir::Files, QDir::Name);
    for (const QFileInfo& file : files) {
        SImageRecord record;
        record.path = file.absoluteFilePath();
        record.folder = file.absolutePath();
        record.name = file.completeBaseName();
        record.extension = file.suffix();
        record.position = images.size();
        images << record;
    }

    // Resize: 1600 x 1600 pixels, keep aspect, mode 0, do not enlarge.
    // Text: size slot 20 (50 points), white, bottom right, 24 px in.
    const double side = chain == "png" ? 1000 : 1600;
    const SFilterRecord resize =
        Record(FilterResize, "Resize", {{0, side}, {1, side}, {2, 1}, {3, 0}, {4, 0}, {5, 1}}, {});
    const SFilterRecord text =
        Record(FilterText, "Text", {{1, 8}, {2, 24}, {3, 24}, {9, 20}, {14, double(QColor(Qt::white).rgba())}},
               {QString::fromUtf8("\xC2\xA9 Brandquill"), "DejaVu Sans"});
    // Simple Border: 12 px on every side, white. Rotate: 30 degrees, always.
    const SFilterRecord border =
        Record(FilterSimpleBorder, "Simple Border", {{0, 12}, {5, double(QColor(Qt::white).rgba())}, {6, 1}}, {});
    const SFilterRecord rotate = Record(FilterRotate, "Rotate", {{0, 30}, {1, 0}}, {});
    QList<SFilterRecord>& filters = CListFilters::GetInstance()->filters;
    if (chain == "text-resize")
        filters = {text, resize};
    else if (chain == "none")
        filters = {};
    else if (chain == "border")
        filters = {border};
    else if (chain == "text-border")
        filters = {text, border};
    else if (chain == "text-rotate-border")
        filters = {text, rotate, border};
    else
        filters = {resize, text};

    CUserProfile* p = CUserProfile::GetInstance();
    p->FilterFilename.preset = 0;
    p->OutputFormat = !format.isEmpty() ? format.toUpper()
                      : chain == "png"  ? QStringLiteral("PNG")
                                        : QStringLiteral("JPG");
    p->PNGComp = 1;
    p->Interlaced = 0;
    p->Quality = 85;
    p->Destination = 1;
    p->OutputFolderStruct = 0;
    p->DestPath = out;
    p->DisableNotifications = true;
    p->HideProcessing = true;
    p->OpenOutputFolder = false;
    p->ProcessEnvCVLog = false;
}

double CpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

int RunBatch(const QString& photos, const QString& out, const QString& chain, const QString& format)
{
    if (!StartMagickRuntime())
        std::cerr << "warning: the project's ImageMagick policy was not found\n";
    if (!QDir().mkpath(out))
        return Usage();
    SetUpJob(photos, out, chain, format);

    qint64 magickThreads = qint64(Magick::ResourceLimits::thread());
    const double cpuBefore = CpuSeconds();
    QElapsedTimer clock;
    clock.start();
    CProcessController dialog(nullptr);
    // Read once the run is under way: the limit is restored at its end.
    QTimer::singleShot(0, &dialog, [&magickThreads] { magickThreads = qint64(Magick::ResourceLimits::thread()); });
    dialog.exec();
    const double seconds = double(clock.nsecsElapsed()) / 1e9;
    const double cpu = CpuSeconds() - cpuBefore;

    const QString screen = dialog.findChild<QTextEdit*>("editProcessLog")->toPlainText();
    const QRegularExpressionMatch workers = QRegularExpression("Launching (\\d+) thread").match(screen);
    const QRegularExpressionMatch errors = QRegularExpression("completed with (\\d+) errors").match(screen);
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::cout << "seconds=" << QString::number(seconds, 'f', 3).toStdString()
              << " cpu_seconds=" << QString::number(cpu, 'f', 3).toStdString()
              << " cpu_per_wall=" << QString::number(seconds > 0 ? cpu / seconds : 0, 'f', 2).toStdString()
              << " photos=" << CListImages::GetInstance()->images.size()
              << " workers=" << workers.captured(1).toStdString() << " magick_threads=" << magickThreads
              << " errors=" << (errors.hasMatch() ? errors.captured(1).toStdString() : "0")
              << " peak_rss_kb=" << usage.ru_maxrss << std::endl;
    return 0;
}
} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // bench/large-photos.sh measures each output with and without its check.
    CImageManager::SkipReadBackForBenchmark(qEnvironmentVariableIntValue("BRANDQUILL_BENCH_SKIP_READBACK") == 1);
    const QStringList args = app.arguments();
    if (args.size() >= 4 && args.size() <= 6 && args[1] == "--make-photos") {
        // The program's own limits: 100-megapixel photos exceed the system's.
        StartMagickRuntime();
        return MakePhotos(args[2].toInt(), args[3], args.value(4, QStringLiteral("4000x3000")),
                          args.value(5, QStringLiteral("jpg")));
    }
    if (args.size() >= 4 && args.size() <= 6 && args[1] == "--run") {
        const QString chain = args.value(4, QStringLiteral("resize-text"));
        const QStringList chains{"resize-text", "text-resize",       "png", "none", "border",
                                 "text-border", "text-rotate-border"};
        if (!chains.contains(chain))
            return Usage();
        return RunBatch(args[2], args[3], chain, args.value(5));
    }
    return Usage();
}
