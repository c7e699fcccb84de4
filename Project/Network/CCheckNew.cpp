#include "CCheckNew.h"

#include "BrandquillVersion.h"
#include "CDialogTip.h"
#include "FitTexts.h"
#include "SafeXml.h"
#include "UserProfile.h"
#include "Utils.h"
#include "ui_CCheckNew.h"

#include <QDebug>
#include <QMessageBox>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QXmlStreamReader>

#ifndef BRANDQUILL_UPDATE_URL
#define BRANDQUILL_UPDATE_URL ""
#endif

namespace
{
const qint64 kFeedCap = 64 * 1024;
const QString kLastCheckKey = QStringLiteral("Settings/CheckNew.LastCheck");
} // namespace

CCheckNew::CCheckNew(QWidget* parent)
    : QDialog(parent), ui(new Ui::CCheckNew), m_network(new QNetworkAccessManager(this))
{
    ui->setupUi(this);
    FitTextsToFonts(this);
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    hooks.today = [] { return QDate::currentDate(); };
    hooks.showTip = [this](QWidget* owner, const QString& key, const QString& text) {
        CDialogTip tip(owner);
        tip.tipKey = key;
        tip.tipText = text;
        CenterChild(parentRect, screenNumber, &tip);
        tip.exec();
    };
    hooks.openUrl = OpenOnDesktop;
    hooks.warn = [this](const QString& text) {
        QMessageBox::warning(parentWidget(), windowTitle(), text, QMessageBox::Ok);
    };
}

CCheckNew::~CCheckNew()
{
    if (m_reply) {
        m_reply->disconnect(this);
        m_reply->abort();
    }
    delete ui;
}

QUrl CCheckNew::FeedUrl()
{
    const QString fromEnvironment = qEnvironmentVariable("BRANDQUILL_UPDATE_URL");
    return QUrl(fromEnvironment.isEmpty() ? QStringLiteral(BRANDQUILL_UPDATE_URL) : fromEnvironment);
}

bool CCheckNew::ParseVersion(const QString& text, QVector<int>* parts)
{
    QVector<int> values;
    const QStringList pieces = text.split(QLatin1Char('.'));
    for (const QString& piece : pieces) {
        if (piece.isEmpty() || piece.size() > 9)
            return false;
        for (const QChar c : piece) {
            if (c < QLatin1Char('0') || c > QLatin1Char('9'))
                return false;
        }
        values.append(piece.toInt());
    }
    if (parts)
        *parts = values;
    return true;
}

int CCheckNew::CompareVersions(const QString& a, const QString& b, bool* valid)
{
    QVector<int> left;
    QVector<int> right;
    const bool ok = ParseVersion(a, &left) && ParseVersion(b, &right);
    if (valid)
        *valid = ok;
    if (!ok)
        return 0;
    const int count = qMax(left.size(), right.size());
    for (int i = 0; i < count; ++i) {
        const int l = i < left.size() ? left.at(i) : 0;
        const int r = i < right.size() ? right.at(i) : 0;
        if (l != r)
            return l < r ? -1 : 1;
    }
    return 0;
}

bool CCheckNew::IsDue(const QDate& today, const QString& lastCheck, int interval)
{
    const QDate last = lastCheck.size() == 10 ? QDate::fromString(lastCheck, Qt::ISODate) : QDate();
    if (!last.isValid() || last > today)
        return true;
    QDate next;
    switch (interval) {
    case 0:
        next = last.addDays(1);
        break;
    case 2:
        next = last.addDays(14);
        break;
    case 3:
        next = last.addMonths(1);
        break;
    default:
        next = last.addDays(7);
        break;
    }
    return today >= next;
}

bool CCheckNew::ParseFeed(const QByteArray& body, QString* version, QString* downloadUrl, QString* reason)
{
    // The shared guard first (UTF-8 whatever the declaration says, entity
    // declarations, depth); the feed has no use for any DTD at all.
    const QString text = SafeXml::Decode(body);
    switch (SafeXml::PreScan(text)) {
    case SafeXml::Verdict::Ok:
        break;
    case SafeXml::Verdict::DeclaresEntities:
        *reason = QStringLiteral("the feed carries a DTD");
        return false;
    default:
        *reason = QStringLiteral("malformed feed");
        return false;
    }
    QXmlStreamReader xml(text);
    QString foundVersion;
    QString foundUrl;
    bool rootSeen = false;
    while (!xml.atEnd()) {
        const QXmlStreamReader::TokenType token = xml.readNext();
        if (token == QXmlStreamReader::DTD) {
            *reason = QStringLiteral("the feed carries a DTD");
            return false;
        }
        if (token != QXmlStreamReader::StartElement)
            continue;
        if (!rootSeen) {
            rootSeen = true;
            if (xml.name() != QLatin1String("VersionInfo")) {
                *reason = QStringLiteral("the feed is not a VersionInfo document");
                return false;
            }
        } else if (xml.name() == QLatin1String("Version")) {
            foundVersion = xml.readElementText().trimmed();
        } else if (xml.name() == QLatin1String("DownloadUrl")) {
            foundUrl = xml.readElementText().trimmed();
        }
    }
    if (xml.hasError()) {
        *reason = QStringLiteral("malformed feed: ") + xml.errorString();
        return false;
    }
    if (!rootSeen) {
        *reason = QStringLiteral("the feed is empty");
        return false;
    }
    if (!ParseVersion(foundVersion)) {
        *reason = QStringLiteral("the feed's version \"%1\" is not a version number").arg(foundVersion.left(40));
        return false;
    }
    *version = foundVersion;
    *downloadUrl = foundUrl;
    return true;
}

void CCheckNew::show()
{
    if (m_reply)
        return; // a check is already under way
    const QDate today = hooks.today();
    if (automatic) {
        const CUserProfile* profile = CUserProfile::GetInstance();
        if (!profile->CheckNewAutoCheck ||
            !IsDue(today, GetRegistryString(kLastCheckKey, QString()), profile->CheckNewInterval))
            return;
    }
    hooks.showTip(parentWidget(), QStringLiteral("CheckNew.ShowTip"),
                  tr("Brandquill will now look for a newer version on the Internet. You can change how often it "
                     "checks, or turn the check off, in Settings."));

    QNetworkRequest request(FeedUrl());
    request.setTransferTimeout(transferTimeoutMs);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    m_tooLarge = false;
    m_reply = m_network->get(request);
    // Bounds what the reply buffers; one byte over the cap is enough to know.
    m_reply->setReadBufferSize(kFeedCap + 1);
    connect(m_reply, &QNetworkReply::readyRead, this, &CCheckNew::OnReadyRead);
    connect(m_reply, &QNetworkReply::finished, this, &CCheckNew::OnFinished);
}

void CCheckNew::OnReadyRead()
{
    if (m_reply && m_reply->bytesAvailable() > kFeedCap) {
        m_tooLarge = true;
        m_reply->abort();
    }
}

void CCheckNew::OnFinished()
{
    QNetworkReply* reply = m_reply;
    m_reply = nullptr;
    if (!reply)
        return;
    reply->deleteLater();
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (m_tooLarge || reply->bytesAvailable() > kFeedCap) {
        Fail(QStringLiteral("the feed is larger than 64 KiB"));
        return;
    }
    if (reply->error() == QNetworkReply::OperationCanceledError) {
        Fail(QStringLiteral("no answer within %1 s").arg(QString::number(transferTimeoutMs / 1000.0)));
        return;
    }
    if (status != 200) {
        Fail(status != 0 ? QStringLiteral("HTTP status %1").arg(status) : reply->errorString());
        return;
    }
    QString version;
    QString url;
    QString reason;
    if (!ParseFeed(reply->read(kFeedCap), &version, &url, &reason)) {
        Fail(reason);
        return;
    }
    SetRegistryString(kLastCheckKey, hooks.today().toString(Qt::ISODate));

    const QString installed = QStringLiteral(BRANDQUILL_VERSION);
    if (CompareVersions(version, installed) > 0) {
        m_downloadUrl = QUrl(url);
        ShowResult(
            tr("A new version of Brandquill is available: %1.\nYou are using version %2.").arg(version, installed),
            true);
    } else if (!automatic) {
        ShowResult(tr("You are using the latest version of Brandquill (%1).").arg(installed), false);
    }
    emit CheckFinished(true);
}

void CCheckNew::Fail(const QString& reason)
{
    if (automatic)
        qWarning().noquote() << QStringLiteral("Update check failed: ") + reason;
    else
        hooks.warn(tr("Could not check for a new version. Please try again later."));
    emit CheckFinished(false);
}

void CCheckNew::ShowResult(const QString& text, bool offerDownload)
{
    ui->textMessage->setText(text);
    ui->buttonDownload->setVisible(offerDownload);
    adjustSize();
    QDialog::show();
    CenterChild(parentRect, screenNumber, this);
}

void CCheckNew::on_buttonDownload_clicked()
{
    // The feed comes over plain HTTP; a forged one must not open a local file
    // or any other handler.
    const QString scheme = m_downloadUrl.scheme().toLower();
    if (m_downloadUrl.isValid() && (scheme == QLatin1String("http") || scheme == QLatin1String("https")))
        hooks.openUrl(m_downloadUrl);
    accept();
}

void CCheckNew::on_buttonClose_clicked()
{
    reject();
}
