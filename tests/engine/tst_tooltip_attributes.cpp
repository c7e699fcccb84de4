// Tool-tip texts of photos and plain files, record look-up by path, faded
// pixmaps, and file attributes carried from a source to its output: times
// to the nanosecond, permission bits, never the immutable flag. Runs a
// second time under de_DE.UTF-8: sizes must keep their decimal point.
#include "BqTestMain.h"
#include "EngineFixtures.h"
#include "ExifBlockBuilder.h"
#include "FileAttributes.h"
#include "ImageInfoText.h"
#include "ImageManager.h"
#include "MagickRuntime.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <cerrno>
#include <clocale>
#include <cstring>
#include <memory>

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

using BqTest::ExifBlockBuilder;

namespace
{
// The file's inode flags, after setting FS_IMMUTABLE_FL to `lock` when that
// is not -1; -errno when the file system or the process refuses.
int ImmutableFlag(const QString& path, int lock = -1)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    int flags = 0;
    int result = fd >= 0 && ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0 ? 0 : -errno;
    if (result == 0 && lock >= 0) {
        flags = lock ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
        result = ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0 ? 0 : -errno;
    }
    if (fd >= 0)
        ::close(fd);
    return result < 0 ? result : (flags & FS_IMMUTABLE_FL);
}

struct stat StatOf(const QString& path)
{
    struct stat st = {};
    ::stat(QFile::encodeName(path).constData(), &st);
    return st;
}

// Handles from FileAttributes::Read, freed however the test ends.
struct SHandle {
    void* p = nullptr;
    ~SHandle() { FileAttributes::Free(p); }
};

enum AttributeCall { ReadCall, WriteNullCall, WriteMissingCall, DisableCall };
} // namespace

class TestTooltipAttributes : public QObject
{
    Q_OBJECT

    QString Path(const QString& name) const { return m_dir->filePath(name); }

    std::unique_ptr<QTemporaryDir> m_magickTemp;
    std::unique_ptr<QTemporaryDir> m_dir;

private slots:
    void initTestCase()
    {
        m_magickTemp.reset(new QTemporaryDir);
        QVERIFY(m_magickTemp->isValid());
        qputenv("MAGICK_TEMPORARY_PATH", QFile::encodeName(m_magickTemp->path()));
        QVERIFY(StartMagickRuntime());
        if (qgetenv("LC_ALL") == "de_DE.UTF-8")
            QCOMPARE(*std::localeconv()->decimal_point, ',');
    }

    void init()
    {
        m_dir.reset(new QTemporaryDir);
        QVERIFY(m_dir->isValid());
    }

    void textOfFile_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("size"); // -1: no file
        QTest::addColumn<QString>("text");
        QTest::newRow("kilobytes") << "a.bin" << 1536 << "Name: a\nType: BIN\nSize: 1.50 KB";
        QTest::newRow("megabytes") << "b.c.XyZ" << 3145728 << "Name: b.c\nType: XYZ\nSize: 3.00 MB";
        QTest::newRow("a byte below a megabyte") << "d.bin" << 1048575 << "Name: d\nType: BIN\nSize: 1024.00 KB";
        QTest::newRow("empty") << "e.jpg" << 0 << "Name: e\nType: JPG\nSize: N/A";
        QTest::newRow("zeros named jpg") << "f.jpg" << 2048 << "Name: f\nType: JPG\nSize: 2.00 KB";
        QTest::newRow("dot in folder") << "a.b/IMG" << 10 << "Name: IMG\nType: \nSize: 0.01 KB";
        QTest::newRow("missing") << "gone.jpg" << -1 << "Photo not found";
    }

    void textOfFile()
    {
        QFETCH(QString, name);
        QFETCH(int, size);
        QFETCH(QString, text);
        QVERIFY(QDir(m_dir->path()).mkpath(QFileInfo(Path(name)).path()));
        if (size >= 0) {
            QFile file(Path(name));
            QVERIFY(file.open(QIODevice::WriteOnly) && file.resize(size));
        }
        QCOMPARE(ReadImageProperties(Path(name)), text);
    }

    void textOfPhoto_data()
    {
        QTest::addColumn<QByteArray>("make");
        QTest::addColumn<QByteArray>("model");
        QTest::addColumn<QByteArray>("date");
        QTest::addColumn<QString>("tail");
        QTest::newRow("date") << QByteArray() << QByteArray() << QByteArray("2013:05:04 14:22:10")
                              << "Dimensions: 32x24\nDate: 2013-05-04 14:22";
        QTest::newRow("date not numbers")
            << QByteArray() << QByteArray() << QByteArray("garbage") << "Dimensions: 32x24\nDate: 0000-00-00 00:00";
        QTest::newRow("nikon") << QByteArray("NIKON CORPORATION") << QByteArray("NIKON D700") << QByteArray()
                               << "Dimensions: 32x24\nCamera: NIKON D700";
        QTest::newRow("canon") << QByteArray("Canon") << QByteArray("Canon EOS 5D") << QByteArray()
                               << "Dimensions: 32x24\nCamera: Canon EOS 5D";
        QTest::newRow("model only") << QByteArray() << QByteArray("X100") << QByteArray()
                                    << "Dimensions: 32x24\nCamera:  X100";
        QTest::newRow("model is the make")
            << QByteArray("Canon") << QByteArray("Canon") << QByteArray() << "Dimensions: 32x24\nCamera: Canon ";
        QTest::newRow("nothing") << QByteArray() << QByteArray() << QByteArray() << "Dimensions: 32x24";
    }

    void textOfPhoto()
    {
        QFETCH(QByteArray, make);
        QFETCH(QByteArray, model);
        QFETCH(QByteArray, date);
        QFETCH(QString, tail);
        ExifBlockBuilder exif;
        exif.AddPointer(ExifBlockBuilder::Ifd0, 0x8769, ExifBlockBuilder::ExifIfd);
        if (!make.isEmpty())
            exif.AddAscii(ExifBlockBuilder::Ifd0, 0x010F, make);
        if (!model.isEmpty())
            exif.AddAscii(ExifBlockBuilder::Ifd0, 0x0110, model);
        if (!date.isEmpty())
            exif.AddAscii(ExifBlockBuilder::ExifIfd, 0x9003, date);
        const QString path = Path("photo.jpg");
        QVERIFY(BqTest::WriteFile(path,
                                  BqTest::SpliceApp1(BqTest::JpegBytes(BqTest::FourQuadrants(32, 24)), exif.Build())));

        QStringList lines = ReadImageProperties(path).split('\n');
        QVERIFY2(lines.size() >= 4, qPrintable(lines.join('|')));
        QCOMPARE(lines.mid(0, 2), QStringList({"Name: photo", "Type: JPG"}));
        QVERIFY2(QRegularExpression("^Size: \\d+\\.\\d\\d KB$").match(lines[2]).hasMatch(), qPrintable(lines[2]));
        QCOMPARE(lines.mid(3).join('\n'), tail);
    }

    void recordByName_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<qint64>("position"); // -1: no match
        QTest::newRow("exact") << "/p/B.jpg" << qint64(6);
        QTest::newRow("first of two") << "/p/a.jpg" << qint64(5);
        QTest::newRow("case differs") << "/p/b.jpg" << qint64(-1);
        QTest::newRow("trailing blank") << "/p/a.jpg " << qint64(-1);
        QTest::newRow("empty path") << "" << qint64(-1);
    }

    void recordByName()
    {
        QFETCH(QString, path);
        QFETCH(qint64, position);
        const QList<SImageRecord> list = {
            {"/p/a.jpg", "/p", "a", "jpg", 5}, {"/p/B.jpg", "/p", "B", "jpg", 6}, {"/p/a.jpg", "/p", "a", "jpg", 7}};
        const SImageRecord found = GetImageRecordByName(list, path);
        QCOMPARE(found.position, qMax<qint64>(position, 0));
        QCOMPARE(found.path, position < 0 ? QString() : path);
        QCOMPARE(found.folder, position < 0 ? QString() : QString("/p"));
    }

    void transparentPixmap_data()
    {
        QTest::addColumn<int>("alpha");
        QTest::addColumn<QColor>("colour");
        QTest::addColumn<int>("expectedAlpha");
        const QColor opaque(200, 100, 50), veiled(200, 100, 50, 200);
        QTest::newRow("half of opaque") << 128 << opaque << 128;
        QTest::newRow("half of veiled") << 128 << veiled << 100;
        QTest::newRow("dark placeholder") << 20 << opaque << 20;
        QTest::newRow("above range") << 300 << veiled << 200;
        QTest::newRow("below range") << -5 << opaque << 0;
    }

    void transparentPixmap()
    {
        QFETCH(int, alpha);
        QFETCH(QColor, colour);
        QFETCH(int, expectedAlpha);
        QImage source(7, 5, QImage::Format_ARGB32);
        source.fill(colour);
        const QPixmap faded = CreateTransparentPixmap(QPixmap::fromImage(source), alpha);
        QCOMPARE(faded.size(), source.size());
        const QColor pixel = faded.toImage().convertToFormat(QImage::Format_ARGB32).pixelColor(3, 2);
        QVERIFY2(qAbs(pixel.alpha() - expectedAlpha) <= 1, qPrintable(QString::number(pixel.alpha())));
        if (expectedAlpha >= 100) {
            QVERIFY(qAbs(pixel.red() - colour.red()) <= 2 && qAbs(pixel.green() - colour.green()) <= 2 &&
                    qAbs(pixel.blue() - colour.blue()) <= 2);
        }
    }

    void attributesFollowSource_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<qint64>("mtime");
        QTest::addColumn<long>("nanoseconds");
        QTest::newRow("0644") << 0644 << qint64(1367677330) << 123456789L;
        QTest::newRow("read-only") << 0444 << qint64(1000000000) << 999999999L;
        QTest::newRow("set-user-id dropped") << 04755 << qint64(1600000000) << 1L;
        QTest::newRow("owner only, whole second") << 0600 << qint64(946684800) << 0L;
    }

    void attributesFollowSource()
    {
        QFETCH(int, mode);
        QFETCH(qint64, mtime);
        QFETCH(long, nanoseconds);
        const QString source = Path("source.jpg"), output = Path("output.png");
        QVERIFY(BqTest::WriteFile(source, BqTest::JpegBytes(BqTest::FourQuadrants())));
        const timespec times[2] = {{mtime + 3600, nanoseconds / 2}, {mtime, nanoseconds}};
        QCOMPARE(::utimensat(AT_FDCWD, QFile::encodeName(source).constData(), times, 0), 0);
        QCOMPARE(::chmod(QFile::encodeName(source).constData(), mode_t(mode)), 0);

        // As a worker does: the source's attributes first, then read and write.
        SHandle handle;
        QVERIFY(FileAttributes::Read(QFile::encodeName(source).constData(), &handle.p));
        QVERIFY(handle.p);
        CImageManager engine;
        QVERIFY(engine.Read(source));
        QVERIFY(engine.Write(output));
        QVERIFY(FileAttributes::Write(QFile::encodeName(output).constData(), handle.p));

        const struct stat out = StatOf(output);
        QCOMPARE(qint64(out.st_mtim.tv_sec), mtime);
        QCOMPARE(long(out.st_mtim.tv_nsec), nanoseconds);
        QCOMPARE(qint64(out.st_atim.tv_sec), mtime + 3600);
        QCOMPARE(long(out.st_atim.tv_nsec), nanoseconds / 2);
        QCOMPARE(int(out.st_mode & 07777), mode & 0777);
    }

    void refusedCallsTouchNothing_data()
    {
        QTest::addColumn<int>("call");
        QTest::addColumn<QString>("target"); // "": a null path
        QTest::newRow("read missing") << int(ReadCall) << "missing.jpg";
        QTest::newRow("read null path") << int(ReadCall) << "";
        QTest::newRow("write null handle") << int(WriteNullCall) << "plain.jpg";
        QTest::newRow("write to missing") << int(WriteMissingCall) << "missing.jpg";
        QTest::newRow("unlock plain file") << int(DisableCall) << "plain.jpg";
        QTest::newRow("unlock folder") << int(DisableCall) << "folder";
        QTest::newRow("unlock missing") << int(DisableCall) << "missing.jpg";
        QTest::newRow("unlock null path") << int(DisableCall) << "";
    }

    void refusedCallsTouchNothing()
    {
        QFETCH(int, call);
        QFETCH(QString, target);
        const QString plain = Path("plain.jpg");
        QVERIFY(BqTest::WriteFile(plain, "not a photo"));
        QVERIFY(QDir(m_dir->path()).mkdir("folder"));
        const QByteArray plainName = QFile::encodeName(plain);
        const timespec times[2] = {{1000000000, 5}, {1000000000, 7}};
        QCOMPARE(::utimensat(AT_FDCWD, plainName.constData(), times, 0), 0);
        QCOMPARE(::chmod(plainName.constData(), 0640), 0);
        const QByteArray name = QFile::encodeName(Path(target));
        const char* path = target.isEmpty() ? nullptr : name.constData();

        SHandle handle, plainHandle;
        bool result = true;
        switch (call) {
        case ReadCall:
            handle.p = &handle; // must be overwritten with null
            result = FileAttributes::Read(path, &handle.p);
            QCOMPARE(handle.p, nullptr);
            break;
        case WriteNullCall:
            result = FileAttributes::Write(path, nullptr);
            break;
        case WriteMissingCall:
            QVERIFY(FileAttributes::Read(plainName.constData(), &plainHandle.p));
            result = FileAttributes::Write(path, plainHandle.p);
            break;
        case DisableCall:
            result = FileAttributes::DisableReadOnly(path);
            break;
        }
        QVERIFY(!result);
        const struct stat after = StatOf(plain);
        QCOMPARE(int(after.st_mode & 07777), 0640);
        QCOMPARE(long(after.st_mtim.tv_nsec), 7L);
        QCOMPARE(long(after.st_atim.tv_nsec), 5L);
    }

    void immutableFlag()
    {
        const QString locked = Path("locked.jpg"), output = Path("output.jpg");
        QVERIFY(BqTest::WriteFile(locked, "locked") && BqTest::WriteFile(output, "output"));
        if (const int error = ImmutableFlag(locked, 1); error < 0)
            QSKIP(qPrintable(QString("the immutable flag is refused here: %1").arg(std::strerror(-error))));
        // Unlocked however the test ends, or the temporary folder stays behind.
        struct SUnlock {
            QString path;
            ~SUnlock() { ImmutableFlag(path, 0); }
        } unlock{locked};
        QFile probe(locked);
        QVERIFY(!probe.open(QIODevice::Append));

        // The lock is the one attribute that never travels to an output.
        SHandle handle;
        QVERIFY(FileAttributes::Read(QFile::encodeName(locked).constData(), &handle.p));
        QVERIFY(FileAttributes::Write(QFile::encodeName(output).constData(), handle.p));
        QCOMPARE(ImmutableFlag(output), 0);

        QVERIFY(FileAttributes::DisableReadOnly(QFile::encodeName(locked).constData()));
        QCOMPARE(ImmutableFlag(locked), 0);
        QVERIFY(probe.open(QIODevice::Append));
        probe.close();
        QVERIFY(!FileAttributes::DisableReadOnly(QFile::encodeName(locked).constData()));
    }
};

BQ_TEST_MAIN(TestTooltipAttributes)
#include "tst_tooltip_attributes.moc"
