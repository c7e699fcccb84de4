// The four frame pages: the flags that disable their controls, the slot
// layout (the shape page's edges move the flags), the icons cut from the
// frame icon sheet, and the frame files the engine reads for what they save.
#include "BqTestMain.h"
#include "ColorPicker.h"
#include "EditorFixture.h"
#include "FilterPage.h"
#include "FilterTypes.h"
#include "ImageCache.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QScopeGuard>

using namespace EditorTest;

namespace
{

// Removes every frame file of the family of `keep` but `keep` itself.
void KeepOnly(const QString& frames, const QString& family, const QString& keep)
{
    for (const QString& name : QDir(frames).entryList({family + "*"}, QDir::Files)) {
        if (name != keep)
            QVERIFY(QFile::remove(frames + name));
    }
}

} // namespace

class TestEditorFrames : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { InitOnce(); }

    void flagsDisableTheirControls_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("items");
        QTest::addColumn<int>("randomSlot");
        QTest::newRow("shape") << int(FilterShapeFrame) << 6 << 4;
        QTest::newRow("grunge") << int(FilterGrungeFrame) << 6 << 3;
        QTest::newRow("picture") << int(FilterPictureFrame) << 4 << 3;
        QTest::newRow("vintage") << int(FilterVintageFrame) << 9 << 3;
    }
    void flagsDisableTheirControls()
    {
        QFETCH(int, type);
        QFETCH(int, items);
        QFETCH(int, randomSlot);
        CEditor e(type, SFilterRecord(), Photo(400, 300));
        e.Fire();
        auto* frame = e.Child<QComboBox>("comboFrame");
        auto* colour = e.Child<CColorPicker>("CPBackgroundColor");
        QCOMPARE(frame->count(), items);
        Activate(frame, items - 1);
        for (bool on : {true, false}) {
            e.Child<QCheckBox>("checkTranspBackground")->click();
            QCOMPARE(colour->isEnabled(), !on);
            e.Child<QCheckBox>("checkRandomFrame")->click();
            QCOMPARE(frame->isEnabled(), !on);
        }
        e.Child<QCheckBox>("checkRandomFrame")->click();
        QCOMPARE(e.Pending(), 500);
        const QList<SFilterRecord> states = e.Fire();
        QCOMPARE(states.size(), 1);
        QCOMPARE(int(states.first().numberCount), randomSlot + 1);
        QCOMPARE(states.first().numbers[0], double(items - 1));
        QCOMPARE(states.first().numbers[randomSlot], 1.0);
        QCOMPARE(states.first().numbers[randomSlot - 1], 0.0);
    }

    void iconsAreTheSheetCells_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("items");
        QTest::addColumn<int>("scale"); // 2: a high-density screen
        QTest::newRow("shape") << int(FilterShapeFrame) << 0 << 6 << 1;
        QTest::newRow("grunge") << int(FilterGrungeFrame) << 1 << 6 << 1;
        QTest::newRow("picture") << int(FilterPictureFrame) << 2 << 4 << 1;
        QTest::newRow("vintage") << int(FilterVintageFrame) << 3 << 9 << 1;
        QTest::newRow("vintage at 2x") << int(FilterVintageFrame) << 3 << 9 << 2;
    }
    void iconsAreTheSheetCells()
    {
        QFETCH(int, type);
        QFETCH(int, row);
        QFETCH(int, items);
        QFETCH(int, scale);
        CImageCache::GetInstance()->retina = scale == 2;
        const auto plain = qScopeGuard([] { CImageCache::GetInstance()->retina = false; });
        QImage sheet = CImageCache::GetInstance()
                           ->GetAsset("Icons-Frames.png", false, true)
                           .convertToFormat(QImage::Format_ARGB32);
        sheet.setDevicePixelRatio(1); // pixels are compared
        QCOMPARE(sheet.size(), QSize(288, 128) * scale);
        QCOMPARE(QImage(":/Icons-Frames@2x.png").size(), QSize(576, 256));
        CEditor e(type, SFilterRecord(), QString());
        auto* frame = e.Child<QComboBox>("comboFrame");
        QCOMPARE(frame->count(), items);
        QList<QImage> cells;
        const int side = 32 * scale;
        for (int i = 0; i < 9; ++i) {
            const QImage cell = sheet.copy(side * i, side * row, side, side);
            int opaque = 0;
            int visible = 0;
            for (int y = 0; y < side; ++y) {
                for (int x = 0; x < side; ++x) {
                    opaque += qAlpha(cell.pixel(x, y)) == 255 ? 1 : 0;
                    visible += qAlpha(cell.pixel(x, y)) != 0 ? 1 : 0;
                }
            }
            if (i >= items) {
                QCOMPARE(visible, 0);
                continue;
            }
            QVERIFY2(opaque >= side * side / 2, qPrintable(QString::number(i)));
            for (const QImage& other : cells)
                QVERIFY(cell != other);
            cells.append(cell);
            const QImage icon = frame->itemIcon(i).pixmap(side, side).toImage().convertToFormat(QImage::Format_ARGB32);
            QCOMPARE(icon, cell);
        }
    }

    // Each choice reads its own file: with every other file of the family
    // gone the filter still applies, and without its own file it fails.
    void choiceReadsItsFile_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("family");
        QTest::addColumn<QString>("file");
        QTest::newRow("heart blurred") << int(FilterShapeFrame) << "Heart"
                                       << "ShapeFrame"
                                       << "ShapeFrame4b.jpg";
        QTest::newRow("style 9") << int(FilterVintageFrame) << "Style 9"
                                 << "VintageFrame"
                                 << "VintageFrame9.gif";
    }
    void choiceReadsItsFile()
    {
        QFETCH(int, type);
        QFETCH(QString, item);
        QFETCH(QString, family);
        QFETCH(QString, file);
        CTempResources resources;
        KeepOnly(resources.Frames(), family, file);
        const QString photo = Photo(400, 300);
        CEditor e(type, SFilterRecord(), photo);
        auto* frame = e.Child<QComboBox>("comboFrame");
        Activate(frame, frame->findText(item));
        if (auto* edges = e.Child<QComboBox>("comboEdges"))
            Activate(edges, edges->findText("Blurred"));
        const SFilterRecord saved = e.Saved();
        QVERIFY(Apply(saved, photo).isValid());
        QVERIFY(QFile::remove(resources.Frames() + file));
        QVERIFY(!Apply(saved, photo).isValid());
    }
};

BQ_TEST_MAIN(TestEditorFrames)
#include "tst_editor_frames.moc"
