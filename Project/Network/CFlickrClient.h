#pragma once

#include "COAuth1.h"

#include <QMap>
#include <QNetworkAccessManager>
#include <QObject>
#include <QString>
#include <QUrl>

class QFile;
class QNetworkReply;

// Where the Flickr web service lives. BRANDQUILL_FLICKR_BASE
// ("http://127.0.0.1:8080") replaces the scheme, host and port of all three.
struct SFlickrEndpoints {
    QString oauth = QStringLiteral("https://www.flickr.com/services/oauth/");
    QString rest = QStringLiteral("https://api.flickr.com/services/rest/");
    QString upload = QStringLiteral("https://up.flickr.com/services/upload/");

    static SFlickrEndpoints FromEnvironment();
};

// The calls of the Flickr web service the uploader needs, each signed with
// OAuth 1.0a in the Authorization header. Every call returns its reply; the
// caller connects to it and owns it.
class CFlickrClient : public QObject
{
    Q_OBJECT
public:
    explicit CFlickrClient(QObject* parent = nullptr);

    // The application's key, compiled in from the CMake cache variables
    // BRANDQUILL_FLICKR_KEY and BRANDQUILL_FLICKR_SECRET (empty by default).
    QString apiKey;
    QString apiSecret;
    // True when this build carries a key and a secret.
    static bool BuiltWithKey();
    // The user's token, or the request token during authorisation.
    QString token;
    QString tokenSecret;
    SFlickrEndpoints endpoints;
    // Inactivity limits: uploads, and every other call.
    int connectTimeoutMs = 10000;
    int fileTimeoutMs = 60000;

    QNetworkReply* RequestToken();
    QUrl AuthorizeUrl(const QString& requestToken) const;
    QNetworkReply* AccessToken(const QString& verifier);
    QNetworkReply* TestLogin();
    // Streams the file as the "photo" part; the file must stay alive until
    // the reply has finished.
    QNetworkReply* Upload(QFile* file);

    // "a=1&b=2" bodies of the token calls.
    static QMap<QString, QString> ParseForm(const QByteArray& body);

    // <rsp stat="ok|fail">; on failure errorText holds the err message.
    struct SResponse {
        bool ok = false;
        QString photoId;
        QString errorText;
    };
    static SResponse ParseResponse(const QByteArray& body);

private:
    QNetworkReply* Get(const QUrl& url, const COAuth1::Params& extra);
    COAuth1 Signer() const;

    QNetworkAccessManager m_network;
};
