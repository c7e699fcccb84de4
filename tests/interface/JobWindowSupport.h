#pragma once
// Shared by the job-command and run-check tests: a real main window whose
// hooks record every box, chooser and dialog and answer from a script.

#include "MainWindow.h"

#include <QList>
#include <QMessageBox>
#include <QStringList>

#include <functional>
#include <memory>

namespace JobWindow
{
struct SAsked {
    QMessageBox::Icon icon;
    QString text;
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton defaultButton;
};

// Records what the window asks; answers come from the queues, else the
// default button, a cancelled chooser and a rejected dialog.
struct SRecorder {
    QList<SAsked> asked;
    QList<QMessageBox::StandardButton> answers;
    QStringList choosers; // caption | proposed path | filter | suffix
    QStringList chosen;
    QStringList dialogs; // class names
    std::function<int(QDialog*)> onDialog;
    QStringList folderChoosers; // captions; every one is cancelled
    QStringList panelTexts;     // the step pages' own boxes, answered Yes or OK
    QList<int> exits;
    QStringList reports;

    void Attach(MainWindow& window);
    // The same for the step pages, which exist once the window is shown.
    void AttachPages(MainWindow& window);
    QStringList Texts() const;
};

// A window started as main() starts it, the start-up dialogs off.
std::unique_ptr<MainWindow> Start(SRecorder& recorder, const QString& pending = QString());
} // namespace JobWindow
