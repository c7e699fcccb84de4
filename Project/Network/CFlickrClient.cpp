#include "CFlickrClient.h"

#include <QFile>
#include <QFileInfo>
#include <QHttpMultiPart>
#include <QMimeDatabase>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QUrlQuery>
#include <QXmlStreamReader>

#ifndef BRANDQUILL_FLICKR_KEY
#define BRANDQUILL_FLICKR_KEY ""
#endif
#ifndef BRANDQUILL_FLICKR_SECRET
#define BRANDQUILL_FLICKR_SECRET ""
#endif

namespace
{
QString Rebase(const QString& address, const QUrl& base)
{
    QUrl url(address);
    url.setScheme(base.scheme());
    url.setHost(base.host());
    url.setPort(base.port());
    return url.toString();
}
} // namespace

SFlickrEndpoints SFlickrEndpoints::FromEnvironment()
{
    SFlickrEndpoints endpoints;
    const QUrl base(qEnvironmentVariable("BRANDQUILL_FLICKR_BASE"));
    if (base.isValid() && !base.host().isEmpty()) {
        endpoints.oauth = Rebase(endpoints.oauth, base);
        endpoints.rest = Rebase(endpoints.rest, base);
        endpoints.upload = Rebase(endpoints.upload, base);
    }
    return endpoints;
}

CFlickrClient::CFlickrClient(QObject* parent)
    : QObject(parent), apiKey(QStringLiteral(BRANDQUILL_FLICKR_KEY)),
      apiSecret(QStringLiteral(BRANDQUILL_FLICKR_SECRET)), endpoints(SFlickrEndpoints::FromEnvironment())
{
}

bool CFlickrClient::BuiltWithKey()
{
    return sizeof(BRANDQUILL_FLICKR_KEY) > 1 && sizeof(BRANDQUILL_FLICKR_SECRET) > 1;
}

COAuth1 CFlickrClient::Signer() const
{
    COAuth1 signer;
    signer.consumerKey = apiKey;
    signer.consumerSecret = apiSecret;
    signer.token = token;
    signer.tokenSecret = tokenSecret;
    return signer;
}

QNetworkReply* CFlickrClient::Get(const QUrl& url, const COAuth1::Params& extra)
{
    QNetworkRequest request(url);
    request.setRawHeader("Authorization", Signer().AuthorizationHeader("GET", url, extra));
    request.setTransferTimeout(connectTimeoutMs);
    return m_network.get(request);
}

QNetworkReply* CFlickrClient::RequestToken()
{
    token.clear();
    tokenSecret.clear();
    return Get(QUrl(endpoints.oauth + QStringLiteral("request_token")),
               {{QStringLiteral("oauth_callback"), QStringLiteral("oob")}});
}

QUrl CFlickrClient::AuthorizeUrl(const QString& requestToken) const
{
    QUrl url(endpoints.oauth + QStringLiteral("authorize"));
    QUrlQuery query;
    query.addQueryItem(QStringLiteral("oauth_token"), requestToken);
    query.addQueryItem(QStringLiteral("perms"), QStringLiteral("write"));
    url.setQuery(query);
    return url;
}

QNetworkReply* CFlickrClient::AccessToken(const QString& verifier)
{
    return Get(QUrl(endpoints.oauth + QStringLiteral("access_token")), {{QStringLiteral("oauth_verifier"), verifier}});
}

QNetworkReply* CFlickrClient::TestLogin()
{
    QUrl url(endpoints.rest);
    QUrlQuery query;
    query.addQueryItem(QStringLiteral("method"), QStringLiteral("flickr.test.login"));
    url.setQuery(query);
    return Get(url, {});
}

QNetworkReply* CFlickrClient::Upload(QFile* file)
{
    const QUrl url(endpoints.upload);
    QNetworkRequest request(url);
    request.setRawHeader("Authorization", Signer().AuthorizationHeader("POST", url));
    request.setTransferTimeout(fileTimeoutMs);

    auto* body = new QHttpMultiPart(QHttpMultiPart::FormDataType);
    QHttpPart photo;
    QString name = QFileInfo(file->fileName()).fileName();
    // The caller refuses names with line breaks; this only keeps the header whole.
    name.remove(QLatin1Char('\r')).remove(QLatin1Char('\n')).remove(QChar(0));
    name.replace(QLatin1Char('\\'), QLatin1String("\\\\")).replace(QLatin1Char('"'), QLatin1String("\\\""));
    photo.setRawHeader("Content-Disposition", "form-data; name=\"photo\"; filename=\"" + name.toUtf8() + '"');
    photo.setRawHeader(
        "Content-Type",
        QMimeDatabase().mimeTypeForFile(file->fileName(), QMimeDatabase::MatchExtension).name().toLatin1());
    photo.setBodyDevice(file);
    body->append(photo);
    QNetworkReply* reply = m_network.post(request, body);
    body->setParent(reply);
    return reply;
}

QMap<QString, QString> CFlickrClient::ParseForm(const QByteArray& body)
{
    QMap<QString, QString> values;
    const QList<QByteArray> pairs = body.trimmed().split('&');
    for (const QByteArray& pair : pairs) {
        const int eq = pair.indexOf('=');
        if (eq <= 0)
            continue;
        values.insert(QString::fromUtf8(QByteArray::fromPercentEncoding(pair.left(eq))),
                      QString::fromUtf8(QByteArray::fromPercentEncoding(pair.mid(eq + 1))));
    }
    return values;
}

CFlickrClient::SResponse CFlickrClient::ParseResponse(const QByteArray& body)
{
    SResponse response;
    QXmlStreamReader xml(body);
    bool inRsp = false;
    while (!xml.atEnd()) {
        switch (xml.readNext()) {
        case QXmlStreamReader::DTD:
            response.ok = false;
            response.errorText = QStringLiteral("unexpected DTD in the reply");
            return response;
        case QXmlStreamReader::StartElement:
            if (xml.name() == QLatin1String("rsp")) {
                inRsp = true;
                response.ok = xml.attributes().value(QLatin1String("stat")) == QLatin1String("ok");
            } else if (inRsp && xml.name() == QLatin1String("photoid")) {
                response.photoId = xml.readElementText().trimmed();
            } else if (inRsp && xml.name() == QLatin1String("err")) {
                response.errorText = xml.attributes().value(QLatin1String("msg")).toString();
            }
            break;
        default:
            break;
        }
    }
    if (!inRsp || xml.hasError()) {
        response.ok = false;
        if (response.errorText.isEmpty())
            response.errorText = QStringLiteral("malformed reply");
    }
    return response;
}
