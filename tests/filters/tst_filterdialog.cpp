// The filter dialog played as the filter step panel plays it: opening,
// previews of both tabs, the undo protocol with the real text editor, the
// remembered "Show preview", OK and Cancel, help pages, and area drags that
// land in the editor, the undo list and the accepted record.
#include "BqTestMain.h"
#include "ControlImage.h"
#include "FilterPage.h"
#include "FilterPageFactory.h"
#include "FilterSettings.h"
#include "FilterTestSupport.h"
#include "FilterTypes.h"
#include "FilterValues.h"
#include "FitToScreen.h"
#include "ImageCache.h"
#include "ModalDriver.h"
#include "UserProfile.h"
#include "Utils.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLayout>
#include <QMouseEvent>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTabWidget>
#include <QTemporaryDir>

#include <functional>

using namespace FilterTest;

namespace
{

template <class T> T* Find(QObject* parent, const char* name)
{
    return parent->findChild<T*>(name);
}

CControlImage* Filtered(CFilterSettings& d)
{
    return Find<CControlImage>(&d, "scrollFilter");
}

CControlImage* Original(CFilterSettings& d)
{
    return Find<CControlImage>(&d, "scrollOriginal");
}

// Runs the dialog as the panel does; `steps` act on it once it shows. The
// dialog is closed afterwards (OK when `ok`) whatever the steps did.
int Run(CFilterSettings& dialog, const std::function<void()>& steps, bool ok = false)
{
    bool timedOut = false;
    BqTest::CModalWatchdog guard(&timedOut);
    QTimer::singleShot(0, &dialog, [&] {
        struct SCloser {
            CFilterSettings& d;
            bool ok;
            ~SCloser()
            {
                if (d.isVisible())
                    ok ? d.accept() : d.reject();
            }
        } closer{dialog, ok};
        steps();
    });
    const int result = dialog.exec();
    return timedOut ? -1 : result;
}

// Both views have shown a result and the editor's first report is stored.
bool Opened(CFilterSettings& d)
{
    return QTest::qWaitFor(
        [&] { return Filtered(d)->shown && Original(d)->shown && !Filtered(d)->pending && d.States().Count() >= 1; },
        kWait);
}

// Waits until the editor's debounce fired and its report was handled.
bool Settled(CFilterSettings& d)
{
    const bool idle = QTest::qWaitFor([&] { return !d.Editor()->timerPreview->isActive(); }, kWait);
    QTest::qWait(50);
    return idle;
}

SFilterRecord Saved(CFilterSettings& d)
{
    SFilterRecord rec;
    d.Editor()->Save(rec);
    return rec;
}

} // namespace

class TestFilterDialog : public QObject
{
    Q_OBJECT

    QTemporaryDir m_Dir;
    QString m_Photo;
    QString m_Logo;
    CUrlCatcher m_Urls;

    SFilterRecord Chain(quint32 id, const SFilterRecord& parameters = SFilterRecord())
    {
        SFilterRecord rec = parameters;
        rec.id = id;
        rec.name = CFiltersEnum::GetInstance()->GetRecordById(id).name;
        rec.description = "chain description";
        rec.active = false;
        return rec;
    }
    void Prepare(CFilterSettings& d, const SFilterRecord& rec, bool* flag)
    {
        d.record = rec;
        d.setPanelTranzition(flag);
        d.previewImage.path = m_Photo;
        CUserProfile::GetInstance()->PreviewPath = m_Photo;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(StartEngineAndCatalogues());
        m_Photo = m_Dir.filePath("photo.png");
        m_Logo = m_Dir.filePath("logo.png");
        QVERIFY(WritePhoto(m_Photo, 800, 600));
        QVERIFY(WritePhoto(m_Logo, 20, 10, 3));
        QDesktopServices::setUrlHandler("https", &m_Urls, "Open");
    }
    void cleanupTestCase() { QDesktopServices::unsetUrlHandler("https"); }

    void opening_data()
    {
        QTest::addColumn<quint32>("id");
        QTest::addColumn<bool>("values");
        QTest::newRow("new text") << quint32(FilterText) << false;
        QTest::newRow("text with values") << quint32(FilterText) << true;
        QTest::newRow("new logo") << quint32(FilterLogo) << false;
    }
    void opening()
    {
        QFETCH(quint32, id);
        QFETCH(bool, values);
        // A screen with room for the form's own size.
        struct SRoom {
            SRoom() { SetScreenRoom(QRect(0, 0, 1920, 1080)); }
            ~SRoom() { SetScreenRoom(QRect()); }
        } room;
        bool transition = false;
        CFilterSettings d;
        QCOMPARE(Find<QLabel>(&d, "viewWatermark")->text(), QStringLiteral("This is the watermark!"));
        SFilterRecord params = id == FilterText ? DefaultText() : DefaultLogo();
        if (values)
            params.numbers[2] = 33;
        Prepare(d, Chain(id, values ? params : SFilterRecord()), &transition);
        QCOMPARE(Filtered(d)->panelTransition, &transition);
        QCOMPARE(Original(d)->panelTransition, &transition);
        const QStringList zoom{"buttonMinZoom", "buttonMaxZoom", "buttonZoomIn", "buttonZoomOut", "textZoomPercent"};
        QStringList hidden;
        SFilterRecord shown;
        const int result = Run(d, [&] {
            QVERIFY(Opened(d));
            for (const QString& name : zoom)
                if (d.findChild<QWidget*>(name)->isHidden())
                    hidden << name;
            shown = Saved(d);
        });
        QCOMPARE(result, 0);
        QVERIFY(SameParameters(shown, params));
        QCOMPARE(d.windowTitle(), id == FilterText ? QStringLiteral("Text") : QStringLiteral("Logo"));
        // The form's least size, taller where the editor's texts need it.
        QCOMPARE(d.minimumWidth(), 840);
        QVERIFY(d.minimumHeight() >= 590);
        QVERIFY(!(d.windowFlags() & Qt::WindowContextHelpButtonHint));
        QVERIFY(d.windowFlags() & Qt::WindowMaximizeButtonHint);
        QCOMPARE(hidden, zoom);
        auto* tabs = Find<QTabWidget>(&d, "tabWidget");
        QCOMPARE(tabs->tabText(0), QStringLiteral("Preview"));
        QCOMPARE(tabs->tabText(1), QStringLiteral("Original"));
        QCOMPARE(Find<QCheckBox>(&d, "checkShowPreview")->text(), QStringLiteral("&Show preview"));
        QCOMPARE(Find<QPushButton>(&d, "buttonSwitchView")->text(), QStringLiteral("S&witch View"));
        QCOMPARE(Find<QPushButton>(&d, "buttonReset")->text(), QStringLiteral("Reset"));
        QCOMPARE(Find<QWidget>(&d, "widgetFilter")->contentsMargins(), QMargins(0, 0, 0, 0));
    }

    void typesWithoutEditor_data()
    {
        QTest::addColumn<quint32>("id");
        QTest::newRow("2005") << quint32(2005);
        QTest::newRow("2009") << quint32(2009);
        QTest::newRow("9999") << quint32(9999);
        QTest::newRow("0") << quint32(0);
    }
    void typesWithoutEditor()
    {
        QFETCH(quint32, id);
        CFilterSettings d;
        bool transition = false;
        Prepare(d, Chain(id), &transition);
        BqTest::CModalDriver driver;
        driver.Arm();
        QCOMPARE(d.exec(), 0);
        QVERIFY(!d.isVisible());
        QVERIFY(driver.Seen().isEmpty());
        QVERIFY(!d.Editor());
    }

    void withoutAPhoto_data()
    {
        QTest::addColumn<QString>("photo");
        QTest::newRow("no preview photo") << "";
        QTest::newRow("missing photo") << "missing.png";
    }
    void withoutAPhoto()
    {
        QFETCH(QString, photo);
        CFilterSettings d;
        bool transition = false;
        Prepare(d, Chain(FilterText), &transition);
        d.previewImage.path = photo.isEmpty() ? photo : m_Dir.filePath(photo);
        CUserProfile::GetInstance()->PreviewPath = d.previewImage.path;
        QList<int> values;
        const int result = Run(
            d,
            [&] {
                QTRY_COMPARE_WITH_TIMEOUT(d.States().Count(), 1, kWait);
                QCOMPARE(d.Editor()->imageWidth, qint64(0));
                QCOMPARE(d.Editor()->imageHeight, qint64(0));
                QCOMPARE(d.Editor()->imageRatio, 1.0);
                auto* dx = Find<QSpinBox>(d.Editor(), "spinDeltaX");
                dx->setValue(5);
                QVERIFY(Settled(d));
                Find<QPushButton>(&d, "buttonUndo")->click();
                QVERIFY(Settled(d));
                values << dx->value();
                Find<QPushButton>(&d, "buttonRedo")->click();
                QVERIFY(Settled(d));
                values << dx->value() << d.States().Count();
                QVERIFY(!Find<QLabel>(&d, "viewWatermark")->isVisible());
                QVERIFY(!Filtered(d)->shown);
            },
            true);
        QCOMPARE(result, 1);
        QCOMPARE(values, (QList<int>{0, 5, 2}));
        QCOMPARE(d.record.numbers[2], 5.0);
    }

    void undoProtocol()
    {
        CFilterSettings d;
        bool transition = false;
        Prepare(d, Chain(FilterText), &transition);
        auto* undo = Find<QPushButton>(&d, "buttonUndo");
        auto* redo = Find<QPushButton>(&d, "buttonRedo");
        QStringList trace;
        auto note = [&](const char* step) {
            trace << QStringLiteral("%1 %2/%3 u%4 r%5 dx%6")
                         .arg(step)
                         .arg(d.States().Position())
                         .arg(d.States().Count())
                         .arg(undo->isEnabled())
                         .arg(redo->isEnabled())
                         .arg(Find<QSpinBox>(d.Editor(), "spinDeltaX")->value());
        };
        Run(d, [&] {
            QVERIFY(Opened(d));
            QVERIFY(Settled(d));
            note("open");
            auto* dx = Find<QSpinBox>(d.Editor(), "spinDeltaX");
            dx->setValue(15);
            QVERIFY(Settled(d));
            note("edit");
            undo->click();
            QVERIFY(Settled(d));
            note("undo");
            redo->click();
            QVERIFY(Settled(d));
            note("redo");
            undo->click();
            QVERIFY(Settled(d));
            dx->setValue(25);
            QVERIFY(Settled(d));
            note("new edit");
            Find<QPushButton>(&d, "buttonReset")->click();
            QVERIFY(Settled(d));
            note("reset");
            d.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&d));
            // Away from the text edit, whose own Ctrl+Z undoes typing.
            Find<QTabWidget>(&d, "tabWidget")->setFocus();
            QTest::keyClick(&d, Qt::Key_Z, Qt::ControlModifier);
            QTest::qWait(200); // a shortcut clicks through animateClick()
            QVERIFY(Settled(d));
            note("ctrl+z");
            QTest::keyClick(&d, Qt::Key_Y, Qt::ControlModifier);
            QTest::qWait(200);
            QVERIFY(Settled(d));
            note("ctrl+y");
        });
        QCOMPARE(trace, (QStringList{"open 1/1 u0 r0 dx0", "edit 2/2 u1 r0 dx15", "undo 1/2 u0 r1 dx0",
                                     "redo 2/2 u1 r0 dx15", "new edit 2/2 u1 r0 dx25", "reset 3/3 u1 r0 dx0",
                                     "ctrl+z 2/3 u1 r1 dx25", "ctrl+y 3/3 u1 r0 dx0"}));
    }

    void showPreviewIsRemembered()
    {
        QSettings("Quorvelline", "Brandquill").remove("GUI/FilterSettings.ShowPreview");
        QCOMPARE(GetRegistryInt("GUI/FilterSettings.ShowPreview", -1), -1);
        const QImage placeholder =
            QPixmap::fromImage(CImageCache::GetInstance()->GetAsset("Preview-Placeholder.png", false, true))
                .toImage()
                .convertToFormat(QImage::Format_ARGB32);
        auto showsPlaceholder = [&](CFilterSettings& d, const char* label) {
            return Find<QLabel>(&d, label)
                       ->pixmap(Qt::ReturnByValue)
                       .toImage()
                       .convertToFormat(QImage::Format_ARGB32) == placeholder;
        };
        bool transition = false;
        {
            CFilterSettings d;
            Prepare(d, Chain(FilterLogo), &transition);
            auto* check = Find<QCheckBox>(&d, "checkShowPreview");
            Run(d, [&] {
                QVERIFY(Opened(d));
                QVERIFY(check->isChecked());
                QVERIFY(!showsPlaceholder(d, "viewFilter"));
                check->click();
                QCOMPARE(GetRegistryInt("GUI/FilterSettings.ShowPreview", -1), 0);
                QVERIFY(showsPlaceholder(d, "viewFilter"));
                QVERIFY(showsPlaceholder(d, "viewOriginal"));
                check->click();
                QCOMPARE(GetRegistryInt("GUI/FilterSettings.ShowPreview", -1), 1);
                QTRY_VERIFY_WITH_TIMEOUT(!showsPlaceholder(d, "viewFilter") && !showsPlaceholder(d, "viewOriginal"),
                                         kWait);
                check->click();
                d.UpdateZoomText(100);
                QCOMPARE(Find<QLabel>(&d, "textZoomPercent")->text(), QStringLiteral("100%"));
                auto* tabs = Find<QTabWidget>(&d, "tabWidget");
                QList<int> indexes{tabs->currentIndex()};
                for (int i = 0; i < 2; ++i) {
                    Find<QPushButton>(&d, "buttonSwitchView")->click();
                    indexes << tabs->currentIndex();
                }
                QCOMPARE(indexes, (QList<int>{0, 1, 0}));
            });
        }
        CFilterSettings next;
        Prepare(next, Chain(FilterLogo), &transition);
        QVERIFY(!Find<QCheckBox>(&next, "checkShowPreview")->isChecked());
        QVERIFY(!Filtered(next)->showPreview);
        SetRegistryInt("GUI/FilterSettings.ShowPreview", 1);
    }

    void okAndCancel_data()
    {
        QTest::addColumn<bool>("ok");
        QTest::newRow("cancel") << false;
        QTest::newRow("ok") << true;
    }
    void okAndCancel()
    {
        QFETCH(bool, ok);
        SFilterRecord chain = Chain(FilterText, DefaultText());
        chain.strings[7] = "kept";
        const SFilterRecord before = chain;
        bool transition = false;
        SFilterRecord edited;
        {
            CFilterSettings d;
            Prepare(d, chain, &transition);
            const int result = Run(
                d,
                [&] {
                    QVERIFY(Opened(d));
                    Find<QSpinBox>(d.Editor(), "spinDeltaX")->setValue(7);
                    Find<QSpinBox>(d.Editor(), "spinAlpha")->setValue(60);
                    Find<QSpinBox>(d.Editor(), "spinBoxOffset")->setValue(40);
                    edited = Saved(d);
                },
                ok);
            if (result != 0)
                chain = d.record;
            QCOMPARE(result, ok ? 1 : 0);
        }
        if (!ok) {
            QVERIFY(SameRecord(chain, before));
            return;
        }
        QCOMPARE(chain.id, quint32(FilterText));
        QCOMPARE(chain.name, before.name);
        QCOMPARE(chain.description, QStringLiteral("chain description"));
        QVERIFY(!chain.active);
        QCOMPARE(chain.strings[7], QStringLiteral("kept"));
        edited.strings[7] = "kept";
        QVERIFY(SameParameters(chain, edited));
        QCOMPARE(chain.numbers[2], 7.0);
    }

    void helpPages()
    {
        const QList<QPair<int, QString>> table{
            {1000, "filters_marks_text.htm"},
            {1010, "filters_marks_logo.htm"},
            {2001, "filters_borders_shape_frame.htm"},
            {2002, "filters_borders_grunge_frame.htm"},
            {2003, "filters_borders_picture_frame.htm"},
            {2004, "filters_borders_vintage_frame.htm"},
            {2010, "filters_borders_raise.htm"},
            {2020, "filters_borders_shadow.htm"},
            {2030, "filters_borders_border.htm"},
            {5000, "filters_transform_auto-rotate.htm"},
            {5020, "filters_transform_crop.htm"},
            {5040, "filters_transform_resize.htm"},
            {5070, "filters_transform_rotate.htm"},
            {2005, ""},
            {9999, ""},
        };
        for (const auto& row : table)
            QCOMPARE(FilterHelpPage(row.first), row.second);

        for (quint32 id : {quint32(FilterText), quint32(FilterLogo)}) {
            m_Urls.urls.clear();
            CFilterSettings d;
            bool transition = false;
            Prepare(d, Chain(id), &transition);
            Run(d, [&] {
                QVERIFY(Opened(d));
                QTest::keyClick(&d, Qt::Key_F1);
            });
            QCOMPARE(m_Urls.urls.size(), 1);
            QVERIFY(m_Urls.urls.first().toString().endsWith("/help/index.html?" + FilterHelpPage(int(id))));
        }
    }

    void dragsReachEditorAndUndo()
    {
        SFilterRecord text = DefaultText();
        text.numbers[1] = 0;
        text.numbers[2] = 40;
        text.numbers[3] = 40;
        CFilterSettings d;
        bool transition = false;
        Prepare(d, Chain(FilterText, text), &transition);
        Run(d, [&] {
            QVERIFY(Opened(d));
            QVERIFY(Settled(d));
            CControlImage* view = Filtered(d);
            QLabel* area = Find<QLabel>(&d, "viewWatermark");
            QTRY_VERIFY_WITH_TIMEOUT(area->isVisible(), kWait);
            const QRect before = area->geometry();
            QSignalSpy updates(view, &CControlImage::UpdateFilterInterface);
            const int states = d.States().Count();
            QWidget* port = view->viewport();
            const QPoint from = before.center();
            DragSteps(port, from, QPoint(3, 2), 10);
            QCOMPARE(updates.count(), 10);
            const SFilterRecord dragged = updates.last().first().value<SFilterRecord>();
            QTest::qWait(150);
            QCOMPARE(Find<QComboBox>(d.Editor(), "comboPlacement")->currentIndex(), int(dragged.numbers[1]));
            QCOMPARE(Find<QSpinBox>(d.Editor(), "spinDeltaX")->value(), int(dragged.numbers[2]));
            QCOMPARE(Find<QSpinBox>(d.Editor(), "spinDeltaY")->value(), int(dragged.numbers[3]));
            QVERIFY(dragged.numbers[2] > 40);
            QTRY_COMPARE_WITH_TIMEOUT(d.States().Count(), states + 1, kWait);
            QTest::qWait(1200);
            QCOMPARE(d.States().Count(), states + 1);
            Find<QPushButton>(&d, "buttonUndo")->click();
            QCOMPARE(Find<QSpinBox>(d.Editor(), "spinDeltaX")->value(), 40);
            QTRY_COMPARE_WITH_TIMEOUT(area->geometry(), before, kWait);
        });
    }

    void okRightAfterADrag_data()
    {
        QTest::addColumn<quint32>("id");
        QTest::newRow("text moved") << quint32(FilterText);
        QTest::newRow("logo scaled past the editor's range") << quint32(FilterLogo);
    }
    void okRightAfterADrag()
    {
        QFETCH(quint32, id);
        SFilterRecord params = id == FilterText ? DefaultText() : DefaultLogo();
        if (id == FilterLogo) {
            params.strings[0] = m_Logo;
            params.numbers[0] = 0;
            params.numbers[6] = 990;
            params.numbers[14] = 0;
        }
        CFilterSettings d;
        bool transition = false;
        Prepare(d, Chain(id, params), &transition);
        SFilterRecord dragged;
        int spinScale = 0;
        const int result = Run(d, [&] {
            QVERIFY(Opened(d));
            QVERIFY(Settled(d));
            CControlImage* view = Filtered(d);
            QLabel* area = Find<QLabel>(&d, "viewWatermark");
            QTRY_VERIFY_WITH_TIMEOUT(area->isVisible(), kWait);
            QSignalSpy updates(view, &CControlImage::UpdateFilterInterface);
            QWidget* port = view->viewport();
            const QPoint from =
                id == FilterText ? area->geometry().center() : area->geometry().bottomRight() - QPoint(4, 4);
            DragSteps(port, from, QPoint(-3, -3) * (id == FilterText ? 1 : -1), 10);
            QVERIFY(updates.count() > 0);
            dragged = updates.last().first().value<SFilterRecord>();
            d.accept(); // no event processing since the drag
            spinScale = id == FilterLogo ? Find<QSpinBox>(d.Editor(), "spinScale")->value() : 0;
        });
        QCOMPARE(result, 1);
        const int first = id == FilterText ? 1 : 0;
        for (int slot = first; slot < first + 3; ++slot)
            QCOMPARE(d.record.numbers[slot], double(SlotInt(dragged.numbers[slot])));
        if (id == FilterLogo) {
            QCOMPARE(dragged.numbers[6], 1000.0);
            QCOMPARE(d.record.numbers[6], 1000.0);
            QCOMPARE(spinScale, 1000);
        }
    }
};

BQ_TEST_MAIN(TestFilterDialog)
#include "tst_filterdialog.moc"
