#include "PanelHooks.h"

#include <QDialog>
#include <QMenu>

SPanelHooks::SPanelHooks()
{
    openFiles = [](QWidget* parent, const QString& caption, const QString& dir, const QString& filter) {
        // Native dialogs of Linux desktops match upper-case patterns only
        // against upper-case names and would hide "photo.jpg".
        QFileDialog dialog(parent, caption, dir, filter);
        dialog.setFileMode(QFileDialog::ExistingFiles);
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles() : QStringList();
    };
    chooseFolder = [](QWidget* parent, const QString& caption, const QString& dir, QFileDialog::Options options) {
        return QFileDialog::getExistingDirectory(parent, caption, dir, options);
    };
    message = [](QWidget* parent, QMessageBox::Icon icon, const QString& text, QMessageBox::StandardButtons buttons) {
        QMessageBox box(icon, QString(), text, buttons, parent);
        return static_cast<QMessageBox::StandardButton>(box.exec());
    };
    runDialog = [](QDialog* dialog) { return dialog->exec(); };
    runMenu = [](QMenu* menu, const QPoint& pos) { menu->exec(pos); };
}
