#pragma once

#include <QDate>
#include <QDialog>
#include <QRect>
#include <QString>
#include <QUrl>
#include <QVector>

#include <functional>

class QNetworkAccessManager;
class QNetworkReply;
namespace Ui
{
class CCheckNew;
}

// The checker's contacts with the desktop and the clock; each defaults to
// the real thing.
struct SCheckNewHooks {
    std::function<QDate()> today;
    // Shows the one-time tip; by default a CDialogTip centred like the result.
    std::function<void(QWidget* parent, const QString& key, const QString& text)> showTip;
    std::function<bool(const QUrl&)> openUrl;
    // The failure box of a check started from the menu.
    std::function<void(const QString& text)> warn;
};

// The update check: fetches the version feed and, when the reply is in,
// shows whether a newer version exists. show() only starts the work; the
// dialog appears later through QDialog::show(), in automatic mode only for a
// newer version. The caller sets the modality.
class CCheckNew : public QDialog
{
    Q_OBJECT
public:
    explicit CCheckNew(QWidget* parent = nullptr);
    ~CCheckNew() override;

    // Hides QDialog::show(): returns at once. In automatic mode nothing
    // happens unless the check is on and its interval has passed.
    void show();

    bool automatic = true;
    QRect parentRect;     // the main window's geometry
    int screenNumber = 0; // the screen that shows it
    int transferTimeoutMs = 15000;
    SCheckNewHooks hooks;

    // BRANDQUILL_UPDATE_URL from the environment, else the compiled-in one.
    static QUrl FeedUrl();
    // Dotted non-negative integers of at most 9 digits each.
    static bool ParseVersion(const QString& text, QVector<int>* parts = nullptr);
    // -1, 0 or 1 component by component, missing ones counting as 0; 0 with
    // *valid false when either is not a version.
    static int CompareVersions(const QString& a, const QString& b, bool* valid = nullptr);
    // Due when the last check ("yyyy-MM-dd") is missing, invalid or in the
    // future, or today has reached it plus the interval (0 a day, 1 a week,
    // 2 two weeks, 3 a calendar month, anything else a week).
    static bool IsDue(const QDate& today, const QString& lastCheck, int interval);
    // <VersionInfo><Version>…</Version><DownloadUrl>…</DownloadUrl></VersionInfo>;
    // any DTD is refused.
    static bool ParseFeed(const QByteArray& body, QString* version, QString* downloadUrl, QString* reason);

signals:
    // The reply has been handled (or the check failed): for the caller and tests.
    void CheckFinished(bool ok);

private slots:
    void on_buttonDownload_clicked();
    void on_buttonClose_clicked();

private:
    void OnReadyRead();
    void OnFinished();
    void Fail(const QString& reason);
    void ShowResult(const QString& text, bool offerDownload);

    Ui::CCheckNew* ui;
    QNetworkAccessManager* m_network;
    QNetworkReply* m_reply = nullptr;
    bool m_tooLarge = false;
    QUrl m_downloadUrl;
};
