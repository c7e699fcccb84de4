// Steps 2 and 3 inside the real main window: the photo combo follows step 1
// through the window's queued connections, the output format chosen in step
// 3 reaches step 2's name preview, and a new job resets the name preset.
// Keyboard use of each window: access keys, tab stops, the text box, Return;
// on a small screen, the buttons of each dialog and step 3's last boxes;
// the wheel over each box of a step or dialog before and after a click.

#include "BqTestMain.h"
#include "CDialogProfileSelection.h"
#include "CDialogRename.h"
#include "CFormatSettings.h"
#include "CProcessController.h"
#include "CSettings.h"
#include "DialogFilterSelection.h"
#include "FilterPage.h"
#include "FilterSettings.h"
#include "FilterTestSupport.h"
#include "FilterTypes.h"
#include "FiltersEnum.h"
#include "FitToScreen.h"
#include "FormatsEnum.h"
#include "ListThumb.h"
#include "MainPanel1.h"
#include "MainPanel2.h"
#include "MainPanel3.h"
#include "MainWindow.h"
#include "ModalDriver.h"
#include "PanelHooks.h"
#include "UserProfile.h"
#include "WindowTestSupport.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QDir>
#include <QHash>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QWheelEvent>
#include <memory>

namespace
{
// The "&" keys that more than one menu or shown button of a window claims.
QStringList AccessKeyClashes(QWidget* window)
{
    QStringList keys;
    const auto add = [&keys](const QString& text) {
        const QKeySequence key = QKeySequence::mnemonic(text);
        if (!key.isEmpty())
            keys << key.toString(QKeySequence::PortableText);
    };
    if (QMenuBar* bar = window->findChild<QMenuBar*>())
        for (QAction* menu : bar->actions())
            add(menu->text());
    for (QAbstractButton* button : window->findChildren<QAbstractButton*>())
        if (button->isVisible())
            add(button->text());
    QStringList clashes;
    for (const QString& key : keys)
        if (keys.count(key) > 1 && !clashes.contains(key))
            clashes << key;
    return clashes;
}

// Walks the tab chain once round and names each stop that is hidden, a
// container or draws the same as without the focus.
QStringList StopsWithoutFocus(QWidget* window)
{
    if (QApplication::focusWidget())
        QApplication::focusWidget()->clearFocus();
    QHash<QWidget*, QImage> unfocused;
    for (QWidget* w = window->nextInFocusChain(); w != window; w = w->nextInFocusChain())
        if (w->isVisible())
            unfocused.insert(w, w->grab().toImage());
    QStringList faults;
    QWidget* first = nullptr;
    for (int i = 0; i < 60; ++i) {
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : window, Qt::Key_Tab);
        QWidget* w = QApplication::focusWidget();
        if (!w || w == first)
            break;
        if (!first)
            first = w;
        const bool container = qobject_cast<QStackedWidget*>(w) || qobject_cast<QScrollArea*>(w) ||
                               w->metaObject() == &QWidget::staticMetaObject; // takes no key, does nothing
        if (!w->isVisible() || container || w->grab().toImage() == unfocused.value(w))
            faults << (w->objectName().isEmpty() ? QString(w->metaObject()->className()) : w->objectName());
    }
    return faults;
}

// Tab and Shift+Tab leave the mark's text box; Ctrl+Tab types one tab and
// turns no page.
QStringList TextBoxFaults(QWidget* dialog)
{
    auto* edit = dialog->findChild<QPlainTextEdit*>("editText");
    const auto pages = [dialog] {
        QList<int> shown;
        for (QTabWidget* tabs : dialog->findChildren<QTabWidget*>())
            shown << tabs->currentIndex();
        return shown;
    };
    const QList<int> before = pages();
    QStringList faults;
    for (const auto& key :
         {std::make_pair(Qt::Key_Tab, Qt::NoModifier), std::make_pair(Qt::Key_Backtab, Qt::ShiftModifier)}) {
        edit->setFocus(Qt::TabFocusReason);
        QTest::keyClick(edit, key.first, key.second);
        if (edit->hasFocus())
            faults << QKeySequence(key.first | key.second).toString() + " stays";
    }
    edit->setFocus(Qt::TabFocusReason);
    QTest::keyClick(edit, Qt::Key_Tab, Qt::ControlModifier);
    if (edit->toPlainText().count('\t') != 1)
        faults << "tabs typed: " + QString::number(edit->toPlainText().count('\t'));
    if (pages() != before)
        faults << "page turned";
    return faults;
}

// Return in the picker as it opens takes its first filter; Return on the
// Marks button shows Marks with its first filter selected.
QStringList ReturnFaults(CDialogFilterSelection* picker, bool onCategory)
{
    auto* list = picker->findChild<CListThumb*>("listFilters");
    auto* marks = picker->findChild<QToolButton*>("buttonMarks");
    if (onCategory)
        marks->setFocus(Qt::TabFocusReason);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QStringList faults;
    const QList<QListWidgetItem*> selected = list->selectedItems();
    if (!onCategory && (picker->isVisible() || picker->selectedName != list->item(0)->text()))
        faults << "chosen: " + picker->selectedName;
    if (onCategory && (!picker->isVisible() || !marks->isChecked() || list->count() != 2 || selected.size() != 1 ||
                       selected.first() != list->item(0)))
        faults << "Marks not shown";
    return faults;
}

// On a screen of `room`: the window inside it with the buttons that close a
// dialog, or a step's last controls once Tab has reached each; a grid's
// cells within the width its view shows.
QStringList OffRoom(QWidget* top, const QString& which, const QRect& room)
{
    static const QHash<QString, QStringList> named{
        {"text editor", {"buttonReset", "buttonUndo", "buttonRedo", "buttonBox"}},
        {"picker", {"Ok", "Cancel"}},
        {"profiles", {"buttonOk", "buttonCancel"}},
        {"settings", {"buttonOK", "buttonCancel"}},
        {"edit names", {"buttonReset", "buttonOK", "buttonCancel"}},
        {"folder chooser", {"buttonBox"}},
        {"step 1", {"buttonView", "buttonZoomOutImage"}},
        {"step 2", {"buttonCustom", "buttonZoomOutFilters", "buttonSwitchView"}},
        {"step 3", {"comboOutputFormat", "checkOpenFolder", "checkOriginalDate", "checkDeleteSource"}}};
    QStringList faults;
    if (!room.contains(top->frameGeometry()))
        faults << "window off the screen";
    for (const QString& name : named.value(which)) {
        auto* w = top->findChild<QWidget*>(name);
        for (int i = 0; which.startsWith("step") && i < 40 && QApplication::focusWidget() != w; ++i)
            QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : top, Qt::Key_Tab);
        // A box wider than a page that scrolls sideways shows the part its contents need.
        const QRect need(QPoint(), w->sizeHint().boundedTo(w->size()));
        if (!w->isVisible() || w->visibleRegion().intersected(need) != QRegion(need) ||
            !room.contains(QRect(w->mapToGlobal(QPoint()), need.size())))
            faults << name;
    }
    QTest::qWait(300); // the dialog's layout settles; a grid lays its cells out again 100 ms after a resize
    for (QListWidget* grid : top->findChildren<QListWidget*>())
        for (int i = 0; grid->isVisible() && grid->viewMode() == QListView::IconMode && i < grid->count(); ++i)
            if (grid->visualItemRect(grid->item(i)).right() >= grid->viewport()->width()) {
                faults << grid->objectName() + " past its view";
                break;
            }
    return faults;
}

// What the wheel changes in a box (its user property); nothing elsewhere.
QVariant WheelValue(const QObject* box)
{
    const bool turns = qobject_cast<const QComboBox*>(box) || qobject_cast<const QAbstractSpinBox*>(box) ||
                       (qobject_cast<const QAbstractSlider*>(box) && !qobject_cast<const QScrollBar*>(box));
    return turns ? box->metaObject()->userProperty().read(box) : QVariant();
}

// Turns the wheel `notches` times over the point `at` of `top`'s page of
// settings, as the window system does: each notch goes to the widget under
// the pointer and, unaccepted, to its parents. Names each box that changed.
QStringList WheelChanges(QWidget* top, const QPoint& at, int notches)
{
    QHash<QObject*, QVariant> before;
    for (QWidget* box : top->findChildren<QWidget*>())
        if (WheelValue(box).isValid())
            before.insert(box, WheelValue(box));
    for (int i = 0; i < qAbs(notches); ++i) {
        for (QWidget* w = top->childAt(at); w; w = w->isWindow() ? nullptr : w->parentWidget()) {
            const QPoint pos = w->mapFrom(top, at);
            QWheelEvent wheel(pos, w->mapToGlobal(pos), QPoint(), QPoint(0, notches < 0 ? -120 : 120), Qt::NoButton,
                              Qt::NoModifier, Qt::NoScrollPhase, false);
            wheel.ignore();
            QApplication::sendEvent(w, &wheel);
            if (wheel.isAccepted())
                break;
        }
    }
    QStringList changed;
    for (auto it = before.cbegin(); it != before.cend(); ++it)
        if (WheelValue(it.key()) != it.value())
            changed << it.key()->objectName();
    return changed;
}

// A notch each way over each box of `top`, its page shown, changes nothing
// while the program gave it the focus; clicked (a spin box in its text, a
// combo box's list opened and closed), it takes the wheel.
QStringList WheelOverBoxes(QWidget* top)
{
    QTest::qWait(100); // a dialog that scrolls shows its page on the event loop's next pass
    QStringList faults;
    int boxes = 0;
    for (QWidget* box : top->findChildren<QWidget*>()) {
        for (QWidget* w = box; w != top; w = w->parentWidget())
            if (auto* tabs = qobject_cast<QTabWidget*>(w->parentWidget()->parentWidget());
                tabs && tabs->indexOf(w) >= 0)
                tabs->setCurrentWidget(w);
            else if (auto* area = qobject_cast<QScrollArea*>(w))
                area->ensureWidgetVisible(box);
        const QPoint at = box->mapTo(top, box->rect().center());
        QWidget* under = top->childAt(at);
        if (!WheelValue(box).isValid() || !box->isVisible() || !box->isEnabled() ||
            (under != box && !box->isAncestorOf(under)))
            continue; // hidden, or covered
        ++boxes;
        if (!box->hasFocus())
            box->setFocus(Qt::OtherFocusReason);
        if (!(WheelChanges(top, at, 1) + WheelChanges(top, at, -1)).isEmpty())
            faults << box->objectName() + " turned unclicked";
        QTest::mouseClick(under, Qt::LeftButton, Qt::NoModifier, under->mapFrom(top, at));
        if (auto* combo = qobject_cast<QComboBox*>(box)) {
            combo->hidePopup();
            QApplication::setActiveWindow(top); // offscreen leaves the closed list the active window
        }
        if (!(WheelChanges(top, at, 1) + WheelChanges(top, at, -1)).contains(box->objectName()))
            faults << box->objectName() + " not turned when clicked";
    }
    return boxes ? faults : QStringList{"no box shown"};
}

// The user clicks `control`, which turns grey (step 2's "<" on the first
// photo, step 3's folder as an undo takes the source folders): the box Qt
// moves the focus on to takes no wheel.
QStringList WheelAfterGrey(QWidget* top, QWidget* control)
{
    auto* photos = top->findChild<QComboBox*>("comboImages");
    if (!QTest::qWaitFor([photos] { return photos->count() > 1; }))
        return {"no photos"};
    photos->setCurrentIndex(1);
    top->setFocus();
    QTest::mouseClick(control, Qt::LeftButton);
    CUserProfile::GetInstance()->OutputFolderStruct = 2;
    top->findChild<CMainPanel3*>()->RefreshPanel();
    QWidget* box = QApplication::focusWidget();
    const QPoint at = box->mapTo(top, box->rect().center());
    const QStringList faults = control->isEnabled() || !WheelValue(box).isValid()
                                   ? QStringList{"focus moved to no box"}
                                   : WheelChanges(top, at, 5) + WheelChanges(top, at, -5);
    CUserProfile::GetInstance()->OutputFolderStruct = 0;
    top->findChild<CMainPanel3*>()->RefreshPanel();
    return faults;
}
} // namespace

class TestStepsWindow : public QObject
{
    Q_OBJECT

    std::unique_ptr<MainWindow> window;
    QStringList photos;

private slots:
    void initTestCase()
    {
        qApp->setQuitOnLastWindowClosed(false);
        QVERIFY(FilterTest::StartEngineAndCatalogues());
        const QString trip = QDir::tempPath() + QStringLiteral("/Trip");
        QVERIFY(QDir().mkpath(trip));
        for (int i = 1; i <= 3; ++i) {
            photos.append(trip + QStringLiteral("/IMG_000%1.JPG").arg(i));
            QVERIFY(FilterTest::WritePhoto(photos.last(), 320, 240, quint32(i)));
        }
        WindowTest::ResetStore();
        window.reset(new MainWindow(nullptr));
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    }

    void cleanupTestCase() { window.reset(); }

    void formatReachesNamePreview()
    {
        CMainPanel1* step1 = window->Panel1();
        step1->hooks.openFiles = [this](QWidget*, const QString&, const QString&, const QString&) { return photos; };
        step1->AddPhotos();
        auto* combo = window->Panel2()->findChild<QComboBox*>("comboImages");
        QTRY_COMPARE(combo->count(), 3);
        QCOMPARE(combo->itemText(2), QDir::toNativeSeparators(photos[2]));

        window->ChangePanel(2);
        auto* formats = window->Panel3()->findChild<QComboBox*>("comboOutputFormat");
        const int png = formats->findText(QStringLiteral("PNG - Portable Network Graphics"));
        QVERIFY(png > 0);
        formats->setCurrentIndex(png);
        QMetaObject::invokeMethod(formats, "activated", Q_ARG(QString, formats->itemText(png)));
        QCOMPARE(CUserProfile::GetInstance()->OutputFormat, QStringLiteral("PNG"));

        window->ChangePanel(1);
        auto* preview = window->Panel2()->findChild<QLineEdit*>("editPreview");
        QTRY_COMPARE(preview->text(), QStringLiteral("IMG_0001.png"));
        QTRY_COMPARE(CUserProfile::GetInstance()->PreviewPath, photos[0]);
    }

    void newJobResetsPreset()
    {
        auto* presets = window->Panel2()->findChild<QComboBox*>("comboPreset");
        presets->setCurrentIndex(2);
        window->Panel2()->on_comboPreset_activated(2);
        QCOMPARE(CUserProfile::GetInstance()->PresetRename, 2);
        window->Panel2()->DiscardUserChanges();
        QCOMPARE(presets->currentText(), QStringLiteral("Keep Unchanged"));
        QCOMPARE(CUserProfile::GetInstance()->FilterFilename.preset, 0);
        QVERIFY(!window->Panel2()->changed);
    }

    // One row per window: access keys apart from each other and from the
    // menus, every tab stop shown and drawing its focus; then the text box
    // and the picker's Return.
    void keyboard_data()
    {
        QTest::addColumn<QString>("which");
        QTest::addColumn<QString>("probe");
        QTest::newRow("wheel after the clicked folder turns grey") << "step 3" << QString("grey editDestinationPath");
        QTest::newRow("wheel after the clicked < turns grey") << "step 2" << QString("grey buttonPrevImage");
        QTest::newRow("step 1") << "step 1" << QString("keys");
        QTest::newRow("step 2") << "step 2" << QString("keys");
        QTest::newRow("step 3") << "step 3" << QString("keys");
        QTest::newRow("text editor") << "text editor" << QString("keys");
        QTest::newRow("text editor, Font page") << "text editor" << QString("keys on page 2");
        QTest::newRow("text editor, More page") << "text editor" << QString("keys on page 3");
        QTest::newRow("picker") << "picker" << QString("keys");
        QTest::newRow("processing dialog") << "processing" << QString("keys");
        QTest::newRow("Tab leaves the text box") << "text editor" << QString("text box");
        QTest::newRow("Return in the opened picker") << "picker" << QString("return");
        QTest::newRow("Return on a category") << "picker" << QString("category");
        QTest::newRow("step 3 on 960 x 540") << "step 3" << QString("fits 960x540");
        QTest::newRow("text editor on 640 x 360") << "text editor" << QString("fits 640x360");
        QTest::newRow("picker on 640 x 360") << "picker" << QString("fits 640x360");
        QTest::newRow("profiles on 640 x 360") << "profiles" << QString("fits 640x360");
        QTest::newRow("settings on 640 x 360") << "settings" << QString("fits 640x360");
        QTest::newRow("folder chooser on 640 x 360") << "folder chooser" << QString("fits 640x360");
        QTest::newRow("step 1 on 640 x 360") << "step 1" << QString("fits 640x360");
        QTest::newRow("step 2 on 640 x 360") << "step 2" << QString("fits 640x360");
        QTest::newRow("step 3 on 640 x 360") << "step 3" << QString("fits 640x360");
        QTest::newRow("edit names on 640 x 360") << "edit names" << QString("fits 640x360");
        QTest::newRow("wheel over step 3 on 640 x 360") << "step 3" << QString("wheel 640x360");
        for (const char* which : {"edit names", "text editor", "resize editor", "settings", "JPG options", "step 3"})
            QTest::newRow(qPrintable(QString("wheel over %1 as opened").arg(which))) << which << QString("turn");
    }
    void keyboard()
    {
        QFETCH(QString, which);
        QFETCH(QString, probe);
        const QStringList size = probe.section(' ', 1).split('x');
        const QRect room = probe.startsWith("fits") || probe.startsWith("wheel")
                               ? QRect(0, 0, size.value(0).toInt(), size.value(1).toInt())
                               : QRect();
        SetScreenRoom(room);
        std::unique_ptr<QDialog> dialog;
        if (which.endsWith("editor")) {
            const quint32 id = which == "text editor" ? FilterText : FilterResize;
            auto* editor = new CFilterSettings(window.get());
            editor->record.id = id;
            editor->record.name = CFiltersEnum::GetInstance()->GetRecordById(id).name;
            dialog.reset(editor);
        } else if (which == "JPG options") {
            auto* options = new CFormatSettings(window.get());
            options->FormatPage = CMainPanel3::FormatOptionsPage("JPG");
            dialog.reset(options);
        } else if (which == "picker") {
            dialog.reset(new CDialogFilterSelection(window.get()));
        } else if (which == "profiles") {
            dialog.reset(new CDialogProfileSelection(window.get()));
        } else if (which == "settings") {
            CUserProfile::GetInstance()->CheckNewAutoCheck = true; // the interval's box takes part
            dialog.reset(new CSettings(window.get()));
        } else if (which == "edit names") {
            dialog.reset(new CDialogRename(window.get()));
        } else if (which == "processing") {
            SProcessHooks hooks;
            hooks.openUrl = [](const QUrl&) {};
            dialog.reset(new CProcessController(window.get(), hooks));
        } else if (which.startsWith("step")) {
            if (probe.startsWith("grey")) // the photos back, for "<"
                window->Panel1()->AddPhotos();
            if (probe == "turn") { // from step 2, where the focus is
                window->ChangePanel(1);
                window->Panel2()->findChild<QWidget*>("comboImages")->setFocus();
            }
            window->ChangePanel(which.right(1).toInt() - 1);
        }
        QWidget* top = dialog ? static_cast<QWidget*>(dialog.get()) : window.get();
        QStringList faults;
        const auto check = [&] {
            QApplication::setActiveWindow(top);
            if (!QTest::qWaitForWindowActive(top))
                faults << "not active";
            else if (which == "processing" &&
                     !QTest::qWaitFor([&] { return !top->findChild<QWidget*>("buttonPause")->isVisible(); }, 30000))
                faults << "run not ended";
            else if (probe == "turn")
                faults << WheelOverBoxes(top);
            else if (probe.startsWith("grey"))
                faults << WheelAfterGrey(top, top->findChild<QWidget*>(probe.section(' ', 1)));
            else if (probe.startsWith("wheel")) { // down and back up over the format's box, which has no focus
                window->setFocus();
                auto* page = top->findChild<QScrollArea*>("scrollPanel3");
                const QWidget* format = top->findChild<QWidget*>("comboOutputFormat");
                const QPoint at(format->mapTo(top, format->rect().center()).x(), page->mapTo(top, QPoint()).y() + 5);
                faults << WheelChanges(top, at, -10);
                if (page->verticalScrollBar()->value() == 0)
                    faults << "page not scrolled";
                faults << WheelChanges(top, at, 10);
            } else if (room.isValid())
                faults << OffRoom(top, which, room);
            else if (probe == "text box")
                faults << TextBoxFaults(top);
            else if (!probe.startsWith("keys"))
                faults << ReturnFaults(static_cast<CDialogFilterSelection*>(top), probe == "category");
            else if (probe.startsWith("keys on page")) {
                static_cast<CFilterSettings*>(top)
                    ->Editor()
                    ->findChild<QTabWidget*>("tabWidget")
                    ->setCurrentIndex(probe.right(1).toInt() - 1);
                faults << StopsWithoutFocus(top);
            } else
                faults << AccessKeyClashes(top) << StopsWithoutFocus(top);
        };
        if (which == "folder chooser") { // Qt's own static chooser
            QTimer::singleShot(0, window.get(), [&] {
                top = QApplication::activeModalWidget();
                check();
                static_cast<QDialog*>(top)->reject();
            });
            SPanelHooks().chooseFolder(window.get(), "Folder", QDir::tempPath(), QFileDialog::ShowDirsOnly);
        } else if (!dialog) {
            check();
        } else {
            // Any other window that opens (a warning) is a fault and is closed.
            BqTest::CModalDriver driver([&](QWidget* w, const BqTest::SModalSeen& seen) {
                if (w != top)
                    faults << seen.className + ": " + seen.text;
                return w == top;
            });
            driver.Arm();
            QTimer::singleShot(0, top, [&] {
                check();
                if (top->isVisible())
                    dialog->reject();
            });
            dialog->exec();
        }
        SetScreenRoom(QRect());
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(", ")));
    }
};

BQ_TEST_MAIN(TestStepsWindow)
#include "tst_steps_window.moc"
