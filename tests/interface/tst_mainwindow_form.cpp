// The designer form of the main window on a bare QMainWindow: menus, entries,
// shortcuts, widget properties and which texts a translation may change.
#include "BqTestMain.h"
#include "MainWindow.h"
#include "WindowTestSupport.h"
#include "ui_MainWindow.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>
#include <QStackedWidget>
#include <QTranslator>
#include <QtTest>

namespace
{
// "title[entry|-|entry...]" for each menu of the bar, submenus inline.
QString Tree(const QList<QAction*>& actions)
{
    QStringList entries;
    for (QAction* action : actions)
        entries << (action->isSeparator() ? QString("-")
                    : action->menu()      ? action->text() + "[" + Tree(action->menu()->actions()) + "]"
                                          : action->text());
    return entries.join('|');
}
} // namespace

class TestMainWindowForm : public QObject
{
    Q_OBJECT
    QMainWindow window;
    Ui::MainWindow ui;

private slots:
    void initTestCase() { ui.setupUi(&window); }

    void menusAndEntries()
    {
        QCOMPARE(
            Tree(ui.menuBar->actions()),
            QString("&File[&New|-|&Load Profile|Save Profile|Save Profile As|-|Save Script|Save Script As|-|E&xit]|"
                    "&Edit[&Undo|&Redo|-|&Settings]|&View[Show &Log]|"
                    "Wi&zard[Select Pr&ofile|-|Step 1 - Add &Photos|Step 2 - Edit P&hotos|Step 3 - &Setup|-|"
                    "Process]|"
                    "&Help[&Help Manual|&Tutorials[How to &Resize and Rotate Photos]|-|Check for &New Version|-|"
                    "&Online Support|&Visit Our Web Site|&About Us]"));
        QCOMPARE(ui.menuTutorials->parent(), ui.menuHelp);
        QCOMPARE(ui.actionUndo->iconText() + ui.actionRedo->iconText(), QString("UndoRedo"));
    }

    void shortcutsAndActionState()
    {
        QStringList shortcuts;
        for (QAction* action : window.findChildren<QAction*>()) {
            if (!action->shortcut().isEmpty())
                shortcuts << action->shortcut().toString(QKeySequence::PortableText);
            QVERIFY(!action->isCheckable());
            QVERIFY(action->icon().isNull());
            QVERIFY(action->isEnabled());
        }
        shortcuts.sort();
        QCOMPARE(shortcuts,
                 (QStringList{"Ctrl+1", "Ctrl+2", "Ctrl+3", "Ctrl+L", "Ctrl+N", "Ctrl+P", "Ctrl+Y", "Ctrl+Z"}));
    }

    void widgets()
    {
        QCOMPARE(ui.tabWidget->focusPolicy(), Qt::NoFocus); // a stop on the stack of pages would do nothing
        QCOMPARE(ui.gridLayout->spacing(), 6);
        QCOMPARE(ui.gridLayout->contentsMargins(), QMargins(11, 11, 11, 11));
        QCOMPARE(window.toolButtonStyle(), Qt::ToolButtonTextUnderIcon);
        QCOMPARE(window.minimumSize(), QSize(615, 550));
        QVERIFY(!window.windowIcon().pixmap(32).isNull());
    }

    void saveShortcutOnTheRealWindow()
    {
        WindowTest::ResetStore();
        qApp->setQuitOnLastWindowClosed(false);
        MainWindow real(nullptr);
        real.show();
        const QList<QShortcut*> shortcuts = real.findChildren<QShortcut*>();
        QCOMPARE(shortcuts.size(), 1);
        QCOMPARE(shortcuts[0]->key(), QKeySequence("Ctrl+S"));
        QCOMPARE(shortcuts[0]->context(), Qt::WindowShortcut);
    }

    void onlyLoadShortcutIsTranslated()
    {
        QTranslator translator;
        QVERIFY(translator.load(QStringLiteral(BQ_TEST_QM)));
        QCoreApplication::installTranslator(&translator);
        ui.retranslateUi(&window);
        QCoreApplication::removeTranslator(&translator);
        QCOMPARE(ui.menuFile->title(), QString("&Datei"));
        QCOMPARE(ui.actionLoad_Profile->shortcut(), QKeySequence("Ctrl+Shift+L"));
        QCOMPARE(ui.actionNew->shortcut(), QKeySequence("Ctrl+N"));
        ui.retranslateUi(&window);
    }
};

BQ_TEST_MAIN(TestMainWindowForm)
#include "tst_mainwindow_form.moc"
