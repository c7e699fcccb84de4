// The tip dialog: its fixed form, and how each key is shown and silenced.
#include "BqTestMain.h"
#include "CDialogTip.h"
#include "ModalDriver.h"
#include "Utils.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

using BqTest::CModalDriver;

namespace
{
// Runs a tip with `key`; `act` handles the dialog while it is open.
int RunTip(const QString& key, CModalDriver::Answer act, QList<BqTest::SModalSeen>* seen = nullptr,
           QString* shownText = nullptr)
{
    CDialogTip tip;
    tip.tipKey = key;
    tip.tipText = QStringLiteral("Look here");
    CModalDriver driver(std::move(act));
    driver.Arm();
    bool timedOut = false;
    const int result = BqTest::ExecWithWatchdog(tip, &timedOut);
    if (seen)
        *seen = driver.Seen();
    if (shownText)
        *shownText = tip.findChild<QLabel*>("textTip")->text();
    return timedOut ? -1 : result;
}
bool Click(QWidget* w, const char* name)
{
    w->findChild<QAbstractButton*>(name)->click();
    return true;
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
        QCOMPARE(tip.minimumSize(), QSize(460, 215));
        QCOMPARE(tip.maximumSize(), QSize(460, 215));
        QCOMPARE(tip.windowTitle(), QStringLiteral("Tip"));
        QVERIFY(!(tip.windowFlags() & Qt::WindowContextHelpButtonHint));
        QCOMPARE(tip.findChild<QWidget*>("labelImageWizard")->geometry(), QRect(0, 0, 141, 221));
        QCOMPARE(tip.findChild<QWidget*>("layoutWidget")->geometry(), QRect(150, 20, 291, 151));
        QCOMPARE(tip.findChild<QWidget*>("layoutWidget1")->geometry(), QRect(150, 180, 291, 32));
        const QPixmap banner = tip.findChild<QLabel*>("labelImageWizard")->pixmap(Qt::ReturnByValue);
        QCOMPARE(banner.size() / banner.devicePixelRatio(), QSize(128, 128));
        QCOMPARE(tip.findChild<QCheckBox*>("checkShow")->text(), QStringLiteral("Don't show this tip again"));
        QCOMPARE(tip.findChild<QPushButton*>("buttonOk")->text(), QStringLiteral("OK"));
    }
    void tabGoesFromOkToCheckBox()
    {
        QString focused;
        RunTip(QStringLiteral("Tab.Tip"), [&](QWidget* w, const BqTest::SModalSeen&) {
            auto* ok = w->findChild<QPushButton*>("buttonOk");
            ok->setFocus();
            QTest::keyClick(ok, Qt::Key_Tab);
            focused = w->focusWidget() ? w->focusWidget()->objectName() : QString();
            return Click(w, "buttonOk");
        });
        QCOMPARE(focused, QStringLiteral("checkShow"));
    }
    void newKeyShowsTextAndOkReturnsZero()
    {
        QList<BqTest::SModalSeen> seen;
        QString text;
        QCOMPARE(RunTip(
                     QStringLiteral("New.Tip"),
                     [](QWidget* w, const BqTest::SModalSeen&) { return Click(w, "buttonOk"); }, &seen, &text),
                 0);
        QCOMPARE(seen.size(), 1);
        QCOMPARE(seen[0].className, QStringLiteral("CDialogTip"));
        QCOMPARE(text, QStringLiteral("Look here"));
        QCOMPARE(GetRegistryInt(QStringLiteral("GUI/New.Tip"), -1), -1); // closing writes nothing
    }
    void answersStored_data()
    {
        QTest::addColumn<int>("clicks");
        QTest::addColumn<bool>("escape");
        QTest::addColumn<int>("stored");
        QTest::newRow("tick, OK") << 1 << false << 0;
        QTest::newRow("tick, Escape") << 1 << true << 0;
        QTest::newRow("tick, untick, OK") << 2 << false << 1;
        QTest::newRow("tick, untick, Escape") << 2 << true << 1;
    }
    void answersStored()
    {
        QFETCH(int, clicks);
        QFETCH(bool, escape);
        const QString key = QStringLiteral("Answer.%1").arg(QTest::currentDataTag());
        QCOMPARE(RunTip(key,
                        [&](QWidget* w, const BqTest::SModalSeen&) {
                            for (int i = 0; i < clicks; ++i)
                                Click(w, "checkShow");
                            if (escape)
                                QTest::keyClick(w, Qt::Key_Escape);
                            else
                                Click(w, "buttonOk");
                            return true;
                        }),
                 0);
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
        QList<BqTest::SModalSeen> seen;
        QString text;
        const int result = RunTip(QStringLiteral("Stored.Tip"), CModalDriver::Answer(), &seen, &text);
        QCOMPARE(result, shown ? 0 : 1);
        QCOMPARE(seen.size(), shown ? 1 : 0);
        QCOMPARE(text, shown ? QStringLiteral("Look here") : QStringLiteral("Tip text"));
    }
    void keysAreIndependent()
    {
        const auto silence = [](QWidget* w, const BqTest::SModalSeen&) {
            Click(w, "checkShow");
            return Click(w, "buttonOk");
        };
        RunTip(QStringLiteral("First.Tip"), silence);
        QList<BqTest::SModalSeen> seen;
        QCOMPARE(RunTip(QStringLiteral("First.Tip"), silence, &seen), 1);
        QVERIFY(seen.isEmpty());
        QCOMPARE(RunTip(QStringLiteral("Second.Tip"), CModalDriver::Answer(), &seen), 0);
        QCOMPARE(seen.size(), 1);
    }
};

BQ_TEST_MAIN(TestDialogTip)
#include "tst_dialog_tip.moc"
