#include "NetTestSupport.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTest>

#include <vector>

namespace NetTest
{

QStringList MessageLog::messages;

namespace
{
QtMessageHandler g_previous = nullptr;

void Record(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    MessageLog::messages.append(text);
    if (g_previous)
        g_previous(type, context, text);
}
} // namespace

MessageLog::MessageLog()
{
    messages.clear();
    g_previous = qInstallMessageHandler(Record);
}

MessageLog::~MessageLog()
{
    qInstallMessageHandler(g_previous);
}

quint16 StartTool(QProcess& process, const QString& script, const QStringList& args, QString* error)
{
    process.setProgram(QStringLiteral(BQ_PYTHON3));
    process.setArguments(QStringList{QStringLiteral(BQ_TOOLS_DIR "/") + script} + args);
    process.start();
    if (!process.waitForStarted(10000)) {
        *error = QStringLiteral("cannot start ") + QStringLiteral(BQ_PYTHON3) + ": " + process.errorString();
        return 0;
    }
    while (!process.canReadLine() && process.state() == QProcess::Running)
        process.waitForReadyRead(10000);
    const QByteArray line = process.readLine().trimmed();
    if (line.startsWith("MISSING ")) {
        *error = QString::fromUtf8(line.mid(8));
        return 0;
    }
    const quint16 port = line.startsWith("PORT ") ? quint16(line.mid(5).toUInt()) : 0;
    if (port == 0)
        *error = script + " did not report its port: " + QString::fromUtf8(line + process.readAllStandardError());
    return port;
}

void StopTool(QProcess& process)
{
    if (process.state() == QProcess::NotRunning)
        return;
    process.kill();
    process.waitForFinished(10000);
}

bool WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray ReadFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray RandomBytes(int size)
{
    std::vector<quint32> words(size_t(size) / 4 + 1);
    QRandomGenerator generator(quint32(size) * 2654435761u + 7);
    generator.fillRange(words.data(), qsizetype(words.size()));
    return QByteArray(reinterpret_cast<const char*>(words.data()), size);
}

} // namespace NetTest
