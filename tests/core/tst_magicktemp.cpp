// The clean-up of the image library's temporary files: old files go, files
// that a process holds open or mapped stay, and without a process table the
// age rule decides alone.
#include "BqTestMain.h"
#include "MagickTempCleaner.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <fcntl.h>
#include <sys/mman.h>
#include <unistd.h>
#include <utime.h>

namespace
{
void WriteAged(const QString& path, qint64 ageSeconds)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(4096, 'x'));
    file.close();
    const time_t when = time(nullptr) - static_cast<time_t>(ageSeconds);
    utimbuf times{when, when};
    QCOMPARE(utime(QFile::encodeName(path).constData(), &times), 0);
}
} // namespace

class TestMagickTemp : public QObject
{
    Q_OBJECT

private slots:
    void heldFilesSurvive_data()
    {
        QTest::addColumn<bool>("procKnown");
        QTest::newRow("/proc") << true;
        QTest::newRow("no process table") << false;
    }

    void heldFilesSurvive()
    {
        QFETCH(bool, procKnown);
        QTemporaryDir dir;
        const QString folder = dir.path();
        const qint64 old = 25 * 3600;
        WriteAged(folder + "/magick-old", old);
        WriteAged(folder + "/magick-open", old);
        WriteAged(folder + "/magick-mapped", old);
        WriteAged(folder + "/magick-new", 0);
        WriteAged(folder + "/other-old", old);
        QVERIFY(QFile::link(folder + "/other-old", folder + "/magick-link"));
        QVERIFY(QDir(folder).mkdir("magick-dir"));

        // Another process holds one file through a descriptor...
        QProcess holder;
        holder.start("sh", {"-c", "exec 3<\"$0\"; echo ready; sleep 30", folder + "/magick-open"});
        QVERIFY(holder.waitForReadyRead(10000));
        // ...and this one maps another with its descriptor already closed.
        const int fd = ::open(QFile::encodeName(folder + "/magick-mapped").constData(), O_RDONLY);
        QVERIFY(fd >= 0);
        void* mapped = ::mmap(nullptr, 4096, PROT_READ, MAP_PRIVATE, fd, 0);
        ::close(fd);
        QVERIFY(mapped != MAP_FAILED);

        const QString procRoot = procKnown ? QStringLiteral("/proc") : folder + "/no-such-proc";
        CMagickTempCleaner(folder, procRoot).Run();
        ::munmap(mapped, 4096);
        holder.kill();
        holder.waitForFinished();

        QVERIFY(!QFile::exists(folder + "/magick-old"));
        QCOMPARE(QFile::exists(folder + "/magick-open"), procKnown);
        QCOMPARE(QFile::exists(folder + "/magick-mapped"), procKnown);
        QVERIFY(QFile::exists(folder + "/magick-new"));
        QVERIFY(QFile::exists(folder + "/other-old"));
        QVERIFY(QFileInfo(folder + "/magick-link").isSymLink());
        QVERIFY(QFileInfo(folder + "/magick-dir").isDir());
    }
};

BQ_TEST_MAIN(TestMagickTemp)
#include "tst_magicktemp.moc"
