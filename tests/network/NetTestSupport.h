#pragma once
// Helpers shared by the network tests: the Python servers, files and a
// record of every diagnostic message.

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>

namespace NetTest
{
// Starts tests/tools/<script> under /usr/bin/python3 and reads its
// "PORT n" line. Returns 0 with the reason in *error when it did not start.
quint16 StartTool(QProcess& process, const QString& script, const QStringList& args, QString* error);
// kill() + waitForFinished(); a stopped (SIGSTOP) process ends as well.
void StopTool(QProcess& process);

bool WriteFile(const QString& path, const QByteArray& bytes);
QByteArray ReadFile(const QString& path);
QByteArray RandomBytes(int size);

// Records every qDebug/qWarning/... text from construction on.
class MessageLog
{
public:
    MessageLog();
    ~MessageLog();
    static QStringList messages;
};
} // namespace NetTest
