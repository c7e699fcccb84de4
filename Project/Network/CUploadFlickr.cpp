// The Flickr transfer of CUpload: check the stored token, or authorise in
// the browser (request token, the user's code, access token), then send the
// photos one at a time.
#include "CFlickrClient.h"
#include "CFtpClient.h"
#include "CUpload.h"
#include "Utils.h"

#include <QFile>
#include <QNetworkReply>

namespace
{
const QString kTokenKey = QStringLiteral("GUI/Upload.Flickr.Token");
const QString kSecretKey = QStringLiteral("GUI/Upload.Flickr.TokenSecret");

bool HasLineBreakOrNul(const QString& text)
{
    return text.contains(QLatin1Char('\r')) || text.contains(QLatin1Char('\n')) || text.contains(QChar(0));
}
} // namespace

void CUpload::UploadFlickr(QStringList files, bool deleteWhenDone)
{
    m_ftp->disconnectFromHost();
    Reset(Kind::Flickr);
    m_files = ExistingFiles(files);
    m_deleteWhenDone = deleteWhenDone;
    if (m_flickr->apiKey.isEmpty() || m_flickr->apiSecret.isEmpty()) {
        Log(NoFlickrKeyText());
        Finish();
        return;
    }
    if (m_files.isEmpty()) {
        Finish();
        return;
    }
    m_flickr->connectTimeoutMs = connectTimeoutMs;
    m_flickr->fileTimeoutMs = fileTimeoutMs;
    const QString token = GetRegistryString(kTokenKey, QString());
    const QString secret = DecryptString(GetRegistryString(kSecretKey, QString()));
    if (token.isEmpty() || secret.isEmpty()) {
        StartAuthorisation();
        return;
    }
    m_flickr->token = token;
    m_flickr->tokenSecret = secret;
    StartReply(m_flickr->TestLogin(), FlickrStep::TestLogin);
}

QString CUpload::NoFlickrKeyText()
{
    return tr("Flickr upload is not available: this copy of Brandquill was built without a Flickr API key.");
}

void CUpload::StartAuthorisation()
{
    // Both keys go together, so a half-stored token is never tried.
    SetRegistryString(kTokenKey, QString());
    SetRegistryString(kSecretKey, QString());
    StartReply(m_flickr->RequestToken(), FlickrStep::RequestToken);
}

void CUpload::StartReply(QNetworkReply* reply, FlickrStep step)
{
    m_reply = reply;
    m_flickrStep = step;
    m_replyAborted = false;
    connect(reply, &QNetworkReply::finished, this, &CUpload::OnFlickrFinished);
    if (step == FlickrStep::Upload)
        connect(reply, &QNetworkReply::uploadProgress, this, &CUpload::OnFlickrProgress);
}

void CUpload::DropReply()
{
    if (!m_reply)
        return;
    QNetworkReply* reply = m_reply;
    m_reply = nullptr;
    m_replyAborted = true;
    reply->disconnect(this);
    reply->abort();
    reply->deleteLater();
}

QString CUpload::FailureReason(int status, const QByteArray& body, const QString& reason)
{
    const QString problem = CFlickrClient::ParseForm(body).value(QStringLiteral("oauth_problem"));
    if (!problem.isEmpty())
        return problem;
    if (!reason.isEmpty())
        return reason;
    const QString text = QString::fromUtf8(body).simplified().left(200);
    return text.isEmpty() ? QStringLiteral("HTTP %1").arg(status) : text;
}

void CUpload::OnFlickrProgress(qint64 sent, qint64 total)
{
    Q_UNUSED(total);
    if (m_finished || CheckAbort())
        return;
    m_bytesSent = m_bytesBeforeFile + sent;
}

void CUpload::OnFlickrFinished()
{
    QNetworkReply* reply = m_reply;
    if (!reply || sender() != reply)
        return;
    m_reply = nullptr;
    reply->deleteLater();
    if (m_finished || CheckAbort())
        return;

    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    const QByteArray body = reply->isOpen() ? reply->readAll() : QByteArray();
    const QNetworkReply::NetworkError error = reply->error();
    QString reason;
    const bool timedOut = error == QNetworkReply::OperationCanceledError && !m_replyAborted;
    if (timedOut)
        reason = NoAnswer(m_flickrStep == FlickrStep::Upload ? fileTimeoutMs : connectTimeoutMs);
    else if (error != QNetworkReply::NoError && status == 0)
        reason = reply->errorString();

    switch (m_flickrStep) {
    case FlickrStep::TestLogin: {
        const CFlickrClient::SResponse rsp = CFlickrClient::ParseResponse(body);
        if (status == 200 && rsp.ok) {
            SendNextPhoto();
        } else if (status == 401 || status == 200) {
            StartAuthorisation(); // the token was refused
        } else {
            Log(tr("Flickr authorisation failed: %1").arg(FailureReason(status, body, reason)));
            Finish();
        }
        return;
    }
    case FlickrStep::RequestToken:
    case FlickrStep::AccessToken:
        OnFlickrToken(status, body, reason);
        return;
    case FlickrStep::Upload: {
        CloseFile();
        const CFlickrClient::SResponse rsp = CFlickrClient::ParseResponse(body);
        if (!timedOut && status == 200 && rsp.ok) {
            m_sent.append(m_currentPath);
            emit ImgUploaded(Speed());
        } else {
            const QString why = !reason.isEmpty()          ? reason
                                : !rsp.errorText.isEmpty() ? rsp.errorText
                                                           : FailureReason(status, body, reason);
            Log(tr("Failed to upload %1 to Flickr: %2").arg(DisplayName(m_currentPath), why));
        }
        if (!m_finished)
            SendNextPhoto();
        return;
    }
    case FlickrStep::None:
        return;
    }
}

void CUpload::OnFlickrToken(int status, const QByteArray& body, const QString& reason)
{
    const QMap<QString, QString> form = CFlickrClient::ParseForm(body);
    const QString token = form.value(QStringLiteral("oauth_token"));
    const QString secret = form.value(QStringLiteral("oauth_token_secret"));
    if (status != 200 || token.isEmpty() || secret.isEmpty()) {
        m_flickr->token.clear();
        m_flickr->tokenSecret.clear();
        Log(tr("Flickr authorisation failed: %1").arg(FailureReason(status, body, reason)));
        Finish();
        return;
    }
    m_flickr->token = token;
    m_flickr->tokenSecret = secret;

    if (m_flickrStep == FlickrStep::AccessToken) {
        SetRegistryString(kTokenKey, token);
        SetRegistryString(kSecretKey, EncryptString(secret));
        SendNextPhoto();
        return;
    }

    if (!hooks.openBrowser(m_flickr->AuthorizeUrl(token))) {
        Log(tr("Flickr authorisation failed: %1").arg(tr("the web browser could not be opened")));
        Finish();
        return;
    }
    bool ok = false;
    const QString code = hooks
                             .askText(tr("Flickr"),
                                      tr("Allow Brandquill to upload to your Flickr account in the browser window that "
                                         "has opened, then type the "
                                         "code that Flickr shows:"),
                                      &ok)
                             .trimmed();
    if (m_finished)
        return;
    if (!ok || code.isEmpty()) {
        Log(tr("Flickr authorisation was cancelled."));
        Finish();
        return;
    }
    StartReply(m_flickr->AccessToken(code), FlickrStep::AccessToken);
}

void CUpload::SendNextPhoto()
{
    while (m_next < m_files.size()) {
        m_currentPath = m_files.at(m_next++);
        if (HasLineBreakOrNul(m_currentPath.mid(m_currentPath.lastIndexOf(QLatin1Char('/')) + 1))) {
            Log(tr("Failed to upload %1 to Flickr: %2")
                    .arg(DisplayName(m_currentPath), tr("the name holds a line break")));
            continue;
        }
        auto* file = new QFile(m_currentPath, this);
        if (!file->open(QIODevice::ReadOnly)) {
            Log(tr("Failed to upload %1 to Flickr: %2").arg(DisplayName(m_currentPath), file->errorString()));
            delete file;
            continue;
        }
        m_file = file;
        if (!m_clock.isValid())
            m_clock.start();
        m_bytesBeforeFile = m_bytesSent;
        StartReply(m_flickr->Upload(m_file), FlickrStep::Upload);
        return;
    }
    Finish();
}
