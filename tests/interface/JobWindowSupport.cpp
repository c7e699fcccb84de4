#include "JobWindowSupport.h"

#include <QDialog>

namespace JobWindow
{
void SRecorder::Attach(MainWindow& window)
{
    SMainWindowHooks& hooks = window.hooks;
    hooks.unattended = false;
    hooks.message = [this](QWidget*, QMessageBox::Icon icon, const QString& text, QMessageBox::StandardButtons buttons,
                           QMessageBox::StandardButton defaultButton) {
        asked.append({icon, text, buttons, defaultButton});
        return answers.isEmpty() ? defaultButton : answers.takeFirst();
    };
    hooks.saveFileName = [this](QWidget*, const QString& caption, const QString& proposed, const QString& filter,
                                const QString& suffix) {
        choosers.append(QStringList{caption, proposed, filter, suffix}.join('|'));
        return chosen.isEmpty() ? QString() : chosen.takeFirst();
    };
    hooks.runDialog = [this](QDialog* dialog) {
        dialogs.append(dialog->metaObject()->className());
        return onDialog ? onDialog(dialog) : int(QDialog::Rejected);
    };
    hooks.exitProcess = [this](int status) { exits.append(status); };
    hooks.report = [this](const QString& text) { reports.append(text); };
}

QStringList SRecorder::Texts() const
{
    QStringList texts;
    for (const SAsked& one : asked)
        texts.append(one.text);
    return texts;
}

std::unique_ptr<MainWindow> Start(SRecorder& recorder, const QString& pending)
{
    std::unique_ptr<MainWindow> window(new MainWindow(nullptr));
    recorder.Attach(*window);
    if (!pending.isEmpty())
        window->StartLoadingFileWindows(pending);
    window->show();
    return window;
}
} // namespace JobWindow
