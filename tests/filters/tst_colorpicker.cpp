// The colour button: swatch geometry and pixels, SetColor's silence, and
// the chooser's accept and cancel.
#include "BqTestMain.h"
#include "ColorPicker.h"
#include "ModalDriver.h"

#include <QColorDialog>
#include <QSignalSpy>

namespace
{

QImage Swatch(const CColorPicker& button)
{
    return button.icon().pixmap(button.iconSize).toImage().convertToFormat(QImage::Format_ARGB32);
}

} // namespace

class TestColorPicker : public QObject
{
    Q_OBJECT

private slots:
    void swatch_data()
    {
        QTest::addColumn<uint>("rgb");
        QTest::addColumn<QColor>("shown");
        QTest::newRow("opaque red") << 0xFFFF0000u << QColor(255, 0, 0);
        QTest::newRow("alpha 0 drawn opaque") << 0x0000FF00u << QColor(0, 255, 0);
    }
    void swatch()
    {
        QFETCH(uint, rgb);
        QFETCH(QColor, shown);
        QWidget window;
        CColorPicker button(&window);
        QSignalSpy changed(&button, &CColorPicker::ColorChanged);
        QVERIFY(Swatch(button).isNull()); // nothing before the first show
        button.resize(70, 22);
        button.SetColor(rgb);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(button.color, QRgb(rgb));
        QCOMPARE(changed.count(), 0);
        QCOMPARE(button.iconSize, QSize(62, 14));
        QCOMPARE(button.QToolButton::iconSize(), QSize(62, 14));
        QCOMPARE(button.minimumSize(), QSize(70, 22));
        const QImage image = Swatch(button);
        QCOMPARE(image.size(), QSize(62, 14));
        QCOMPARE(QColor(image.pixel(0, 0)), QColor(0, 0, 0));
        QCOMPARE(QColor(image.pixel(61, 13)), QColor(0, 0, 0));
        QCOMPARE(QColor(image.pixel(61, 7)), QColor(0, 0, 0));
        QCOMPARE(QColor(image.pixel(31, 7)), shown);
        QCOMPARE(qAlpha(image.pixel(31, 7)), 255);
    }

    void chooser_data()
    {
        QTest::addColumn<bool>("accept");
        QTest::addColumn<uint>("before");
        QTest::addColumn<uint>("after");
        QTest::addColumn<int>("emitted");
        QTest::newRow("accepted unchanged") << true << 0xFF102030u << 0xFF102030u << 1;
        QTest::newRow("accepted from alpha 0") << true << 0x00102030u << 0xFF102030u << 1;
        QTest::newRow("cancelled") << false << 0x00102030u << 0x00102030u << 0;
    }
    void chooser()
    {
        QFETCH(bool, accept);
        QFETCH(uint, before);
        QFETCH(uint, after);
        QFETCH(int, emitted);
        QWidget window;
        CColorPicker button(&window);
        button.resize(70, 22);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        button.SetColor(before);
        const QImage swatchBefore = Swatch(button);
        QSignalSpy changed(&button, &CColorPicker::ColorChanged);
        bool alphaShown = true;
        BqTest::CModalDriver driver([&](QWidget* w, const BqTest::SModalSeen&) {
            auto* dialog = qobject_cast<QColorDialog*>(w);
            if (!dialog)
                return false;
            alphaShown = dialog->testOption(QColorDialog::ShowAlphaChannel);
            return accept ? BqTest::CModalDriver::Press(w, "OK") : BqTest::CModalDriver::Press(w, "Cancel");
        });
        driver.Arm();
        bool timedOut = false;
        {
            BqTest::CModalWatchdog guard(&timedOut);
            QTest::mouseClick(&button, Qt::LeftButton);
        }
        QVERIFY(!timedOut);
        QCOMPARE(driver.Seen().size(), 1);
        QVERIFY(!alphaShown);
        QCOMPARE(changed.count(), emitted);
        QCOMPARE(button.color, QRgb(after));
        QCOMPARE(Swatch(button), swatchBefore); // same RGB either way
    }
};

BQ_TEST_MAIN(TestColorPicker)
#include "tst_colorpicker.moc"
