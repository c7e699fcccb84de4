#include "SUploadHooks.h"

#include "Utils.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>

SUploadHooks::SUploadHooks()
{
    openFile = HandToDesktop;
    openBrowser = [](const QUrl& url) { return HandToDesktop(url); };
    // Without a display nobody can answer: the answer that does not go on.
    askYesNo = [](const QString& title, const QString& text) {
        if (NoDisplay()) {
            ReportOnStderr(text + QStringLiteral(" [answered: No]"));
            return false;
        }
        return QMessageBox::question(QApplication::activeWindow(), title, text, QMessageBox::Yes | QMessageBox::No,
                                     QMessageBox::No) == QMessageBox::Yes;
    };
    warn = WarnUser;
    askText = [](const QString& title, const QString& label, bool* ok) {
        if (NoDisplay()) {
            ReportOnStderr(label + QStringLiteral(" [answered: Cancel]"));
            *ok = false;
            return QString();
        }
        return QInputDialog::getText(QApplication::activeWindow(), title, label, QLineEdit::Normal, QString(), ok);
    };
}
