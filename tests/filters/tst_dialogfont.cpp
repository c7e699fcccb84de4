// The font dialog: the size field and list, the sample's pixel size and
// background, and what OK and Cancel hand back.
#include "BqTestMain.h"
#include "DialogFont.h"
#include "ModalDriver.h"
#include "UserProfile.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

namespace
{

// Runs the dialog; `inside` acts on it once it is shown.
int Run(CDialogFont& dialog, const std::function<void()>& inside)
{
    bool timedOut = false;
    BqTest::CModalWatchdog guard(&timedOut);
    QTimer::singleShot(0, &dialog, [&] { inside(); });
    const int result = dialog.exec();
    if (timedOut)
        return -1;
    return result;
}

void TypeSize(CDialogFont& dialog, const QString& text)
{
    QLineEdit* edit = dialog.findChild<QComboBox*>("comboFontSize")->lineEdit();
    edit->clear();
    QTest::keyClicks(edit, text);
}

} // namespace

class TestDialogFont : public QObject
{
    Q_OBJECT

private slots:
    void sizeFieldAndList()
    {
        CDialogFont dialog;
        dialog.fontSize = "13";
        auto* combo = dialog.findChild<QComboBox*>("comboFontSize");
        auto* sample = dialog.findChild<QLabel*>("textSample");
        QList<int> indexes;
        QList<int> pixels;
        QStringList texts;
        const int result = Run(dialog, [&] {
            texts << combo->currentText() << sample->text();
            indexes << combo->currentIndex();
            pixels << sample->font().pixelSize();
            TypeSize(dialog, "36");
            indexes << combo->currentIndex();
            TypeSize(dialog, "37");
            indexes << combo->currentIndex();
            pixels << sample->font().pixelSize();
            texts << combo->currentText();
            dialog.reject();
        });
        QCOMPARE(result, int(QDialog::Rejected));
        QCOMPARE(combo->count(), 9);
        QCOMPARE(combo->itemText(5), QStringLiteral("24"));
        QCOMPARE(texts, (QStringList{"13", "AaBcYyZz", "37"}));
        QCOMPARE(indexes, (QList<int>{5, 6, 6}));
        QCOMPARE(pixels, (QList<int>{13, 37}));
    }

    void okReturnsTheControls_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("samplePixels");
        QTest::addColumn<QString>("size");
        QTest::newRow("not a number") << "abc" << 8 << "8";
        QTest::newRow("zero") << "0" << 8 << "8";
        QTest::newRow("negative") << "-5" << 8 << "8";
        QTest::newRow("above the list") << "200" << 200 << "200";
    }
    void okReturnsTheControls()
    {
        QFETCH(QString, typed);
        QFETCH(int, samplePixels);
        QFETCH(QString, size);
        CDialogFont dialog;
        dialog.fontFamily = "Liberation Serif";
        auto* sample = dialog.findChild<QLabel*>("textSample");
        int pixels = 0;
        bool bold = false;
        const int result = Run(dialog, [&] {
            TypeSize(dialog, typed);
            pixels = sample->font().pixelSize();
            QTest::mouseClick(dialog.findChild<QCheckBox*>("checkBold"), Qt::LeftButton);
            QTest::mouseClick(dialog.findChild<QCheckBox*>("checkUnderline"), Qt::LeftButton);
            bold = sample->font().bold();
            QTest::mouseClick(dialog.findChild<QPushButton*>("buttonOK"), Qt::LeftButton);
        });
        QCOMPARE(result, int(QDialog::Accepted));
        QCOMPARE(pixels, samplePixels);
        QVERIFY(bold);
        QCOMPARE(dialog.fontSize, size);
        QCOMPARE(dialog.fontFamily, dialog.findChild<QFontComboBox*>("comboFont")->currentFont().family());
        QVERIFY(!dialog.fontFamily.contains(','));
        QVERIFY(dialog.fontBold);
        QVERIFY(dialog.fontUnderline);
        QVERIFY(!dialog.fontItalic);
        QVERIFY(!dialog.fontStrikeOut);
    }

    void cancelKeepsTheFields()
    {
        CDialogFont dialog;
        dialog.fontFamily = "Liberation Sans";
        dialog.fontSize = "18";
        dialog.fontItalic = true;
        const int result = Run(dialog, [&] {
            TypeSize(dialog, "72");
            for (const char* name : {"checkBold", "checkItalic", "checkUnderline", "checkStrikeOut"})
                QTest::mouseClick(dialog.findChild<QCheckBox*>(name), Qt::LeftButton);
            dialog.findChild<QFontComboBox*>("comboFont")->setCurrentFont(QFont("Liberation Mono"));
            QTest::mouseClick(dialog.findChild<QPushButton*>("buttonCancel"), Qt::LeftButton);
        });
        QCOMPARE(result, int(QDialog::Rejected));
        QCOMPARE(dialog.fontFamily, QStringLiteral("Liberation Sans"));
        QCOMPARE(dialog.fontSize, QStringLiteral("18"));
        QVERIFY(!dialog.fontBold);
        QVERIFY(dialog.fontItalic);
        QVERIFY(!dialog.fontUnderline);
        QVERIFY(!dialog.fontStrikeOut);
    }

    void sampleBackgroundFollowsTheTheme_data()
    {
        QTest::addColumn<int>("theme");
        QTest::addColumn<QString>("sheet");
        QTest::newRow("light") << 0 << "background-color: rgb( 255, 255, 255 );";
        QTest::newRow("dark") << 1 << "background-color: rgb( 30, 30, 30 );";
    }
    void sampleBackgroundFollowsTheTheme()
    {
        QFETCH(int, theme);
        QFETCH(QString, sheet);
        CUserProfile::GetInstance()->ThemeId = theme;
        CDialogFont dialog;
        QCOMPARE(dialog.findChild<QLabel*>("textSample")->styleSheet(), sheet);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Font"));
        QVERIFY(!(dialog.windowFlags() & Qt::WindowContextHelpButtonHint));
        CUserProfile::GetInstance()->ThemeId = 0;
    }
};

BQ_TEST_MAIN(TestDialogFont)
#include "tst_dialogfont.moc"
