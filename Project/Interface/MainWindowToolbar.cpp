// The wizard toolbar, panel switching, and the help, web and update-check
// actions of the main window.
#include "MainWindow.h"

#include "ImageCache.h"
#include "Utils.h"
#include "ui_MainWindow.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPixmap>
#include <QToolBar>
#include <QUrl>
#include <QWindow>

namespace
{

QWidget* NewToolBarStretch(QWidget* parent)
{
    QWidget* stretch = new QWidget(parent);
    stretch->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    stretch->setVisible(true);
    stretch->setMaximumHeight(0);
    return stretch;
}

void OpenWebPage(const QString& address)
{
    OpenOnDesktop(QUrl(address, QUrl::TolerantMode));
}

} // namespace

void MainWindow::InitToolBar()
{
    m_toolBar = addToolBar(tr("Wizard Steps"));
    m_toolBar->setObjectName(QStringLiteral("Wizard Steps"));
    m_toolBar->setMovable(false);

    QWidget* gap = new QWidget;
    QHBoxLayout* gapLayout = new QHBoxLayout(gap);
    gapLayout->setSpacing(0);
    gap->setMinimumSize(32, 0);
    gap->setMaximumSize(32, 0);
    m_toolBar->addWidget(gap);
    m_toolBar->addWidget(NewToolBarStretch(this));

    // A ratio below 1 would give empty cells; 3x screens use the @2x sheet.
    const int scale = qMax(1, static_cast<int>(qApp->devicePixelRatio()));
    const QImage sheet = m_imageCache->GetAsset(QStringLiteral("Icons-WizardSteps.png"), false, true);
    // The cell side is the sheet's height: 32, or 64 in the double-resolution sheet.
    const int cell = sheet.height();
    const auto cellIcon = [&](int index) { return QIcon(QPixmap::fromImage(sheet.copy(index * cell, 0, cell, cell))); };

    const QStringList texts = {tr("Add Photos"), tr("Edit Photos"), tr("Setup"), tr("Process")};
    for (const QString& text : texts)
        m_toolBarActions.append(new QAction(text, this));
    for (int i = 0; i < m_toolBarActions.size(); ++i) {
        QAction* action = m_toolBarActions.at(i);
        action->setIcon(cellIcon(i));
        action->setCheckable(true);
        action->setChecked(false);
        m_toolBar->addAction(action);
    }
    m_toolBarActions.at(0)->setToolTip(tr("Step 1 - Add all the photos you want to edit"));
    m_toolBarActions.at(1)->setToolTip(
        tr("Step 2 - Set the graphic filters that will be applied on all selected photos"));
    m_toolBarActions.at(2)->setToolTip(tr("Step 3 - Select the output path and image format for the edited photos"));
    m_toolBarActions.at(3)->setToolTip(tr("When you are ready select Process to have all your photos edited"));
    connect(m_toolBar, &QToolBar::actionTriggered, this, qOverload<QAction*>(&MainWindow::ChangePanel));

    m_toolBar->addWidget(NewToolBarStretch(this));
    m_helpAction = new QAction(tr("Help"), this);
    m_helpAction->setIcon(cellIcon(4));
    connect(m_helpAction, &QAction::triggered, this, &MainWindow::OnButtonHelpClicked);
    m_toolBar->addAction(m_helpAction);

    m_toolBar->setIconSize(QSize(64 / scale, 32));
    setUnifiedTitleAndToolBarOnMac(true);
}

void MainWindow::ChangePanel(int id)
{
    if (static_cast<unsigned>(id) > 3)
        return;
    for (int i = 0; i < m_toolBarActions.size(); ++i)
        m_toolBarActions.at(i)->setChecked(i == id);
    if (id == 3) {
        // Re-checks the current step, then runs the batch inside this call.
        ChangePanel(m_currentPanel);
        OnButtonProcess2Clicked();
    } else {
        m_currentPanel = id;
    }
    ui->tabWidget->setCurrentIndex(m_currentPanel);
    // A page fitted to its texts when first shown may grow the window past
    // a small screen.
    const QSize room = AvailableArea(geometry()).size();
    const QSize framed = frameGeometry().size();
    if (m_windowShown && (framed.width() > room.width() || framed.height() > room.height()))
        KeepOnScreen();
}

void MainWindow::ChangePanel(QAction* action)
{
    ChangePanel(m_toolBarActions.indexOf(action));
}

void MainWindow::on_tabWidget_currentChanged(int index)
{
    m_panelTransition = true;
    ChangePanel(index);
    m_panelTransition = false;
}

void MainWindow::on_actionStep_1_Add_Photos_triggered()
{
    m_panelTransition = true;
    ChangePanel(0);
    m_panelTransition = false;
}

void MainWindow::on_actionStep_2_Edit_Photos_triggered()
{
    m_panelTransition = true;
    ChangePanel(1);
    m_panelTransition = false;
}

void MainWindow::on_actionStep_3_Setup_triggered()
{
    ChangePanel(2);
}

void MainWindow::on_actionProcess_triggered()
{
    OnButtonProcess2Clicked();
}

void MainWindow::OnButtonProcess2Clicked()
{
    OnPanelConvert(true);
}

void MainWindow::OnButtonHelpClicked()
{
    ShowCurrentPanelHelp();
}

void MainWindow::ShowCurrentPanelHelp()
{
    static const char* const pages[] = {"user-interface_step1_add-photos.htm", "user-interface_step2_add-filters.htm",
                                        "user-interface_step3_setup.htm"};
    if (m_currentPanel >= 0 && m_currentPanel < 3)
        OpenHelpFile(QLatin1String(pages[m_currentPanel]));
}

void MainWindow::on_actionHelp_Manual_triggered()
{
    ShowCurrentPanelHelp();
}

void MainWindow::on_actionHow_to_Resize_and_Rotate_Photos_triggered()
{
    OpenHelpFile(QStringLiteral("tutorials_how-to-resize-and-rotate.htm"));
}

void MainWindow::on_actionOnline_Support_triggered()
{
    OpenWebPage(QLatin1String(kWebSite) + "/support.html");
}

void MainWindow::on_actionVisit_Our_Web_Site_triggered()
{
    OpenWebPage(QLatin1String(kWebSite) + "/");
}

void MainWindow::on_actionAbout_Us_triggered()
{
    RunAboutBox();
}

void MainWindow::on_action_Check_for_New_Version_triggered()
{
    PrepareUpdateCheck(false);
}

void MainWindow::PrepareUpdateCheck(bool automatic)
{
    m_checkNew.setModal(true);
    m_checkNew.automatic = automatic;
    m_checkNew.parentRect = geometry();
    const QWindow* handle = windowHandle();
    m_checkNew.screenNumber = handle ? qMax(0, QGuiApplication::screens().indexOf(handle->screen())) : 0;
    m_checkNew.show();
}
