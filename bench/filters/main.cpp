// Times the thirteen filter types, with their editors' default settings, on
// a generated 4000 x 3000 JPEG photo: one worker applies each record to a
// fresh copy of the photo, twice (the first photo of a batch reads the frame
// and logo files; the next ones take them from the caches). Then eight
// workers run the four frames and the shadow at once, and the peak resident
// memory of that stretch (VmHWM) is printed.
//
// Usage: filter_bench
#include "FilterJobs.h"
#include "FilterTypes.h"
#include "MagickRuntime.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QTextStream>
#include <QThread>

namespace {
// A field of /proc/self/status in MiB, -1 when it cannot be read.
qint64 StatusMiB(const char* field)
{
    QFile file("/proc/self/status");
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : file.readAll().split('\n')) {
        if (line.startsWith(field))
            return line.mid(int(qstrlen(field))).trimmed().split(' ').first().toLongLong() / 1024;
    }
    return -1;
}

// Starts a new peak: VmHWM drops to the current resident size.
bool ResetPeak()
{
    QFile file("/proc/self/clear_refs");
    return file.open(QIODevice::WriteOnly) && file.write("5") == 1;
}

QString Milliseconds(qint64 ns)
{
    return QString::number(static_cast<double>(ns) / 1e6, 'f', 0).rightJustified(7);
}
} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTextStream out(stdout);
    QTemporaryDir dir;
    if (!dir.isValid()) {
        out << "cannot create a temporary folder\n";
        return 1;
    }
    qputenv("MAGICK_TEMPORARY_PATH", QFile::encodeName(dir.path()));
    if (!StartMagickRuntime()) {
        out << "the application's ImageMagick policy is missing\n";
        return 1;
    }
    // Workers paint marks; the font database is set up here first.
    QFontDatabase().families();

    const QString path = dir.filePath("photo.jpg");
    const Magick::Image photo = BqTest::JpegPhoto(path, 4000, 3000);
    const Magick::Image oriented = BqTest::JpegPhoto(dir.filePath("oriented.jpg"), 4000, 3000, 6);
    if (!photo.isValid() || !oriented.isValid()) {
        out << "cannot make the test photo\n";
        return 1;
    }
    const QVector<SFilterRecord> records = BqTest::DefaultFilterRecords();
    out << "4000 x 3000 JPEG photo, " << QThread::idealThreadCount() << " cores, "
        << MagickCore::GetMagickVersion(nullptr) << "\n";

    QVector<BqTest::SFilterJob> jobs;
    for (int round = 0; round < 2; ++round) {
        for (const SFilterRecord& record : records) {
            BqTest::SFilterJob job;
            job.record = record;
            job.image = record.id == FilterAutoRotate ? oriented : photo;
            job.sourcePath = path;
            jobs << job;
        }
    }
    BqTest::RunFilterJobs(jobs, 1);
    bool allApplied = true;
    out << "One worker, ms:   first photo  next photo\n";
    for (int i = 0; i < records.size(); ++i) {
        const BqTest::SFilterJob& first = jobs[i];
        const BqTest::SFilterJob& next = jobs[i + records.size()];
        allApplied = allApplied && first.applied && next.applied;
        out << "  " << records[i].name.leftJustified(15) << Milliseconds(first.nanoseconds)
            << "     " << Milliseconds(next.nanoseconds)
            << (first.applied && next.applied ? "" : "   FAILED") << "\n";
    }
    jobs.clear();
    out.flush();

    const quint32 heavy[] = {FilterShapeFrame, FilterGrungeFrame, FilterPictureFrame,
                             FilterVintageFrame, FilterShadow};
    for (int i = 0; i < 8; ++i) {
        for (const SFilterRecord& record : records) {
            if (record.id == heavy[i % 5]) {
                BqTest::SFilterJob job;
                job.record = record;
                job.image = photo;
                jobs << job;
            }
        }
    }
    const qint64 before = StatusMiB("VmRSS:");
    const bool peakReset = ResetPeak();
    QElapsedTimer clock;
    clock.start();
    BqTest::RunFilterJobs(jobs, 8);
    const qint64 elapsed = clock.nsecsElapsed();
    for (const BqTest::SFilterJob& job : jobs)
        allApplied = allApplied && job.applied;
    out << "Eight workers, four frames and the shadow at once: "
        << QString::number(static_cast<double>(elapsed) / 1e9, 'f', 1) << " s, peak RSS "
        << StatusMiB("VmHWM:") << " MiB" << (peakReset ? "" : " (since start)")
        << ", resident before " << before << " MiB\n";
    return allApplied ? 0 : 1;
}
