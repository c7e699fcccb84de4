#pragma once

#include "SProcessHooks.h"

#include <QMessageBox>
#include <QString>

#include <functional>

class QDialog;
class QWidget;

// The main window's contacts with the user and the process. Each defaults to
// the real thing; tests record and answer instead. While `unattended` is set
// nobody can answer a box, so the window takes the answer that does not go on.
struct SMainWindowHooks {
    SMainWindowHooks();

    // A message box with an empty title.
    std::function<QMessageBox::StandardButton(QWidget* parent, QMessageBox::Icon icon, const QString& text,
                                              QMessageBox::StandardButtons buttons,
                                              QMessageBox::StandardButton defaultButton)>
        message;
    // A save chooser; "" when cancelled.
    std::function<QString(QWidget* parent, const QString& caption, const QString& proposedPath, const QString& filter,
                          const QString& suffix)>
        saveFileName;
    // Runs a modal dialog and returns its result.
    std::function<int(QDialog* dialog)> runDialog;
    // One line for whoever started an unattended run.
    std::function<void(const QString& text)> report;
    // Ends the process; returns only in tests.
    std::function<void(int status)> exitProcess;
    // Passed to every processing dialog the window builds.
    SProcessHooks processHooks;
    bool unattended;

    // The message box rule: shown through `message`, or reported and answered
    // with the button that does not go on (Cancel, else No, else OK).
    QMessageBox::StandardButton Ask(QWidget* parent, QMessageBox::Icon icon, const QString& text,
                                    QMessageBox::StandardButtons buttons,
                                    QMessageBox::StandardButton defaultButton) const;
    // Reports a question nobody could answer with the answer taken.
    void ReportAnswer(const QString& question, const QString& answer) const;
    // The stop answer itself, for the rule above.
    static QMessageBox::StandardButton StopAnswer(QMessageBox::StandardButtons buttons);
    // True when the platform has no screen anybody looks at.
    static bool PlatformUnattended();
};
