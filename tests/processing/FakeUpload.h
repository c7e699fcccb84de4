#pragma once
// An uploader that records every call and reports only when the test says.

#include "CUploadBase.h"

#include <QFile>

#include <functional>

class FakeUpload : public CUploadBase
{
    Q_OBJECT
public:
    struct SCall {
        QString name;
        QStringList files;
        QString folder;
        bool deleteWhenDone = false;
        QStringList connection; // host, user, password, port
    };

    bool AddAttachments(const QStringList& files, bool deleteWhenDone) override
    {
        calls << SCall{QStringLiteral("AddAttachments"), files, QString(), deleteWhenDone, {}};
        if (onCall)
            onCall(*this);
        return mailResult;
    }
    void ConnectFTP(QString host, QString user, QString password, long port) override
    {
        calls << SCall{QStringLiteral("ConnectFTP"), {}, QString(), false,
                       {host, user, password, QString::number(port)}};
    }
    void UploadFTP(QStringList files, QString folder, bool deleteWhenDone) override
    {
        calls << SCall{QStringLiteral("UploadFTP"), files, folder, deleteWhenDone, {}};
        if (onCall)
            onCall(*this);
    }
    void UploadFlickr(QStringList files, bool deleteWhenDone) override
    {
        calls << SCall{QStringLiteral("UploadFlickr"), files, QString(), deleteWhenDone, {}};
        if (onCall)
            onCall(*this);
    }

    void Sent(double speed) { emit ImgUploaded(speed); }
    // As the real one does, the files sent go when the call asked so.
    void Finish(int files, const QString& log)
    {
        if (!calls.isEmpty() && calls.last().deleteWhenDone) {
            for (const QString& file : calls.last().files.mid(0, files))
                QFile::remove(file);
        }
        emit UploadFinished(files, log);
    }

    QList<SCall> calls;
    bool mailResult = true;
    // Runs inside the hand-off call: the test's chance to report.
    std::function<void(FakeUpload&)> onCall;
};
