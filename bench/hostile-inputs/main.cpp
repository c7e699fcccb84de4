// Time and peak memory of the engine's readers on hostile inputs:
//   - a 176-byte JPEG whose header claims 16,000 x 16,000 pixels (goal:
//     refused as damaged in under 0.1 s and 100 MB);
//   - a GIF of 1,000 frames of 400 x 300, read as a single image (goal:
//     under 100 MB);
//   - a named pipe called x.jpg, given to every reader (goal: each refuses it
//     in under a second).
// Each case runs in a child process of its own, so that its peak resident
// memory (VmHWM) is its own. Not a test: nothing is asserted.
#include "FormatsEnum.h"
#include "ImageManager.h"
#include "MagickRuntime.h"
#include "Metadata.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <Magick++.h>

#include <cstdio>
#include <sys/stat.h>
#include <vector>

namespace
{

long PeakKb()
{
    QFile status("/proc/self/status");
    status.open(QIODevice::ReadOnly);
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    return -1;
}

void MakeFiles(const QString& dir)
{
    Magick::Image small(Magick::Geometry(16, 16), Magick::Color("gray50"));
    Magick::Blob blob;
    small.write(&blob, "JPEG");
    QByteArray jpeg(static_cast<const char*>(blob.data()), int(blob.length()));
    const int sof = jpeg.indexOf("\xFF\xC0");
    const char size[4] = {char(16000 >> 8), char(16000 & 0xFF), char(16000 >> 8), char(16000 & 0xFF)};
    jpeg.replace(sof + 5, 4, QByteArray(size, 4));
    QFile claim(dir + "/claim.jpg");
    claim.open(QIODevice::WriteOnly);
    claim.write(jpeg.left(176));
    claim.close();

    std::vector<Magick::Image> frames;
    for (int i = 0; i < 1000; ++i) {
        frames.emplace_back(Magick::Geometry(400, 300), Magick::Color(i % 2 ? "red" : "blue"));
        frames.back().magick("GIF");
    }
    Magick::writeImages(frames.begin(), frames.end(), (dir + "/frames.gif").toStdString(), true);
    ::mkfifo(QFile::encodeName(dir + "/x.jpg").constData(), 0600);
}

// One case in this process; prints one line.
int RunCase(const QString& which, const QString& dir)
{
    StartMagickRuntime();
    CFormatsEnum::GetInstance()->GenerateList();
    CImageManager engine;
    QElapsedTimer clock;
    clock.start();
    QString outcome;
    if (which == "claim") {
        outcome = engine.Read(dir + "/claim.jpg") ? "read" : "refused: " + engine.m_Damage;
    } else if (which == "gif") {
        outcome = engine.Read(dir + "/frames.gif")
                      ? QString("read %1 x %2").arg(engine.m_Image.columns()).arg(engine.m_Image.rows())
                      : "failed";
    } else {
        const QString fifo = dir + "/x.jpg";
        CMetadata exif;
        exif.Read(fifo);
        const bool any = engine.Read(fifo) || engine.Ping(fifo) || engine.GetPageCount(fifo) > 0 ||
                         engine.ReadMultipage(fifo) || exif.GetThumbnailSize() > 0;
        outcome = any ? "a reader opened it" : "refused by Read, Ping, GetPageCount, ReadMultipage and CMetadata::Read";
    }
    std::printf("%-6s %8.3f s  peak %6ld MB  %s\n", qPrintable(which), double(clock.nsecsElapsed()) / 1e9,
                PeakKb() / 1024, qPrintable(outcome));
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 4 && args[1] == "--case")
        return RunCase(args[2], args[3]);
    QTemporaryDir dir;
    StartMagickRuntime();
    MakeFiles(dir.path());
    for (const char* which : {"claim", "gif", "fifo"}) {
        QProcess child;
        child.setProcessChannelMode(QProcess::ForwardedChannels);
        child.start(args[0], {"--case", which, dir.path()});
        child.waitForFinished(-1);
    }
    return 0;
}
