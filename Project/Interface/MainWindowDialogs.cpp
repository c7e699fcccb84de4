// The auxiliary dialogs the window opens: the start wizard at start and the
// About box from the Help menu.
#include "MainWindow.h"

#include "CDialogAbout.h"
#include "CWizardStart.h"

void MainWindow::RunStartWizard()
{
    // The wizard shows nothing while the profile has it switched off.
    CWizardStart wizard(this);
    wizard.exec();
}

void MainWindow::RunAboutBox()
{
    CDialogAbout about(this);
    about.exec();
}
