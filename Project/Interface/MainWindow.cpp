#include "MainWindow.h"

#include "FiltersEnum.h"
#include "FitTexts.h"
#include "FitToScreen.h"
#include "FormatsEnum.h"
#include "HardwareProfile.h"
#include "ImageCache.h"
#include "ListFilters.h"
#include "ListImages.h"
#include "MagickTempCleaner.h"
#include "MainPanel1.h"
#include "MainPanel2.h"
#include "MainPanel3.h"
#include "PathSafety.h"
#include "ResourceRoot.h"
#include "StartupHousekeeping.h"
#include "StatesList.h"
#include "TipBalloon.h"
#include "UserProfile.h"
#include "Utils.h"
#include "WheelOnlyWhenChosen.h"
#include "ui_MainWindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMessageBox>
#include <QMutex>
#include <QMutexLocker>
#include <QPointer>
#include <QScreen>
#include <QScrollArea>
#include <QShortcut>
#include <QThread>
#include <QTimer>
#include <QToolBar>
#include <QUrl>
#include <QWindow>

#include "CRunLogFile.h"

MainWindow::MainWindow(QWidget* parent)
    : QMainWindow(parent), ui(new Ui::MainWindow), m_listImages(CListImages::GetInstance()),
      m_userProfile(CUserProfile::GetInstance()), m_formats(CFormatsEnum::GetInstance()),
      m_filters(CFiltersEnum::GetInstance()), m_listFilters(CListFilters::GetInstance()),
      m_statesList(CStatesList::GetInstance()), m_hardware(CHardwareProfile::GetInstance()),
      m_imageCache(CImageCache::GetInstance())
{
    ui->setupUi(this);
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    qApp->installEventFilter(this);
    KeepFileDialogsOnScreen();
    TakeWheelOnlyWhenChosen();
    QCoreApplication::setAttribute(Qt::AA_UseHighDpiPixmaps);
    RouteVersionWarning(true);
    RouteSettingsFailure(true);
}

MainWindow::~MainWindow()
{
    RouteVersionWarning(false);
    // The pages join their threads before the models they read go away.
    DeletePanels();

    CListImages::DeleteInstance();
    CListFilters::DeleteInstance();
    CUserProfile::DeleteInstance(); // writes the application settings
    CFormatsEnum::DeleteInstance();
    CFiltersEnum::DeleteInstance();
    CStatesList::DeleteInstance();
    CHardwareProfile::DeleteInstance();
    CImageCache::DeleteInstance();
    RouteSettingsFailure(false); // after the last settings are written

    delete ui;
    for (QAction* action : qAsConst(m_toolBarActions))
        delete action;
    delete m_toolBar;
    delete m_saveShortcut;
}

void MainWindow::DeletePanels()
{
    // Hidden first: deleting the shown page would show the next one, which
    // would then start previewing from the models being torn down.
    ui->tabWidget->hide();
    delete m_panel1;
    delete m_panel2;
    delete m_panel3;
    m_panel1 = nullptr;
    m_panel2 = nullptr;
    m_panel3 = nullptr;
}

void MainWindow::show()
{
    InitWindowSettings();
    Init();

    QString extension;
    if (m_filePending) {
        const int dot = m_jobFilePath.lastIndexOf('.');
        extension = dot < 0 ? m_jobFilePath : m_jobFilePath.mid(dot + 1);
    }
    // The restored or default geometry stays the explicit size when first shown,
    // but never shorter than the layout's minimum: the fixed minimum height
    // does not know how tall this style's menu, toolbar and status bar are,
    // and the step pages would lose their bottom edge.
    ensurePolished();
    resize(width(), qMax(height(), minimumSizeHint().height()));
    if (m_filePending) {
        StartLoadingFile(m_jobFilePath);
        // A script has run (or failed to load) and the process is ending.
        if (m_ending)
            return;
    }
    QWidget::show();
    m_windowShown = true;

    if (extension != QLatin1String("cvx"))
        RunStartWizard();
    m_panel1->addPhotoTip->StartShowTimer(2000);
    if (!m_filePending && m_userProfile->ShowProfiles)
        on_actionSelect_Profile_triggered();
    PrepareUpdateCheck(true);
    CMagickTempCleaner(QDir::tempPath()).Run();
}

void MainWindow::Init()
{
    m_statesList->SuspendSaving = true;
    m_userProfile->ReadRegistrySettings();
    // Before any image is requested: loaded images stay cached.
    m_imageCache->retina = m_hardware->IsRetina();
    m_imageCache->ThemeId = m_userProfile->ThemeId;
    ChangeTheme();
    LoadLocalizedResource();

    SetRegistryString(QStringLiteral("Settings/DownloadSourceName"), FindDownloadSource(ResourceRoot()));
    // main() started ImageMagick with this folder already; kept consistent.
    qputenv("MAGICK_CONFIGURE_PATH", ResourceRoot().toUtf8());

    m_formats->GenerateList();
    m_filters->GenerateList();

    m_panel1 = new CMainPanel1(this);
    m_panel2 = new CMainPanel2(this);
    m_panel3 = new CMainPanel3(this);
    m_panel1->hide();
    m_panel2->hide();
    m_panel3->hide();
    m_panelTransition = false;
    m_panel1->setPanelTranzition(&m_panelTransition);
    m_panel2->setPanelTranzition(&m_panelTransition);

    const auto queued = Qt::QueuedConnection;
    connect(m_panel3, &CMainPanel3::SignalChanges, this, &MainWindow::SignalProjectChanges, queued);
    connect(m_panel3, &CMainPanel3::UnsignalChanges, this, &MainWindow::UnsignalProjectChanges, queued);
    connect(m_panel2, &CMainPanel2::SignalChanges, this, &MainWindow::SignalProjectChanges, queued);
    connect(m_panel2, &CMainPanel2::UnsignalChanges, this, &MainWindow::UnsignalProjectChanges, queued);
    connect(m_panel1, &CMainPanel1::ClearComboImages, m_panel2, &CMainPanel2::ClearComboImg, queued);
    connect(m_panel1, &CMainPanel1::InsertItemComboImages, m_panel2, &CMainPanel2::InsertItemComboImg, queued);
    connect(m_panel1, &CMainPanel1::SignalChanges, this, &MainWindow::SignalProjectChanges, queued);
    connect(m_panel1, &CMainPanel1::UnsignalChanges, this, &MainWindow::UnsignalProjectChanges, queued);
    connect(m_statesList, &CStatesList::EnableUndo, this, &MainWindow::UndoEnable, queued);
    connect(m_statesList, &CStatesList::EnableRedo, this, &MainWindow::RedoEnable, queued);
    connect(m_userProfile, &CUserProfile::UpdateStatusBar, this, &MainWindow::OnThPreviewStatus, queued);
    m_saveShortcut = new QShortcut(QKeySequence(Qt::CTRL + Qt::Key_S), this);
    m_saveShortcut->setContext(Qt::WindowShortcut);
    connect(m_saveShortcut, &QShortcut::activated, this, &MainWindow::OnCtrlS);

    ui->tabWidget->insertWidget(0, m_panel1);
    ui->tabWidget->insertWidget(1, m_panel2);
    ui->tabWidget->insertWidget(2, m_panel3);
    ui->tabWidget->insertWidget(3, new QWidget(this));

    InitToolBar();
    ChangePanel(0);
    InitStatusBar();
    FitTextsToFonts(this);

    m_jobTitle.clear();
    ResetAppTitle();

    m_statesList->SuspendSaving = false;
    m_statesList->SaveState(false);

    const int launches = GetRegistryInt(QStringLiteral("Settings/LaunchCounter"), 0) + 1;
    SetRegistryInt(QStringLiteral("Settings/LaunchCounter"), launches);
    m_userProfile->LaunchCounter = launches;
    m_initialised = true;
}

void MainWindow::InitStatusBar()
{
    m_previewProgress.setFixedWidth(150);
    m_previewProgress.setMinimumHeight(15);
    m_previewProgress.setRange(0, 100);
    // Inside the right-to-left status bar the bar would otherwise fill from the right.
    m_previewProgress.setLayoutDirection(Qt::LeftToRight);
    m_previewProgress.setAlignment(Qt::AlignRight);
    m_previewProgress.hide();
    QWidget* spacer = new QWidget;
    spacer->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    m_previewStatus.setFixedWidth(250);
    m_previewStatus.setMinimumHeight(15);
    m_previewStatus.setAlignment(Qt::AlignRight);
    m_previewStatus.hide();
    // Right to left: the bar at the right edge, the label beside it.
    statusBar()->setLayoutDirection(Qt::RightToLeft);
    statusBar()->setContentsMargins(0, 0, 10, 0);
    statusBar()->insertWidget(0, &m_previewProgress, 0);
    statusBar()->insertWidget(1, &m_previewStatus, 0);
    statusBar()->addWidget(spacer, 1);
}

QRect MainWindow::AvailableArea(const QRect& window)
{
    return ScreenRoom(QGuiApplication::screenAt(window.center()));
}

void MainWindow::KeepOnScreen()
{
    // A maximised or full-screen window is the window manager's to place.
    if (isMaximized() || isFullScreen())
        return;
    // The window manager's title bar and borders must fit as well; they are
    // known once the window is on the screen (none before, none offscreen).
    const QMargins frame = windowHandle() ? windowHandle()->frameMargins() : QMargins();
    QRect fitted = geometry();
    fitted.setHeight(qMax(fitted.height(), minimumSizeHint().height()));
    const QRect available = AvailableArea(fitted).marginsRemoved(frame);
    // A first window is centred on the size its texts have given it.
    if (m_centre) {
        const QSize margin = available.size() - fitted.size();
        fitted.moveTopLeft(available.topLeft() + QPoint(margin.width() / 2, margin.height() / 2));
    }
    // On a screen smaller than the step pages they scroll instead.
    const bool narrow = minimumWidth() > available.width(), low = minimumHeight() > available.height();
    for (int i = 0; i < ui->tabWidget->count(); ++i) {
        QWidget* page = ui->tabWidget->widget(i);
        auto* area = page->findChild<QScrollArea*>(QString(), Qt::FindDirectChildrenOnly);
        if (low)
            page->setMinimumHeight(0);
        if (narrow && area)
            ScrollSideways(area);
    }
    setMinimumSize(minimumSize().boundedTo(available.size()));
    if (FitRestoredGeometry(fitted, available, minimumSize()))
        setGeometry(fitted);
}

void MainWindow::InitWindowSettings()
{
    setMinimumHeight(640);
    const QByteArray geometry = GetRegistryByteArray(QStringLiteral("Settings/MainWindow.WindowGeometry"), {});
    // Unreadable bytes count as a first start rather than a window nowhere.
    if (!geometry.isEmpty() && restoreGeometry(geometry)) {
        // A geometry stored on another screen or by a broken session must not
        // leave the menus and toolbar off screen.
        QRect fitted = this->geometry();
        if (FitRestoredGeometry(fitted, AvailableArea(fitted), minimumSize())) {
            setGeometry(fitted);
            restoreState(GetRegistryByteArray(QStringLiteral("Settings/MainWindow.WindowState"), {}), 0);
            return;
        }
    }
    setGeometry(FirstStartGeometry(ScreenRoom(nullptr)));
    m_centre = true;
}

void MainWindow::showEvent(QShowEvent* event)
{
    // The texts were fitted on this event before it came here.
    if (!m_windowShown) {
        KeepOnScreen();
        // Again once the window manager has framed the window.
        QTimer::singleShot(FrameSettleMs, this, [this] {
            KeepOnScreen();
            m_centre = false;
        });
    }
    QMainWindow::showEvent(event);
}

namespace
{
// The window that tells of settings the store refused.
QPointer<MainWindow> s_settingsWindow;
} // namespace

void MainWindow::RouteSettingsFailure(bool on)
{
    s_settingsWindow = on ? this : nullptr;
    SetRegistryFailureHandler(on ? &MainWindow::ReportSettingsFailure : nullptr);
}

void MainWindow::ReportSettingsFailure(const QString& file)
{
    auto tell = [file] {
        const QString text = tr("The settings could not be saved to %1. Changes to them will be lost.")
                                 .arg(QDir::toNativeSeparators(file));
        if (s_settingsWindow)
            s_settingsWindow->Ask(QMessageBox::Warning, text, QMessageBox::Ok, QMessageBox::Ok);
        else
            ReportOnStderr(text);
    };
    // A worker's write is told on the GUI thread.
    if (QThread::currentThread() == qApp->thread())
        tell();
    else
        QMetaObject::invokeMethod(qApp, tell, Qt::QueuedConnection);
}

void MainWindow::SaveWindowSettings()
{
    SetRegistryByteArray(QStringLiteral("Settings/MainWindow.WindowGeometry"), saveGeometry());
    SetRegistryByteArray(QStringLiteral("Settings/MainWindow.WindowState"), saveState(0));
}

void MainWindow::ResetAppTitle()
{
    setWindowTitle(QStringLiteral("Brandquill"));
    m_panel3->SetOutputFormats(true);
}

void MainWindow::SetAppTitleExt(QString text)
{
    setWindowTitle(QStringLiteral("Brandquill - ") + text);
}

void MainWindow::SignalProjectChanges()
{
    QString title = windowTitle();
    if (!title.endsWith('*'))
        title += '*';
    setWindowTitle(title);
}

void MainWindow::UnsignalProjectChanges()
{
    QString title = windowTitle();
    if (title.endsWith('*'))
        title.chop(1);
    setWindowTitle(title);
}

void MainWindow::OnThPreviewStatus()
{
    static QMutex statusLock;
    int progress = -1;
    QString comment;
    // A consistent pair even while a preview thread writes the next one.
    m_userProfile->GetPreviewStatus(progress, comment);
    QMutexLocker lock(&statusLock);
    if (comment.isEmpty() || progress == -1) {
        m_previewProgress.hide();
        m_previewStatus.hide();
        return;
    }
    m_previewProgress.show();
    m_previewProgress.setValue(progress);
    m_previewStatus.show();
    m_previewStatus.setText(comment);
}

void MainWindow::UndoEnable(bool val)
{
    ui->actionUndo->setEnabled(val);
}

void MainWindow::RedoEnable(bool val)
{
    ui->actionRedo->setEnabled(val);
}

void MainWindow::StartLoadingFileWindows(QString path)
{
    m_filePending = true;
    path.replace('\\', '/');
    // Resolved before the folder changes, so a relative path keeps its meaning.
    m_jobFilePath = CPathSafety::ResolvePath(QDir::current().absoluteFilePath(path));
    QDir::setCurrent(QCoreApplication::applicationDirPath());
}

void MainWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F1)
        ShowCurrentPanelHelp();
    else if (event->key() == Qt::Key_S && event->modifiers() == Qt::ControlModifier)
        OnCtrlS();
}

void MainWindow::on_actionShow_Log_triggered()
{
    const QString path = CRunLogFile::ProcessingLogPath();
    if (!QFile::exists(path)) {
        QMessageBox::warning(this, QString(), tr("The log file will be created after the first processing session."),
                             QMessageBox::Ok);
        return;
    }
    OpenOnDesktop(QUrl::fromLocalFile(path));
}

void MainWindow::on_actionExit_triggered()
{
    close();
}
