#include "SUploadHooks.h"

#include <QApplication>
#include <QDesktopServices>
#include <QInputDialog>
#include <QMessageBox>

SUploadHooks::SUploadHooks()
{
    openFile = [](const QUrl& url) { return QDesktopServices::openUrl(url); };
    openBrowser = [](const QUrl& url) { return QDesktopServices::openUrl(url); };
    askYesNo = [](const QString& title, const QString& text) {
        return QMessageBox::question(QApplication::activeWindow(), title, text, QMessageBox::Yes | QMessageBox::No,
                                     QMessageBox::No) == QMessageBox::Yes;
    };
    warn = [](const QString& title, const QString& text) {
        QMessageBox::warning(QApplication::activeWindow(), title, text, QMessageBox::Ok);
    };
    askText = [](const QString& title, const QString& label, bool* ok) {
        return QInputDialog::getText(QApplication::activeWindow(), title, label, QLineEdit::Normal, QString(), ok);
    };
}
