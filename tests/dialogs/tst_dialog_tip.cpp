// The tip dialog: its fixed form, and how each key is shown and silenced.
#include "BqTestMain.h"
#include "CDialogTip.h"
#include "ModalDriver.h"
#include "Utils.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLayout>

using BqTest::CModalDriver;

namespace
{
struct SRun {
    int result = -1;
    int shown = 0;
    QString text; // of textTip afterwards
};
// Runs a tip with `key`; `act` handles the open dialog (none: it is rejected).
SRun RunTip(const QString& key, const std::function<void(QWidget*)>& act = {})
{
    CDialogTip tip;
    tip.tipKey = key;
    tip.tipText = QStringLiteral("Look here");
    CModalDriver driver([&](QWidget* w, const BqTest::SModalSeen&) { return act ? (act(w), true) : false; });
    driver.Arm();
    bool timedOut = false;
    SRun run;
    run.result = BqTest::ExecWithWatchdog(tip, &timedOut);
    if (timedOut)
        run.result = -1;
    run.shown = driver.Seen().size();
    run.text = tip.findChild<QLabel*>("textTip")->text();
    return run;
}
void Click(QWidget* w, const char* name)
{
    w->findChild<QAbstractButton*>(name)->click();
}
} // namespace

class TestDialogTip : public QObject
{
    Q_OBJECT
private slots:
    void form()
    {
        CDialogTip tip;
        QCOMPARE(tip.size(), QSize(460, 215));
        QCOMPARE(tip.minimumSize(), tip.maximumSize());
        QCOMPARE(tip.windowTitle(), QStringLiteral("Tip"));
        QVERIFY(!(tip.windowFlags() & Qt::WindowContextHelpButtonHint));
        tip.layout()->activate();
        QCOMPARE(tip.findChild<QWidget*>("labelImageWizard")->geometry(), QRect(0, 0, 141, 212));
        QCOMPARE(tip.findChild<QWidget*>("textTip")->geometry().topLeft(), QPoint(150, 20));
        QCOMPARE(tip.findChild<QWidget*>("buttonOk")->geometry().right(), 440);
        const QPixmap banner = tip.findChild<QLabel*>("labelImageWizard")->pixmap(Qt::ReturnByValue);
        QCOMPARE(banner.size() / banner.devicePixelRatio(), QSize(128, 128));
        QString afterOk;
        RunTip(QStringLiteral("Tab.Tip"), [&](QWidget* w) {
            QWidget* ok = w->findChild<QWidget*>("buttonOk");
            ok->setFocus();
            QTest::keyClick(ok, Qt::Key_Tab);
            afterOk = w->focusWidget()->objectName();
            Click(w, "buttonOk");
        });
        QCOMPARE(afterOk, QStringLiteral("checkShow"));
    }
    void answers_data()
    {
        QTest::addColumn<int>("clicks"); // on "Don't show this tip again"
        QTest::addColumn<bool>("escape");
        QTest::addColumn<int>("stored"); // -1: nothing written
        QTest::newRow("OK") << 0 << false << -1;
        QTest::newRow("tick, OK") << 1 << false << 0;
        QTest::newRow("tick, Escape") << 1 << true << 0;
        QTest::newRow("tick, untick, OK") << 2 << false << 1;
    }
    void answers()
    {
        QFETCH(int, clicks);
        QFETCH(bool, escape);
        const QString key = QStringLiteral("Answer.%1").arg(QTest::currentDataTag());
        const SRun run = RunTip(key, [&](QWidget* w) {
            for (int i = 0; i < clicks; ++i)
                Click(w, "checkShow");
            escape ? QTest::keyClick(w, Qt::Key_Escape) : Click(w, "buttonOk");
        });
        QCOMPARE(run.result, 0);
        QCOMPARE(run.shown, 1);
        QCOMPARE(run.text, QStringLiteral("Look here"));
        QTEST(GetRegistryInt("GUI/" + key, -1), "stored");
    }
    void storedValueDecides_data()
    {
        QTest::addColumn<int>("stored");
        QTest::addColumn<bool>("shown");
        QTest::newRow("0 silences") << 0 << false;
        QTest::newRow("1 shows") << 1 << true;
        QTest::newRow("2 shows") << 2 << true;
    }
    void storedValueDecides()
    {
        QFETCH(int, stored);
        QFETCH(bool, shown);
        SetRegistryInt(QStringLiteral("GUI/Stored.Tip"), stored);
        const SRun run = RunTip(QStringLiteral("Stored.Tip"));
        QCOMPARE(run.result, shown ? 0 : 1);
        QCOMPARE(run.shown, shown ? 1 : 0);
        QCOMPARE(run.text, shown ? QStringLiteral("Look here") : QStringLiteral("Tip text"));
    }
    void keysAreIndependent()
    {
        RunTip(QStringLiteral("First.Tip"), [](QWidget* w) {
            Click(w, "checkShow");
            Click(w, "buttonOk");
        });
        QCOMPARE(RunTip(QStringLiteral("First.Tip")).shown, 0);
        QCOMPARE(RunTip(QStringLiteral("Second.Tip")).shown, 1);
    }
};

BQ_TEST_MAIN(TestDialogTip)
#include "tst_dialog_tip.moc"
