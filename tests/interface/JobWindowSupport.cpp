#include "JobWindowSupport.h"

#include "MainPanel1.h"
#include "MainPanel2.h"
#include "MainPanel3.h"

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

void SRecorder::AttachPages(MainWindow& window)
{
    if (!window.Panel1())
        return;
    for (SPanelHooks* hooks : {&window.Panel1()->hooks, &window.Panel2()->hooks, &window.Panel3()->hooks}) {
        hooks->chooseFolder = [this](QWidget*, const QString& caption, const QString&, QFileDialog::Options) {
            folderChoosers.append(caption);
            return QString();
        };
        hooks->message = [this](QWidget*, QMessageBox::Icon, const QString& text,
                                QMessageBox::StandardButtons buttons) {
            panelTexts.append(text);
            return (buttons & QMessageBox::Yes) ? QMessageBox::Yes : QMessageBox::Ok;
        };
        hooks->runDialog = [this](QDialog* dialog) {
            dialogs.append(dialog->metaObject()->className());
            return int(QDialog::Rejected);
        };
    }
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
    recorder.AttachPages(*window);
    return window;
}
} // namespace JobWindow
