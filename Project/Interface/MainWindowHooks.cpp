#include "MainWindowHooks.h"

#include "CProcessThread.h"
#include "Utils.h"

#include <QDialog>
#include <QFileDialog>

#include <cstdlib>

SMainWindowHooks::SMainWindowHooks()
{
    message = [](QWidget* parent, QMessageBox::Icon icon, const QString& text, QMessageBox::StandardButtons buttons,
                 QMessageBox::StandardButton defaultButton) {
        QMessageBox box(icon, QString(), text, buttons, parent);
        box.setDefaultButton(defaultButton);
        return static_cast<QMessageBox::StandardButton>(box.exec());
    };
    saveFileName = [](QWidget* parent, const QString& caption, const QString& proposedPath, const QString& filter,
                      const QString& suffix) {
        QFileDialog dialog(parent, caption, proposedPath, filter);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setDefaultSuffix(suffix);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return QString();
        return dialog.selectedFiles().constFirst();
    };
    runDialog = [](QDialog* dialog) { return dialog->exec(); };
    report = ReportOnStderr;
    exitProcess = [](int status) { std::exit(status); };
    unattended = PlatformUnattended();
}

bool SMainWindowHooks::PlatformUnattended()
{
    return NoDisplay();
}

QMessageBox::StandardButton SMainWindowHooks::StopAnswer(QMessageBox::StandardButtons buttons)
{
    if (buttons & QMessageBox::Cancel)
        return QMessageBox::Cancel;
    if (buttons & QMessageBox::No)
        return QMessageBox::No;
    return QMessageBox::Ok;
}

QMessageBox::StandardButton SMainWindowHooks::Ask(QWidget* parent, QMessageBox::Icon icon, const QString& text,
                                                  QMessageBox::StandardButtons buttons,
                                                  QMessageBox::StandardButton defaultButton) const
{
    if (!unattended)
        return message(parent, icon, text, buttons, defaultButton);
    const QMessageBox::StandardButton answer = StopAnswer(buttons);
    const QString name = answer == QMessageBox::Cancel ? QStringLiteral("Cancel")
                         : answer == QMessageBox::No   ? QStringLiteral("No")
                                                       : QStringLiteral("OK");
    ReportAnswer(text, name);
    return answer;
}

void SMainWindowHooks::ReportAnswer(const QString& question, const QString& answer) const
{
    report(question + QStringLiteral(" [answered: ") + answer + QLatin1Char(']'));
}
