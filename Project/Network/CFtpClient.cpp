#include "CFtpClient.h"

#include <QHostAddress>
#include <QIODevice>
#include <QRegularExpression>
#include <QTcpSocket>
#include <QTimer>

#include <linux/sockios.h>
#include <sys/ioctl.h>
#include <sys/socket.h>

namespace
{
const qint64 kChunk = 64 * 1024;
// How often the acknowledged byte count of a running upload is read.
const int kProgressPollMs = 100;

bool IsDigits(const QByteArray& bytes)
{
    for (char c : bytes) {
        if (c < '0' || c > '9')
            return false;
    }
    return true;
}
} // namespace

CFtpClient::CFtpClient(QObject* parent)
    : QObject(parent), m_control(new QTcpSocket(this)), m_progressPoll(new QTimer(this)), m_stepTimer(new QTimer(this))
{
    m_stepTimer->setSingleShot(true);
    connect(m_stepTimer, &QTimer::timeout, this, &CFtpClient::onStepTimeout);
    m_progressPoll->setInterval(kProgressPollMs);
    connect(m_progressPoll, &QTimer::timeout, this, &CFtpClient::reportProgress);
    connect(m_control, &QTcpSocket::readyRead, this, &CFtpClient::onControlReadyRead);
    connect(m_control, &QTcpSocket::errorOccurred, this, &CFtpClient::onControlError);
}

CFtpClient::~CFtpClient()
{
    disconnectFromHost();
}

void CFtpClient::setTimeouts(int stepMs, int transferMs)
{
    m_stepMs = stepMs;
    m_transferMs = transferMs;
}

QString CFtpClient::NoAnswer(int ms)
{
    return tr("no answer within %1 s").arg(QString::number(ms / 1000.0));
}

void CFtpClient::armTimer()
{
    if (!m_current || m_step == Step::Idle) {
        m_stepTimer->stop();
        return;
    }
    // Every step of a put, up to the data connection and the STOR, is
    // timed as the transfer is: a caller times the whole put as one.
    const bool put = m_current->kind == Put && m_step != Step::Aborting;
    m_stepTimer->start(put ? m_transferMs : m_stepMs);
}

void CFtpClient::onStepTimeout()
{
    if (m_current)
        failConnection(NoAnswer(m_stepTimer->interval()));
}

void CFtpClient::failConnection(const QString& message)
{
    dropData();
    m_control->abort();
    m_inbox.clear();
    m_replyCode.clear();
    finishCurrent(true, message);
}

int CFtpClient::connectToHost(const QString& host, quint16 port)
{
    auto* command = new SCommand;
    command->kind = ConnectToHost;
    command->arg1 = host;
    command->port = port;
    return enqueue(command);
}

int CFtpClient::login(const QString& user, const QString& password)
{
    auto* command = new SCommand;
    command->kind = Login;
    command->arg1 = user;
    command->arg2 = password;
    return enqueue(command);
}

int CFtpClient::cd(const QString& dir)
{
    auto* command = new SCommand;
    command->kind = Cd;
    command->arg1 = dir;
    return enqueue(command);
}

int CFtpClient::put(QIODevice* device, const QString& file, TransferType type)
{
    auto* command = new SCommand;
    command->kind = Put;
    command->arg1 = file;
    command->device = device;
    command->type = type;
    return enqueue(command);
}

int CFtpClient::list()
{
    auto* command = new SCommand;
    command->kind = List;
    return enqueue(command);
}

int CFtpClient::probe(const QString& file)
{
    auto* command = new SCommand;
    command->kind = Probe;
    command->arg1 = file;
    return enqueue(command);
}

int CFtpClient::close()
{
    auto* command = new SCommand;
    command->kind = Close;
    return enqueue(command);
}

void CFtpClient::clearPendingCommands()
{
    qDeleteAll(m_queue);
    m_queue.clear();
}

int CFtpClient::enqueue(SCommand* command)
{
    command->id = m_nextId++;
    m_queue.append(command);
    scheduleNext();
    return command->id;
}

void CFtpClient::scheduleNext()
{
    // Started from the event loop, so that the caller has its id and has
    // connected its slots before commandStarted arrives.
    if (m_startScheduled || m_current)
        return;
    m_startScheduled = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            m_startScheduled = false;
            startNext();
        },
        Qt::QueuedConnection);
}

bool CFtpClient::IsSafeArgument(const QString& arg)
{
    return !arg.contains(QLatin1Char('\r')) && !arg.contains(QLatin1Char('\n')) && !arg.contains(QChar(0));
}

void CFtpClient::startNext()
{
    if (m_current || m_queue.isEmpty())
        return;
    m_current = m_queue.takeFirst();
    const int id = m_current->id;
    emit commandStarted(id);
    if (!m_current || m_current->id != id)
        return; // the slot dropped the connection

    // Armed for whatever step the command has reached once it has begun.
    beginCurrent();
    armTimer();
}

void CFtpClient::beginCurrent()
{
    const SCommand& c = *m_current;
    if ((c.kind == Login || c.kind == Cd || c.kind == Put || c.kind == Probe) &&
        (!IsSafeArgument(c.arg1) || !IsSafeArgument(c.arg2))) {
        finishCurrent(true, tr("A name or account text holds a line break; it was not sent."));
        return;
    }
    switch (c.kind) {
    case ConnectToHost:
        m_inbox.clear();
        m_replyCode.clear();
        m_control->abort();
        m_step = Step::Greeting;
        m_control->connectToHost(c.arg1, c.port);
        return;
    case Login:
        m_step = Step::User;
        sendLine("USER", c.arg1);
        return;
    case Cd:
        m_step = Step::Cwd;
        sendLine("CWD", c.arg1);
        return;
    case Put:
        if (!c.device || !c.device->isReadable()) {
            finishCurrent(true, tr("The file cannot be read."));
            return;
        }
        m_total = c.device->isSequential() ? -1 : c.device->size();
        m_written = 0;
        m_toKernel = 0;
        m_sourceDone = false;
        m_step = Step::Type;
        sendLine("TYPE", c.type == Binary ? QStringLiteral("I") : QStringLiteral("A"));
        return;
    case Probe:
        // Some servers refuse SIZE in ASCII mode with a 550.
        m_probed = Unknown;
        m_step = Step::Type;
        sendLine("TYPE", QStringLiteral("I"));
        return;
    case List:
        m_listing.clear();
        m_listed.clear();
        m_listAnswered = false;
        m_step = Step::Epsv;
        sendLine("EPSV");
        return;
    case Close:
        if (m_control->state() != QAbstractSocket::ConnectedState) {
            finishCurrent(false);
            return;
        }
        m_step = Step::Quit;
        sendLine("QUIT");
        return;
    case None:
        finishCurrent(false);
        return;
    }
}

bool CFtpClient::sendLine(const QByteArray& verb, const QString& arg)
{
    if (m_control->state() != QAbstractSocket::ConnectedState) {
        m_replyInHand = 0; // not the server's refusal
        finishCurrent(true, tr("Not connected."));
        return false;
    }
    QByteArray line = verb;
    if (!arg.isNull())
        line += ' ' + arg.toUtf8();
    m_control->write(line + "\r\n");
    return true;
}

void CFtpClient::finishCurrent(bool error, const QString& message)
{
    if (!m_current)
        return;
    SCommand* command = m_current;
    m_current = nullptr;
    m_step = Step::Idle;
    m_stepTimer->stop();
    if (error) {
        m_error = message;
        m_errorCode = m_replyInHand;
        // As with QtFtp, an error drops what was queued behind it; a slot of
        // commandFinished may queue new commands.
        clearPendingCommands();
    }
    m_replyInHand = 0; // what the slots below do is not this reply's doing
    const int id = command->id;
    delete command;
    emit commandFinished(id, error);
    if (m_current)
        return;
    if (m_queue.isEmpty())
        emit done(error);
    else
        scheduleNext();
}

void CFtpClient::abort()
{
    clearPendingCommands();
    if (!m_current)
        return;
    const bool replyOutstanding = m_step == Step::Type || m_step == Step::Epsv || m_step == Step::Pasv ||
                                  m_step == Step::Stor || m_step == Step::Transfer;
    if (m_current->kind == Put && m_control->state() == QAbstractSocket::ConnectedState &&
        (replyOutstanding || m_step == Step::DataConnect)) {
        dropData();
        // Every command sent gets one final reply: the one still due, then
        // the ABOR's. Only after both is the control connection clean.
        m_finalsAwaited = (replyOutstanding ? 1 : 0) + 1;
        m_abortReason = tr("Aborted.");
        m_step = Step::Aborting;
        m_control->write("ABOR\r\n");
        armTimer();
        return;
    }
    dropData();
    m_control->abort();
    finishCurrent(true, tr("Aborted."));
}

void CFtpClient::disconnectFromHost()
{
    clearPendingCommands();
    delete m_current;
    m_current = nullptr;
    m_step = Step::Idle;
    m_stepTimer->stop();
    dropData();
    m_control->abort();
    m_inbox.clear();
    m_replyCode.clear();
}

void CFtpClient::onControlError()
{
    if (!m_current)
        return;
    if (m_step == Step::Quit && m_control->error() == QAbstractSocket::RemoteHostClosedError) {
        finishCurrent(false);
        return;
    }
    const QString reason = m_control->errorString();
    dropData();
    m_control->abort();
    finishCurrent(true, reason);
}

void CFtpClient::onControlReadyRead()
{
    // Only the unscanned tail is searched, and no more of it is ever held
    // than one line may take: a server sending without line ends cannot
    // grow the inbox or make each arrival rescan it.
    int scanned = m_inbox.size();
    m_inbox += m_control->readAll();
    int end;
    while ((end = m_inbox.indexOf('\n', scanned)) >= 0) {
        scanned = 0;
        if (end > MaxReplyLine) {
            failConnection(tr("reply too long"));
            return;
        }
        QByteArray line = m_inbox.left(end);
        m_inbox.remove(0, end + 1);
        if (line.endsWith('\r'))
            line.chop(1);
        const QByteArray code = line.left(3);
        const bool numbered = line.size() >= 3 && IsDigits(code);
        if (m_replyCode.isEmpty()) {
            if (!numbered)
                continue;
            if (line.size() > 3 && line.at(3) == '-') {
                m_replyCode = QString::fromLatin1(code);
                m_replyText = QString::fromUtf8(line.mid(4)).trimmed();
                m_replySize = line.size();
                continue;
            }
            if (line.size() > 3 && line.at(3) != ' ')
                continue;
            onReply(code.toInt(), QString::fromUtf8(line.mid(4)).trimmed());
        } else if (numbered && QString::fromLatin1(code) == m_replyCode && (line.size() == 3 || line.at(3) == ' ')) {
            const int value = m_replyCode.toInt();
            m_replyCode.clear();
            onReply(value, m_replyText);
        } else if ((m_replySize += line.size() + 1) > MaxReply) {
            failConnection(tr("reply too long"));
            return;
        }
    }
    if (m_inbox.size() > MaxReplyLine)
        failConnection(tr("reply too long"));
}

void CFtpClient::onReply(int code, const QString& text)
{
    // Any reply shows the server alive; the next step gets its full time.
    m_replyInHand = code;
    handleReply(code, text);
    m_replyInHand = 0;
    armTimer();
}

void CFtpClient::handleReply(int code, const QString& text)
{
    if (!m_current)
        return;
    const bool preliminary = code < 200;
    const bool positive = code >= 200 && code < 300;
    const SCommand& c = *m_current;
    switch (m_step) {
    case Step::Idle:
        return;
    case Step::Greeting:
        if (preliminary)
            return;
        finishCurrent(code != 220, text);
        return;
    case Step::User:
        if (preliminary)
            return;
        if (code == 331) {
            m_step = Step::Pass;
            sendLine("PASS", c.arg2);
            return;
        }
        finishCurrent(code != 230, text);
        return;
    case Step::Pass:
    case Step::Cwd:
        if (preliminary)
            return;
        finishCurrent(!positive, text);
        return;
    case Step::Type:
        if (preliminary)
            return;
        if (!positive) {
            finishCurrent(true, text);
            return;
        }
        if (c.kind == Probe) {
            m_step = Step::Size;
            sendLine("SIZE", c.arg1);
            return;
        }
        m_step = Step::Epsv;
        sendLine("EPSV");
        return;
    case Step::Size:
    case Step::Mdtm:
        if (preliminary)
            return;
        if (m_step == Step::Size && (code == 500 || code == 502)) {
            m_step = Step::Mdtm;
            sendLine("MDTM", c.arg1);
            return;
        }
        m_probed = code == 213 ? Present : code == 550 ? Absent : Unknown;
        finishCurrent(false);
        return;
    case Step::Epsv:
        if (preliminary)
            return;
        if (code == 229) {
            // "(|||port|)", the delimiter being the character after "(".
            const int open = text.indexOf('(');
            const int close = text.lastIndexOf(')');
            if (open >= 0 && close > open + 1) {
                const QStringList parts = text.mid(open + 1, close - open - 1).split(text.at(open + 1));
                bool ok = false;
                const uint port = parts.size() == 5 ? parts.at(3).toUInt(&ok) : 0;
                if (ok && port > 0 && port < 65536) {
                    openDataConnection(quint16(port));
                    return;
                }
            }
            finishCurrent(true, text);
            return;
        }
        if (code == 500 || code == 501 || code == 502) {
            m_step = Step::Pasv;
            sendLine("PASV");
            return;
        }
        finishCurrent(true, text);
        return;
    case Step::Pasv: {
        if (preliminary)
            return;
        // The address in the reply is ignored: a server behind NAT names its
        // private address, and a hostile one could name any other host.
        static const QRegularExpression numbers(QStringLiteral("(\\d+),(\\d+),(\\d+),(\\d+),(\\d+),(\\d+)"));
        const QRegularExpressionMatch m = numbers.match(text);
        const uint port = m.hasMatch() ? m.captured(5).toUInt() * 256 + m.captured(6).toUInt() : 0;
        if (code == 227 && port > 0 && port < 65536) {
            openDataConnection(quint16(port));
            return;
        }
        finishCurrent(true, text);
        return;
    }
    case Step::DataConnect:
        // Nothing is due now; a stray reply means the server gave up.
        dropData();
        finishCurrent(true, text);
        return;
    case Step::Stor:
        if (code == 125 || code == 150) {
            m_step = Step::Transfer;
            m_progressPoll->start();
            feedData();
            return;
        }
        if (preliminary)
            return;
        dropData();
        finishCurrent(true, text);
        return;
    case Step::Transfer:
        if (preliminary)
            return;
        if ((code == 226 || code == 250) && m_sourceDone) {
            dropData();
            finishCurrent(false);
            return;
        }
        dropData();
        // A positive reply now means the server closed the file early.
        finishCurrent(true, positive ? tr("the transfer ended before the whole file was sent") : text);
        return;
    case Step::Nlst:
    case Step::Listing:
        if (code == 125 || code == 150) {
            m_step = Step::Listing;
            return;
        }
        if (preliminary)
            return;
        if (positive) {
            // The names are all there once the server has closed the data.
            m_listAnswered = true;
            if (!m_data)
                finishListing();
            return;
        }
        dropData();
        finishCurrent(true, text);
        return;
    case Step::Quit:
        if (preliminary)
            return;
        m_control->disconnectFromHost();
        finishCurrent(!positive, text);
        return;
    case Step::Aborting:
        if (preliminary)
            return;
        if (--m_finalsAwaited <= 0)
            finishCurrent(true, m_abortReason);
        return;
    }
}

void CFtpClient::openDataConnection(quint16 port)
{
    dropData();
    m_step = Step::DataConnect;
    m_data = new QTcpSocket(this);
    connect(m_data, &QTcpSocket::connected, this, &CFtpClient::onDataConnected);
    connect(m_data, &QTcpSocket::bytesWritten, this, &CFtpClient::onDataBytesWritten);
    connect(m_data, &QTcpSocket::errorOccurred, this, &CFtpClient::onDataError);
    connect(m_data, &QTcpSocket::readyRead, this, &CFtpClient::onDataReadyRead);
    m_data->connectToHost(m_control->peerAddress(), port);
}

void CFtpClient::onDataConnected()
{
    if (m_step != Step::DataConnect || !m_current)
        return;
    if (m_current->kind == List) {
        m_step = Step::Nlst;
        sendLine("NLST");
        return;
    }
    m_step = Step::Stor;
    sendLine("STOR", m_current->arg1);
}

void CFtpClient::onDataReadyRead()
{
    if (!m_data || !m_current || m_current->kind != List)
        return;
    m_listing += m_data->readAll();
    if (m_listing.size() > MaxListing)
        failConnection(tr("listing too long"));
    else
        armTimer();
}

void CFtpClient::finishListing()
{
    for (QByteArray line : m_listing.split('\n')) {
        if (line.endsWith('\r'))
            line.chop(1);
        // Some servers name each file with the folder asked for.
        const QString name = QString::fromUtf8(line.mid(line.lastIndexOf('/') + 1));
        if (!name.isEmpty() && name != QLatin1String(".") && name != QLatin1String(".."))
            m_listed << name;
    }
    m_listing.clear();
    finishCurrent(false);
}

void CFtpClient::feedData()
{
    if (!m_data || !m_current || m_step != Step::Transfer || m_sourceDone)
        return;
    QIODevice* source = m_current->device;
    if (!source) {
        abort();
        return;
    }
    const QByteArray chunk = source->read(kChunk);
    if (chunk.isEmpty()) {
        if (!source->atEnd() && !source->isSequential()) {
            // A read error: the file is incomplete, so the server must not
            // keep it as sent. ABOR settles the control connection.
            const QString reason = source->errorString();
            abort();
            m_abortReason = reason;
            return;
        }
        // Closing the sending half of the data connection is what ends the
        // file (nothing is buffered here any more: feedData runs only when
        // the socket's buffer is empty). The socket stays open so that the
        // bytes the server has still to take remain visible until its 226.
        m_sourceDone = true;
        m_data->flush();
        if (::shutdown(int(m_data->socketDescriptor()), SHUT_WR) != 0)
            m_data->disconnectFromHost();
        return;
    }
    m_data->write(chunk);
}

void CFtpClient::onDataBytesWritten(qint64 bytes)
{
    if (m_step != Step::Transfer || !m_data)
        return;
    m_toKernel += bytes;
    const int id = currentId();
    reportProgress();
    if (currentId() != id || m_step != Step::Transfer || !m_data)
        return;
    if (m_data->bytesToWrite() == 0)
        feedData();
}

void CFtpClient::reportProgress()
{
    if (m_step != Step::Transfer || !m_data)
        return;
    // Progress is what the server has acknowledged, not what went into the
    // kernel: several megabytes fit in the socket buffers, and a time-out
    // counted from the last write would strike while a slow server is still
    // taking data.
    int unacknowledged = 0;
    if (::ioctl(int(m_data->socketDescriptor()), SIOCOUTQ, &unacknowledged) != 0)
        unacknowledged = 0;
    const qint64 acknowledged = m_toKernel - unacknowledged;
    if (acknowledged <= m_written)
        return;
    m_written = acknowledged;
    armTimer();
    emit dataTransferProgress(m_written, m_total);
}

void CFtpClient::onDataError()
{
    if (!m_data)
        return;
    if (m_step == Step::DataConnect) {
        const QString reason = m_data->errorString();
        dropData();
        finishCurrent(true, reason);
        return;
    }
    if (m_current && m_current->kind == List) {
        if (m_data->error() != QAbstractSocket::RemoteHostClosedError) {
            failConnection(m_data->errorString());
            return;
        }
        // The end of the names: the rest is read before the socket goes.
        onDataReadyRead();
        dropData();
        if (m_current && m_listAnswered)
            finishListing();
        return;
    }
    // The server's reply on the control connection says how the file went.
    if (m_step == Step::Transfer && m_sourceDone && m_data->error() == QAbstractSocket::RemoteHostClosedError)
        return;
    dropData();
}

void CFtpClient::dropData()
{
    m_progressPoll->stop();
    if (!m_data)
        return;
    QTcpSocket* data = m_data;
    m_data = nullptr;
    data->disconnect(this);
    data->abort();
    data->deleteLater();
}
