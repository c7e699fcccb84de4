#pragma once
// The desktop contacts of the step pages: file and folder choosers, message
// boxes, modal dialogs and popup menus. Every hook defaults to the real call;
// tests replace single hooks to record what a page asks and to answer it.

#include <QFileDialog>
#include <QMessageBox>
#include <QPoint>
#include <QString>
#include <QStringList>

#include <functional>

class QDialog;
class QMenu;
class QWidget;

struct SPanelHooks {
    SPanelHooks();

    // The chosen files; empty when cancelled. The default uses Qt's own
    // dialog, which matches the filter's patterns without regard to case.
    std::function<QStringList(QWidget* parent, const QString& caption, const QString& dir, const QString& filter)>
        openFiles;
    // The chosen folder; empty when cancelled.
    std::function<QString(QWidget* parent, const QString& caption, const QString& dir, QFileDialog::Options options)>
        chooseFolder;
    // A box with an empty title; the button pressed.
    std::function<QMessageBox::StandardButton(QWidget* parent, QMessageBox::Icon icon, const QString& text,
                                              QMessageBox::StandardButtons buttons)>
        message;
    // The dialog's own (virtual) exec().
    std::function<int(QDialog* dialog)> runDialog;
    // Runs the menu modally at `pos`; the chosen action triggers its slot.
    std::function<void(QMenu* menu, const QPoint& pos)> runMenu;
};
