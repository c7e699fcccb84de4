#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>

class QIODevice;
class QTcpSocket;
class QTimer;

// A small FTP client over QTcpSocket with the call shape of QtFtp: commands
// are queued, run one at a time, and numbered from 1. Passive mode only
// (EPSV, falling back to PASV); the data connection always goes to the
// control connection's peer, whatever address a 227 reply names. Names are
// sent as UTF-8; an argument holding CR, LF or NUL is never sent, so a file
// name cannot smuggle a second command onto the control connection.
// A step that gets no answer within its time-out, or a reply longer than a
// server ever needs, fails the command and drops the connection; a caller
// with time-outs of its own sets these longer, as a last resort.
class CFtpClient : public QObject
{
    Q_OBJECT
public:
    enum TransferType { Binary, Ascii };
    enum Command { None, ConnectToHost, Login, Cd, Put, List, Probe, Close };
    // What the server says of one name in the current folder.
    enum Presence { Unknown, Present, Absent };

    // A reply line or a whole multi-line reply beyond these is refused.
    static constexpr int MaxReplyLine = 8 * 1024;
    static constexpr int MaxReply = 64 * 1024;
    // A folder listing beyond this is refused.
    static constexpr int MaxListing = 16 * 1024 * 1024;

    explicit CFtpClient(QObject* parent = nullptr);
    ~CFtpClient() override;

    // Each step (connecting, each reply awaited) may take `stepMs`; each
    // step of a put, and its transfer without the server taking any data,
    // `transferMs`.
    void setTimeouts(int stepMs, int transferMs);
    // The text of a time-out, "no answer within 1.5 s".
    static QString NoAnswer(int ms);

    int connectToHost(const QString& host, quint16 port = 21);
    int login(const QString& user, const QString& password);
    int cd(const QString& dir);
    // The device must be open for reading and outlive the command.
    int put(QIODevice* device, const QString& file, TransferType type = Binary);
    // The names in the current folder (NLST); listedNames() holds them once
    // the command has finished. A refusal, 450 too, fails the command.
    int list();
    const QStringList& listedNames() const { return m_listed; }
    // Asks for the size of `file` in binary mode (SIZE, or MDTM where SIZE
    // is not offered); probed() holds the answer once the command has
    // finished: 213 is Present, 550 Absent, anything else Unknown.
    int probe(const QString& file);
    Presence probed() const { return m_probed; }
    int close();

    // Ends the current command with an error and clears the pending ones.
    // During a put the data connection is dropped and ABOR sent; the
    // command finishes when the server has answered the STOR and the ABOR.
    void abort();
    // Drops both connections at once; the current and pending commands
    // vanish without any signal.
    void disconnectFromHost();

    QString errorString() const { return m_error; }
    // The code of the server's reply that failed the last failed command; 0
    // when no reply did (a time-out, a lost connection, an argument refused).
    int errorCode() const { return m_errorCode; }
    int currentId() const { return m_current ? m_current->id : 0; }
    Command currentCommand() const { return m_current ? m_current->kind : None; }
    bool hasPendingCommands() const { return !m_queue.isEmpty(); }
    void clearPendingCommands();

signals:
    void commandStarted(int id);
    void commandFinished(int id, bool error);
    void done(bool error);
    // done: bytes of the current put acknowledged by the server.
    void dataTransferProgress(qint64 done, qint64 total);

private:
    // Where the current command stands in its exchange with the server.
    enum class Step {
        Idle,
        Greeting,
        User,
        Pass,
        Cwd,
        Type,
        Epsv,
        Pasv,
        DataConnect,
        Stor,
        Transfer,
        Nlst,
        Listing,
        Size,
        Mdtm,
        Quit,
        Aborting
    };
    struct SCommand {
        int id = 0;
        Command kind = None;
        QString arg1;
        QString arg2;
        quint16 port = 0;
        QPointer<QIODevice> device;
        TransferType type = Binary;
    };

    int enqueue(SCommand* command);
    void scheduleNext();
    void startNext();
    void beginCurrent();
    void finishCurrent(bool error, const QString& message = QString());
    // Drops both connections and fails the current command: after a reply
    // too long or a step without answer the connection cannot be trusted.
    void failConnection(const QString& message);
    void armTimer();
    void onStepTimeout();
    bool sendLine(const QByteArray& verb, const QString& arg = QString());

    void onControlReadyRead();
    void onControlError();
    void onReply(int code, const QString& text);
    void handleReply(int code, const QString& text);
    void onDataConnected();
    void onDataBytesWritten(qint64 bytes);
    void onDataError();
    void onDataReadyRead();
    // Ends a listing once the server has answered and closed the data.
    void finishListing();
    void openDataConnection(quint16 port);
    void feedData();
    void reportProgress();
    void dropData();

    static bool IsSafeArgument(const QString& arg);

    QTcpSocket* m_control;
    QTcpSocket* m_data = nullptr;
    QTimer* m_progressPoll;
    QTimer* m_stepTimer;
    int m_stepMs = 10000;
    int m_transferMs = 60000;
    QList<SCommand*> m_queue;
    SCommand* m_current = nullptr;
    Step m_step = Step::Idle;
    int m_nextId = 1;
    bool m_startScheduled = false;
    QString m_error;
    int m_errorCode = 0;
    int m_replyInHand = 0; // the code of the reply being handled

    // Reply assembly: an FTP reply ends only at "NNN " after "NNN-" lines.
    QByteArray m_inbox;
    QString m_replyCode;
    QString m_replyText;
    int m_replySize = 0; // bytes of the multi-line reply so far

    // Put state.
    qint64 m_total = 0;
    qint64 m_written = 0;  // acknowledged by the server
    qint64 m_toKernel = 0; // handed to the kernel
    bool m_sourceDone = false;
    int m_finalsAwaited = 0;
    QString m_abortReason;

    // List state.
    QByteArray m_listing;
    bool m_listAnswered = false;
    QStringList m_listed;
    Presence m_probed = Unknown;
};
