#pragma once

#include <QString>
#include <QUrl>

#include <functional>

// The uploader's few contacts with the desktop. Each defaults to the real
// thing; tests and silent runs put their own answers in.
struct SUploadHooks {
    SUploadHooks();

    // Hands a file to its default program (the composed mail to the mail
    // program) through HandToDesktop; true when a program took it. *said:
    // what the opener printed, for the log.
    std::function<bool(const QUrl&, QString* said)> openFile;
    // Opens a web page in the browser (the Flickr authorisation page).
    std::function<bool(const QUrl&)> openBrowser;
    // A question with Yes and No, No the default; true for Yes.
    std::function<bool(const QString& title, const QString& text)> askYesNo;
    // A warning box with OK; a stderr line without a display.
    std::function<void(const QString& title, const QString& text)> warn;
    // A line of text with OK and Cancel; *ok is false after Cancel.
    std::function<QString(const QString& title, const QString& label, bool* ok)> askText;
};
