#include "COAuth1.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QMessageAuthenticationCode>
#include <QRandomGenerator>
#include <QUrlQuery>

#include <algorithm>

QByteArray COAuth1::Encode(const QString& text)
{
    // QUrl keeps exactly the unreserved set (ALPHA, DIGIT, "-._~").
    return QUrl::toPercentEncoding(text);
}

QByteArray COAuth1::BaseUrl(const QUrl& url)
{
    const QString scheme = url.scheme().toLower();
    QByteArray base = scheme.toUtf8() + "://" + url.host().toLower().toUtf8();
    const int port = url.port();
    if (port != -1 && !((scheme == "http" && port == 80) || (scheme == "https" && port == 443)))
        base += ':' + QByteArray::number(port);
    const QByteArray path = url.path(QUrl::FullyEncoded).toUtf8();
    return base + (path.isEmpty() ? QByteArray("/") : path);
}

QByteArray COAuth1::BaseString(const QByteArray& method, const QUrl& url, const Params& params)
{
    QList<QPair<QByteArray, QByteArray>> encoded;
    const auto query = QUrlQuery(url).queryItems(QUrl::FullyDecoded);
    for (const auto& item : query)
        encoded.append({Encode(item.first), Encode(item.second)});
    for (const auto& item : params)
        encoded.append({Encode(item.first), Encode(item.second)});
    // Sorted by encoded name, then by encoded value.
    std::sort(encoded.begin(), encoded.end());
    QByteArray normalised;
    for (const auto& item : qAsConst(encoded)) {
        if (!normalised.isEmpty())
            normalised += '&';
        normalised += item.first + '=' + item.second;
    }
    return method.toUpper() + '&' + Encode(QString::fromUtf8(BaseUrl(url))) + '&' +
           Encode(QString::fromLatin1(normalised));
}

QByteArray COAuth1::Sign(const QByteArray& baseString, const QString& consumerSecret, const QString& tokenSecret)
{
    // The "&" stays even without a token secret.
    const QByteArray key = Encode(consumerSecret) + '&' + Encode(tokenSecret);
    return QMessageAuthenticationCode::hash(baseString, key, QCryptographicHash::Sha1).toBase64();
}

QByteArray COAuth1::AuthorizationHeader(const QByteArray& method, const QUrl& url, const Params& extra,
                                        const Params& formParams, QString nonce, qint64 timestamp) const
{
    if (nonce.isEmpty()) {
        quint32 words[4];
        QRandomGenerator::system()->fillRange(words);
        nonce = QString::fromLatin1(QByteArray(reinterpret_cast<const char*>(words), sizeof(words)).toHex());
    }
    if (timestamp < 0)
        timestamp = QDateTime::currentSecsSinceEpoch();

    Params oauth = {{QStringLiteral("oauth_consumer_key"), consumerKey},
                    {QStringLiteral("oauth_nonce"), nonce},
                    {QStringLiteral("oauth_signature_method"), QStringLiteral("HMAC-SHA1")},
                    {QStringLiteral("oauth_timestamp"), QString::number(timestamp)},
                    {QStringLiteral("oauth_version"), QStringLiteral("1.0")}};
    if (!token.isEmpty())
        oauth.append({QStringLiteral("oauth_token"), token});
    oauth += extra;

    const QByteArray signature = Sign(BaseString(method, url, oauth + formParams), consumerSecret, tokenSecret);
    oauth.append({QStringLiteral("oauth_signature"), QString::fromLatin1(signature)});

    QByteArray header = "OAuth ";
    for (int i = 0; i < oauth.size(); ++i) {
        if (i > 0)
            header += ", ";
        header += Encode(oauth.at(i).first) + "=\"" + Encode(oauth.at(i).second) + '"';
    }
    return header;
}
