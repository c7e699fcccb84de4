// Times CMetadata::Read on JPEG files built to make the Exif reader work:
// 256 maximal APP1 sections whose first directory links back to itself and
// whose entries point back to it or carry illegal formats (a message each),
// and a file of 32 MiB less one byte of fill bytes before its first marker.
// Prints each file's size and the best of three reads.
//
// Usage: exif-hostile
#include "MagickRuntime.h"
#include "Metadata.h"
#include "StderrCapture.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>

namespace
{

QByteArray U16(int v)
{
    return QByteArray(1, char(v & 0xff)) + char((v >> 8) & 0xff);
}

QByteArray U32(quint32 v)
{
    return U16(int(v & 0xffff)) + U16(int(v >> 16));
}

// The largest APP1 section: one directory filling it, linked to itself.
QByteArray SelfLinkingSection()
{
    const int entries = (0xffff - 2 - 6 - 8 - 2 - 4) / 12;
    QByteArray tiff = QByteArray("II*\0", 4) + U32(8) + U16(entries);
    for (int i = 0; i < entries; ++i)
        tiff += i % 2 ? U16(0x010f) + U16(13) + U32(1) + U32(0) : U16(0x8769) + U16(4) + U32(1) + U32(8);
    tiff += U32(8);
    const QByteArray body = QByteArray("Exif\0\0", 6) + tiff;
    return QByteArray("\xff\xe1", 2) + char((body.size() + 2) >> 8) + char((body.size() + 2) & 0xff) + body;
}

QByteArray ScanStart()
{
    // A start-of-scan section ends the header read.
    return QByteArray("\xff\xda\x00\x02", 4);
}

double BestOfThree(const QString& path)
{
    double best = 1e9;
    for (int i = 0; i < 3; ++i) {
        BqTest::StderrCapture quiet;
        QElapsedTimer clock;
        clock.start();
        CMetadata metadata;
        metadata.Read(path);
        best = qMin(best, clock.nsecsElapsed() / 1e6);
    }
    return best;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    StartMagickRuntime();
    QTemporaryDir dir;
    const QList<QPair<QString, QByteArray>> files = {
        {"256 self-linking sections", "\xff\xd8" + SelfLinkingSection().repeated(256) + ScanStart()},
        {"32 MiB of fill bytes", "\xff\xd8" + QByteArray(32 * 1024 * 1024 - 3, '\xff') + '\xd9'},
    };
    QTextStream out(stdout);
    for (const auto& file : files) {
        const QString path = dir.filePath("hostile.jpg");
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(file.second) != file.second.size())
            return 1;
        f.close();
        out << file.first << " (" << file.second.size() / 1024
            << " KiB): " << QString::number(BestOfThree(path), 'f', 1) << " ms\n";
    }
    return 0;
}
