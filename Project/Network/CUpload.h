#pragma once

#include "CUploadBase.h"
#include "SUploadHooks.h"

#include <QElapsedTimer>
#include <QSet>
#include <QString>
#include <QStringList>

class CFlickrClient;
class CFtpClient;
class QFile;
class QNetworkReply;
class QTimer;

// Hands the files of a run to the mail program, an FTP server or Flickr.
// Transfers run on the GUI thread, driven by network events; each ends with
// exactly one UploadFinished, posted after the sent files were deleted (when
// asked to), and never deletes a file that was not sent.
class CUpload : public CUploadBase
{
    Q_OBJECT
public:
    explicit CUpload(const SUploadHooks& hooks = SUploadHooks());
    ~CUpload() override;

    bool AddAttachments(const QStringList& files, bool deleteWhenDone) override;
    void ConnectFTP(QString host, QString user, QString password, long port) override;
    void UploadFTP(QStringList files, QString folder, bool deleteWhenDone) override;
    void UploadFlickr(QStringList files, bool deleteWhenDone) override;

    // Inactivity limits: connect, login, change of folder and close; and
    // each file, counted from its last progress.
    int connectTimeoutMs = 10000;
    int fileTimeoutMs = 60000;

    SUploadHooks hooks;

    // Why a build without a Flickr key (CFlickrClient::BuiltWithKey) offers
    // no Flickr upload.
    static QString NoFlickrKeyText();

    // The Flickr client, for its key and endpoints.
    CFlickrClient* flickrClient() const { return m_flickr; }

private:
    enum class Kind { None, Mail, Ftp, Flickr };
    enum class FlickrStep { None, TestLogin, RequestToken, AccessToken, Upload };

    // Shared by the transfers.
    void Reset(Kind kind);
    void Log(const QString& line);
    bool CheckAbort();
    void Finish();
    double Speed() const;
    QString NoAnswer(int ms) const;
    static QStringList ExistingFiles(const QStringList& files);
    static QString Printable(QString text);
    // The name after the last "/", printable.
    static QString DisplayName(const QString& path);
    // The name each file goes by where the files meet in one folder (a
    // server's, a message, a kept folder): its own, or the " (n)" form the
    // run gives on disk where an earlier file has that name by
    // CPathSafety::NameKey, or where the folder holds it (`held`). With
    // `replace`, a file's own name may be one held, and is then spelt as
    // the folder spells it.
    static QStringList SharedFolderNames(const QStringList& files, const QStringList& held = QStringList(),
                                         bool replace = false);
    // Moves (or for the user's own outputs copies) a message that no mail
    // program took and its photos, under `names`, into a new folder under
    // the user's documents; returns that folder, or where the photos are
    // when it cannot be made.
    static QString KeepUnsent(const QStringList& photos, const QStringList& names, const QString& eml,
                              bool photosAreTemporary);

    // FTP.
    void OnFtpCommandStarted(int id);
    void OnFtpCommandFinished(int id, bool error);
    void OnFtpProgress(qint64 done, qint64 total);
    void OnTimeout();
    void EndFtp();
    void SendNextFile();
    void CloseFile();

    // Flickr.
    void StartAuthorisation();
    void StartReply(QNetworkReply* reply, FlickrStep step);
    void OnFlickrFinished();
    void OnFlickrProgress(qint64 sent, qint64 total);
    void OnFlickrToken(int status, const QByteArray& body, const QString& reason);
    void SendNextPhoto();
    void DropReply();
    static QString FailureReason(int status, const QByteArray& body, const QString& reason);

    CFtpClient* m_ftp;
    CFlickrClient* m_flickr;
    QTimer* m_timer;

    Kind m_kind = Kind::None;
    QStringList m_files;
    QStringList m_names;        // of m_files on the server
    QStringList m_heldNames;    // listed, or found there by a probe
    QSet<QString> m_held;       // their keys
    bool m_listRefused = false; // then a 550 to a probe may be a refusal too
    bool m_probesFind = false;  // a probe has found a name
    bool m_unchecked = false;   // of the current name
    QStringList m_sent;
    int m_next = 0;
    bool m_deleteWhenDone = false;
    bool m_finished = true;
    QString m_log;
    QElapsedTimer m_clock;
    qint64 m_bytesSent = 0;
    qint64 m_bytesBeforeFile = 0;
    QFile* m_file = nullptr;
    QString m_currentPath;
    QString m_currentName;

    QString m_host;
    QString m_user;
    QString m_password; // stored form; decoded only for PASS
    QString m_folder;
    int m_connectId = 0;
    int m_loginId = 0;
    int m_cdId = 0;
    int m_listId = 0;
    int m_putId = 0;
    int m_probeId = 0;
    int m_closeId = 0;
    bool m_loggedIn = false;
    bool m_uploadCalled = false;
    bool m_endedEarly = false;
    bool m_fileAborting = false;

    QNetworkReply* m_reply = nullptr;
    FlickrStep m_flickrStep = FlickrStep::None;
    bool m_replyAborted = false;
};
