// "Profile's Properties": what exec() shows, what OK hands back, the empty
// name warning, Cancel and closing.
#include "BqTestMain.h"
#include "CDialogProfileSave.h"
#include "ModalDriver.h"

#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTextEdit>
#include <QTimer>

#include <functional>

namespace
{
using BqTest::FindChild;
int Run(CDialogProfileSave& dialog, const std::function<void()>& whileOpen)
{
    return BqTest::RunWhileOpen(dialog, whileOpen);
}
QLineEdit* Name(QDialog& d)
{
    return FindChild<QLineEdit>(d, "editName");
}
QTextEdit* Desc(QDialog& d)
{
    return FindChild<QTextEdit>(d, "editDesc");
}
void Press(QDialog& d, const char* button)
{
    FindChild<QPushButton>(d, button)->click();
}
} // namespace

class TestDialogProfileSave : public QObject
{
    Q_OBJECT
private slots:
    void window();
    void accepts_data();
    void accepts();
    void richPrefillComesBackPlain();
    void emptyNameWarnsAndStays();
    void cancelAndClose_data();
    void cancelAndClose();
};

void TestDialogProfileSave::window()
{
    CDialogProfileSave dialog;
    QCOMPARE(dialog.windowTitle(), QString("Profile's Properties"));
    QCOMPARE(dialog.minimumSize(), QSize(290, 245));
    QCOMPARE(dialog.maximumSize(), QSize(290, 245));
    QVERIFY(!(dialog.windowFlags() & Qt::WindowContextHelpButtonHint));
    QVERIFY(dialog.ProfileName.isEmpty() && dialog.ProfileDescription.isEmpty());
}

void TestDialogProfileSave::accepts_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("description");
    QTest::newRow("plain") << "Web & Mail"
                           << "For the web";
    QTest::newRow("blanks only") << "   "
                                 << "x";
    QTest::newRow("empty description") << "Name"
                                       << "";
    QTest::newRow("two lines") << "Name"
                               << "a\nb";
}

void TestDialogProfileSave::accepts()
{
    QFETCH(QString, name);
    QFETCH(QString, description);
    CDialogProfileSave dialog;
    dialog.ProfileName = "prefilled";
    dialog.ProfileDescription = "old";
    QString shownName, shownDesc;
    int shownLines = 0;
    const int result = Run(dialog, [&] {
        shownName = Name(dialog)->text();
        shownDesc = Desc(dialog)->toPlainText();
        shownLines = Desc(dialog)->viewport()->height() / Desc(dialog)->fontMetrics().lineSpacing();
        Name(dialog)->setText(name);
        Desc(dialog)->setPlainText(description);
        Press(dialog, "buttonOk");
    });
    QCOMPARE(result, 1);
    QCOMPARE(shownName, QString("prefilled"));
    QCOMPARE(shownDesc, QString("old"));
    QVERIFY2(shownLines >= 4, qPrintable(QString::number(shownLines))); // a description of a few lines is read whole
    QCOMPARE(dialog.ProfileName, name);
    QCOMPARE(dialog.ProfileDescription, description);
}

void TestDialogProfileSave::richPrefillComesBackPlain()
{
    CDialogProfileSave dialog;
    dialog.ProfileName = "n";
    dialog.ProfileDescription = "<b>x</b>";
    bool bold = false;
    const int result = Run(dialog, [&] {
        QTextCursor cursor(Desc(dialog)->document());
        cursor.movePosition(QTextCursor::NextCharacter);
        bold = cursor.charFormat().fontWeight() == QFont::Bold;
        Press(dialog, "buttonOk");
    });
    QCOMPARE(result, 1);
    QVERIFY(bold);
    QCOMPARE(dialog.ProfileDescription, QString("x"));
}

void TestDialogProfileSave::emptyNameWarnsAndStays()
{
    CDialogProfileSave dialog;
    BqTest::CModalDriver driver(
        [&](QWidget* w, const BqTest::SModalSeen&) { return BqTest::CModalDriver::Press(w, "OK"); });
    bool stayed = false;
    const int result = Run(dialog, [&] {
        driver.Arm();
        Name(dialog)->clear();
        Press(dialog, "buttonOk");
        // The warning's own loop has run and been answered by now.
        stayed = dialog.isVisible();
        driver.Disarm();
        Name(dialog)->setText("n");
        Press(dialog, "buttonOk");
    });
    QVERIFY(stayed);
    QCOMPARE(result, 1);
    QCOMPARE(driver.Seen().size(), 1);
    const BqTest::SModalSeen& seen = driver.Seen()[0];
    QCOMPARE(seen.className, QString("QMessageBox"));
    QCOMPARE(seen.title, QString());
    QCOMPARE(seen.text, QString("Please specify a name for the new profile"));
    QCOMPARE(seen.buttons, QStringList({"OK"}));
}

void TestDialogProfileSave::cancelAndClose_data()
{
    QTest::addColumn<bool>("close");
    QTest::newRow("Cancel") << false;
    QTest::newRow("close window") << true;
}

void TestDialogProfileSave::cancelAndClose()
{
    QFETCH(bool, close);
    CDialogProfileSave dialog;
    dialog.ProfileName = "kept";
    const int result = Run(dialog, [&] {
        Name(dialog)->setText("changed");
        if (close)
            dialog.close();
        else
            Press(dialog, "buttonCancel");
    });
    QCOMPARE(result, 0);
    QCOMPARE(dialog.ProfileName, QString("kept"));
}

BQ_TEST_MAIN(TestDialogProfileSave)
#include "tst_dialog_profilesave.moc"
