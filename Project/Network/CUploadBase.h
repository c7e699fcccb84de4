#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

// What the processing dialog needs of an uploader: hand the files a run wrote
// to the mail program, an FTP server or Flickr, and hear how it went. The
// real uploader derives from it; tests put a recording fake in its place.
class CUploadBase : public QObject
{
    Q_OBJECT
public:
    explicit CUploadBase(QObject* parent = nullptr) : QObject(parent) {}
    ~CUploadBase() override = default;

    // Set by the dialog when the user gives up a transfer; the uploader's
    // next network event ends it.
    bool abortRequest = false;
    // Set by the dialog before an FTP upload when the job overwrites: a photo
    // then replaces the file of its name in the server's folder; otherwise
    // it takes the first free name there.
    bool overwrite = false;
    // The run log's line on the last mail hand-off, done or failed, then a
    // line for each photo attached under another name than its file's.
    QString mailLog;
    // The files of the last FTP upload sent under a name that the server did
    // not confirm free: a file of the same name there may have been replaced.
    QStringList sentUnchecked;

    // True when the message was handed to the mail program.
    virtual bool AddAttachments(const QStringList& files, bool deleteWhenDone) = 0;
    virtual void ConnectFTP(QString host, QString user, QString password, long port) = 0;
    virtual void UploadFTP(QStringList files, QString folder, bool deleteWhenDone) = 0;
    virtual void UploadFlickr(QStringList files, bool deleteWhenDone) = 0;

signals:
    // One file sent; speed in KB/s over the transfer so far.
    void ImgUploaded(double speed);
    // The transfer ended (done, failed or aborted), with the uploader's log.
    void UploadFinished(int noOfUplFiles, QString strLog);
};
