// bq-shots-mainwindow OUTDIR: pictures of the main window for a person to
// look at (steps 1-3 light, and again scrolled to their far corner, Edit
// Names and the profile browser, with the window's and each page's sizes on
// stdout; step 2 with its longest preset, step 1 dark and
// in French, the Help menu, the status bar during a preview, the tip dialog
// light and dark, the delete-the-originals tip). Runs in a
// temporary home of its own. Afterwards every file is read back: it must
// exist, have its window's size and not be one flat colour, and the window
// must lie inside the screen; the exit status says whether all passed.
#include "BqTestMain.h"
#include "CDialogTip.h"
#include "CoreMetaTypes.h"
#include "FitToScreen.h"
#include "MagickRuntime.h"
#include "MainWindow.h"
#include "NativeLookingApplication.h"
#include "ShotCheck.h"
#include "UserProfile.h"
#include "Utils.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QScrollArea>
#include <QScrollBar>
#include <QSettings>
#include <QStackedWidget>
#include <QTimer>
#include <QWindow>

#include <cstdio>
#include <functional>
#include <memory>

namespace
{

struct SShot {
    QString file;
    QSize size;
};

QString g_outDir;
QList<SShot> g_shots;

void Settle(QWidget* widget)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < 3000 && !(widget->windowHandle() && widget->windowHandle()->isExposed()))
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    for (int i = 0; i < 10; ++i)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}

// Grabs the widget, with an open popup painted over it at its place.
void Shoot(QWidget* widget, const QString& name, QWidget* popup = nullptr)
{
    Settle(widget);
    QPixmap picture = widget->grab();
    if (popup) {
        Settle(popup);
        QPainter painter(&picture);
        painter.drawPixmap(widget->mapFromGlobal(popup->mapToGlobal(QPoint(0, 0))), popup->grab());
    }
    const QString file = g_outDir + "/" + name + ".png";
    picture.save(file);
    g_shots.append({file, picture.size()});
}

int g_offScreen = 0;

// Prints the window's frame in the screen's room, and the shown and least
// sizes of the page `area` scrolls (logical pixels); counts a window that
// leaves the screen.
void Measure(QWidget* window, const QString& name, const QScrollArea* area)
{
    const QRect frame = window->frameGeometry();
    const QRect room = ScreenRoom(window->screen());
    std::printf("%s: window %dx%d+%d+%d in %dx%d", qPrintable(name), frame.width(), frame.height(), frame.x(),
                frame.y(), room.width(), room.height());
    if (area) {
        const QSize least = area->widget()->minimumSizeHint().expandedTo(area->widget()->minimumSize());
        std::printf(", page %dx%d, its least %dx%d", area->viewport()->width(), area->viewport()->height(),
                    least.width(), least.height());
    }
    std::printf("\n");
    if (!room.contains(frame)) {
        std::fprintf(stderr, "%s: the window is off the screen\n", qPrintable(name));
        ++g_offScreen;
    }
}

// Shoots the shown step as it opens and scrolled to its far corner.
void ShootStep(MainWindow* window, const QString& name)
{
    Shoot(window, name);
    QWidget* page = window->findChild<QStackedWidget*>("tabWidget")->currentWidget();
    auto* area = page->findChild<QScrollArea*>();
    area->horizontalScrollBar()->setValue(area->horizontalScrollBar()->maximum());
    area->verticalScrollBar()->setValue(area->verticalScrollBar()->maximum());
    Shoot(window, name + "-end");
    area->horizontalScrollBar()->setValue(0);
    area->verticalScrollBar()->setValue(0);
    Measure(window, name, area);
}

// Shoots the dialog that `open` runs, once it has fitted itself to the
// screen and laid its lists out again, then closes it.
void ShootDialog(const QString& name, const std::function<void()>& open)
{
    QTimer::singleShot(0, [name] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            QElapsedTimer settled;
            settled.start();
            while (settled.elapsed() < 500)
                QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
            Shoot(dialog, name);
            Measure(dialog, name, dialog->findChild<QScrollArea*>("scrollDialog"));
            dialog->reject();
        }
    });
    open();
}

std::unique_ptr<MainWindow> NewWindow(int theme, int language)
{
    QSettings store(organization, application);
    store.setValue("Settings/Settings.ShowStartupWizard", 0);
    store.setValue("Settings/CheckNew.AutoCheck", 0);
    store.setValue("Settings/Settings.ThemeId", theme);
    store.setValue("Settings/Settings.LanguageId", language);
    store.sync();
    std::unique_ptr<MainWindow> window(new MainWindow(nullptr));
    window->show();
    // The window is fitted again once the window manager has framed it.
    QElapsedTimer framed;
    framed.start();
    while (framed.elapsed() < 1000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return window;
}

void TipDialog(const QString& name)
{
    CDialogTip tip;
    tip.findChild<QLabel*>("textTip")->setText(QCoreApplication::translate(
        "CCheckNew", "Brandquill will now look for a newer version on the Internet. You can change how often it "
                     "checks, or turn the check off, in Settings."));
    tip.show();
    Shoot(&tip, name);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: bq-shots-mainwindow OUTDIR\n");
        return 2;
    }
    IsolateShotProcess();
    NativeLookingApplication app(argc, argv);
    BqTest::ApplyShotsFont();
    BqTest::ApplyShotsLanguage();
    g_outDir = StartShotRuntime(&app, argv[1]);

    auto window = NewWindow(0, 1033);
    ShootStep(window.get(), "step1-light");
    window->ChangePanel(1);
    ShootStep(window.get(), "step2-light");
    auto* preset = window->findChild<QComboBox*>("comboPreset"); // its longest choice
    preset->setCurrentIndex(1);
    Shoot(window.get(), "step2-preset-folder");
    preset->setCurrentIndex(0);
    ShootDialog("edit-names", [&] { window->findChild<QAbstractButton*>("buttonCustom")->click(); });
    ShootDialog("profiles", [&] { window->findChild<QAction*>("actionSelect_Profile")->trigger(); });
    // A job file read otherwise than written: its notes, one line each, fit
    // the screen (a long value is cut in the middle).
    const QString job = QDir::temp().filePath(QStringLiteral("notes.bqf"));
    QFile notes(job);
    notes.open(QIODevice::WriteOnly);
    notes.write("<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<Profile Version=\"1\"><Filters>" +
                QByteArray("<Filter Id=\"9\"/>").repeated(7) +
                "<Filter Id=\"5040\" Active=\"yes\"><Param Type=\"float\">abc</Param></Filter></Filters>"
                "<Properties Class=\"Format\"><Property Name=\"Quality\">" +
                QByteArray("high and ").repeated(60) + "</Property></Properties></Profile>\n");
    notes.close();
    ShootDialog("job-notes", [&] { window->LoadProfile(job); });
    window->ChangePanel(2);
    ShootStep(window.get(), "step3-light");
    // The tip that ticking "delete the originals" brings up, the longest one.
    QTimer::singleShot(0, [] {
        if (auto* tip = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            Shoot(tip, "tip-delete-source");
            tip->reject();
        }
    });
    window->findChild<QAbstractButton*>("checkDeleteSource")->click();
    window->ChangePanel(0);
    QMenu* help = window->findChild<QMenu*>("menuHelp");
    window->menuBar()->setActiveAction(help->menuAction());
    Shoot(window.get(), "help-menu", help);
    help->hide();
    CUserProfile::GetInstance()->SetPreviewProgress(40);
    CUserProfile::GetInstance()->SetPreviewComment(QStringLiteral("Reading photo…"));
    Shoot(window.get(), "statusbar-preview");
    TipDialog("tip-light");
    window.reset();

    window = NewWindow(1, 1033);
    Shoot(window.get(), "step1-dark");
    TipDialog("tip-dark");
    window.reset();

    window = NewWindow(0, 1036);
    Shoot(window.get(), "step1-french");
    window.reset();
    QStringList files;
    QList<QSize> sizes;
    for (const SShot& shot : qAsConst(g_shots)) {
        files.append(shot.file);
        sizes.append(shot.size);
    }
    return VerifyShots(files, sizes) | (g_offScreen > 0 ? 1 : 0);
}
