#include "CRunLogFile.h"

#include "PathSafety.h"
#include "Utils.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdio>

namespace
{
const QByteArray ByteOrderMark("\xEF\xBB\xBF", 3);
constexpr qint64 CopyBlock = 1024;

QString TwoDigits(qint64 value)
{
    return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
}

// Appends the old log after the new run, dropping its byte order mark only
// when it really has one.
bool CopyOldContent(QFile& old, QFile& out)
{
    QByteArray block = old.read(ByteOrderMark.size());
    if (block.isNull() && old.error() != QFileDevice::NoError)
        return false;
    if (block != ByteOrderMark && out.write(block) != block.size())
        return false;
    for (;;) {
        block = old.read(CopyBlock);
        if (old.error() != QFileDevice::NoError)
            return false;
        if (block.isEmpty())
            return true;
        if (out.write(block) != block.size())
            return false;
    }
}
} // namespace

const QString CRunLogFile::Separator = QStringLiteral("\r\n\r\n----------\r\n\r\n");

QString CRunLogFile::ProcessingLogPath()
{
    return GetMyDocuments() + QStringLiteral("/Brandquill/Brandquill.log");
}

QString CRunLogFile::MonitorLogPath(const QString& monitorId)
{
    return GetMyDocuments() + QStringLiteral("/Corvantile/Monitor/") +
           CPathSafety::SanitizeFileName(monitorId) + QStringLiteral(".log");
}

bool CRunLogFile::Prepend(const QString& path, const QString& runText)
{
    const int slash = path.lastIndexOf(QLatin1Char('/'));
    if (slash > 0)
        QDir().mkpath(path.left(slash));

    // A leftover temporary file or link of an earlier failed save is ours to
    // replace; anything else in its place (a folder) makes the save fail.
    const QString tmpPath = path + QStringLiteral(".tmp");
    const QFileInfo tmpInfo(tmpPath);
    if (tmpInfo.isSymLink() || tmpInfo.isFile())
        QFile::remove(tmpPath);
    QFile tmp(tmpPath);
    if (!tmp.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        return false;

    const QByteArray text = runText.toUtf8();
    bool ok = tmp.write(ByteOrderMark) == ByteOrderMark.size() && tmp.write(text) == text.size();
    QFile old(path);
    if (ok && old.exists()) {
        // An old log we cannot read would be lost by the rename.
        ok = old.open(QIODevice::ReadOnly) && CopyOldContent(old, tmp);
        old.close();
    }
    ok = ok && tmp.flush();
    tmp.close();
    ok = ok && tmp.error() == QFileDevice::NoError;
    // rename() replaces the old file in one step; QFile::rename would refuse.
    ok = ok && std::rename(QFile::encodeName(tmpPath).constData(), QFile::encodeName(path).constData()) == 0;
    if (!ok)
        QFile::remove(tmpPath);
    return ok;
}

QString CRunLogFile::TimeN2LongS(qint64 ms)
{
    ms = qMax<qint64>(0, ms);
    const qint64 h = ms / 3600000;
    const qint64 m = (ms - h * 3600000) / 60000;
    const qint64 s = (ms - h * 3600000 - m * 60000) / 1000;
    if (h > 0)
        return TwoDigits(h) + QLatin1Char(':') + TwoDigits(m) + QLatin1Char(':') + TwoDigits(s);
    return TwoDigits(m) + QLatin1Char(':') + TwoDigits(s);
}

QString CRunLogFile::TimeN2ShortS(qint64 ms)
{
    ms = qMax<qint64>(0, ms);
    qint64 t = ms / 100; // tenths
    const qint64 h = ms / 3600000;
    t -= h * 36000;
    const qint64 m = t / 600;
    t -= m * 600;
    const qint64 s = t / 10;
    const qint64 d = t - s * 10;
    const QString tenths = QLatin1Char('.') + QString::number(d) + QLatin1Char('s');
    if (h > 0)
        return QString::number(h) + QLatin1Char(':') + TwoDigits(m) + QLatin1Char(':') + TwoDigits(s) + tenths;
    if (m > 0)
        return QString::number(m) + QLatin1Char(':') + TwoDigits(s) + tenths;
    return QString::number(s) + tenths;
}
