// jobfile-load make <case> <file>: writes a job file of one of the cases
// below. jobfile-load load <file>: loads it with CScripts and prints the
// verdict, the number of notes, the time of the load and the memory it added at its peak
// (VmHWM after the load less VmRSS before it), also as a multiple of the
// file's size.
#include "BqTestMain.h"
#include "CScripts.h"
#include "FiltersEnum.h"
#include "FormatsEnum.h"
#include "ListImages.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>

namespace
{

// Kilobytes of a /proc/self/status line such as "VmHWM:".
qint64 StatusKb(const char* key)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith(key))
            return line.mid(int(qstrlen(key))).trimmed().split(' ').value(0).toLongLong();
    return -1;
}

QByteArray Repeat(const QByteArray& unit, qint64 bytes)
{
    return unit.repeated(int(bytes / unit.size()));
}

bool Make(const QString& which, const QString& path)
{
    const qint64 target = 30 * 1024 * 1024; // under the 32 MiB cap
    QByteArray text = "<?xml version=\"1.0\" encoding=\"utf-16\"?>\n";
    if (which == "images") {
        text += "<Script Version=\"1\"><Images>\n";
        for (int i = 0; i < 100000; ++i)
            text +=
                "\t\t<Image Path=\"/photos/trip/IMG_" + QByteArray::number(i).rightJustified(6, '0') + ".jpg\" />\n";
        text += "</Images></Script>\n";
    } else if (which == "images-limit") {
        text += "<Script Version=\"1\"><Images>\n";
        for (int i = 0; i < 1000000; ++i)
            text += "<Image Path=\"/p/" + QByteArray::number(i) + ".jpg\"/>\n";
        text += "</Images></Script>\n";
    } else if (which == "search") {
        const QString folder = QFileInfo(path).absolutePath() + "/photos";
        QDir().mkpath(folder);
        for (int i = 0; i < 50000; ++i) {
            QFile f(folder + QString("/IMG_%1.jpg").arg(i, 6, 10, QLatin1Char('0')));
            if (!f.open(QIODevice::WriteOnly))
                return false;
        }
        text += "<Script Version=\"1\"><Images><Search Path=\"photos/*.jpg\" Subfolders=\"0\"/></Images></Script>\n";
    } else if (which == "filters") {
        text +=
            "<Profile Version=\"1\"><Filters>" + Repeat("<Filter Id=\"5040\"/>\n", target) + "</Filters></Profile>\n";
    } else if (which == "params") {
        text += "<Profile Version=\"1\"><Filters><Filter Id=\"5040\">" +
                Repeat("<Param Type=\"float\">1</Param>\n", target) + "</Filter></Filters></Profile>\n";
    } else if (which == "unknown-params") {
        text += "<Profile Version=\"1\"><Filters><Filter Id=\"5040\">" + Repeat("<Param Type=\"x\"/>\n", target) +
                "</Filter></Filters></Profile>\n";
    } else if (which == "properties") {
        text +=
            "<Profile Version=\"1\">" +
            Repeat("<Properties Class=\"Rename\"><Property Name=\"SearchFor\">x</Property></Properties>\n", target) +
            "</Profile>\n";
    } else if (which == "empty-properties") {
        text += "<Profile Version=\"1\">" + Repeat("<Properties Class=\"Rename\"/>", target) + "</Profile>\n";
    } else if (which == "path") {
        text += "<Script Version=\"1\"><Images><Image Path=\"/" + QByteArray(int(target), 'p') +
                ".jpg\"/></Images></Script>\n";
    } else if (which == "comment") {
        text += "<Profile Version=\"1\"><!--" + QByteArray(int(target), 'c') + "--></Profile>\n";
    } else {
        return false;
    }
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text) == text.size();
}

int Load(const QString& path)
{
    CFormatsEnum::GetInstance()->GenerateList();
    CFiltersEnum::GetInstance()->GenerateList();
    CScripts::ShowWarning = [](const QString&) {};
    const qint64 before = StatusKb("VmRSS:");
    QElapsedTimer clock;
    clock.start();
    CScripts script(path);
    const bool loaded = script.Load();
    const qint64 ms = clock.elapsed();
    const qint64 added = StatusKb("VmHWM:") - before;
    const qint64 size = QFileInfo(path).size();
    QTextStream(stdout) << QFileInfo(path).fileName() << ": " << size / 1024 << " KiB, "
                        << (loaded ? "loaded" : "refused: " + script.ErrorText()) << ", "
                        << CListImages::GetInstance()->images.size() << " photos, " << script.Notes().size()
                        << " notes, " << ms << " ms, peak +" << added / 1024
                        << " MiB = " << QString::number(added * 1024.0 / qMax<qint64>(size, 1), 'f', 1)
                        << " x its size\n";
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    BqTest::IsolateEnvironment();
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 4 && args[1] == "make")
        return Make(args[2], args[3]) ? 0 : 1;
    if (args.size() == 3 && args[1] == "load")
        return Load(args[2]);
    QTextStream(stderr) << "usage: jobfile-load make <case> <file> | load <file>\n";
    return 2;
}
