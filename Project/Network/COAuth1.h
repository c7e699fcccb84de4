#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>
#include <QUrl>

// OAuth 1.0a request signing (RFC 5849) with HMAC-SHA1.
class COAuth1
{
public:
    using Params = QList<QPair<QString, QString>>;

    QString consumerKey;
    QString consumerSecret;
    QString token; // empty before the first token is granted
    QString tokenSecret;

    // The value of the "Authorization" header for one request: the oauth_*
    // parameters (plus `extra`, e.g. oauth_callback or oauth_verifier), signed
    // together with the URL's query and `formParams` (a form-encoded body;
    // a multipart body is not signed). A fresh nonce and timestamp are drawn
    // when none are given.
    QByteArray AuthorizationHeader(const QByteArray& method, const QUrl& url, const Params& extra = Params(),
                                   const Params& formParams = Params(), QString nonce = QString(),
                                   qint64 timestamp = -1) const;

    // The signature base string: METHOD&enc(base URL)&enc(normalised params).
    static QByteArray BaseString(const QByteArray& method, const QUrl& url, const Params& params);
    // Base64 of HMAC-SHA1(key = enc(consumer secret) & enc(token secret)).
    static QByteArray Sign(const QByteArray& baseString, const QString& consumerSecret, const QString& tokenSecret);
    // RFC 3986 percent-encoding of the UTF-8 bytes, unreserved kept, upper-case hex.
    static QByteArray Encode(const QString& text);
    // scheme://host[:port]/path, lower-case, default ports left out.
    static QByteArray BaseUrl(const QUrl& url);
};
