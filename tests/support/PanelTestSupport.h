#pragma once
// Shared pieces of the step-page tests: a recorder that replaces a page's
// desktop hooks (file and folder choosers, message boxes, dialogs, menus),
// small photo files, folder trees and synthetic drops onto the views.

#include "PanelHooks.h"

#include <QColor>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

class QAbstractItemView;
class QWidget;

namespace BqTest
{

// What one popup menu offered: its entries (separators left out) and which
// of them were enabled.
struct SMenuSeen {
    QStringList entries;
    QList<bool> enabled;
    bool Enabled(const QString& entry) const;
};

// Installs itself into `hooks`; each hook records the call and answers
// with the member set for it.
class CHookRecorder
{
public:
    explicit CHookRecorder(SPanelHooks& hooks);

    // Answers.
    QStringList files;                                     // openFiles
    QString folder;                                        // chooseFolder
    QMessageBox::StandardButton answer = QMessageBox::Yes; // message
    std::function<int(QDialog*)> dialogAnswer;             // runDialog; 0 when unset
    QString menuPick;                                      // runMenu triggers this entry

    // Records.
    QStringList captions; // of openFiles and chooseFolder
    QStringList dirs;
    QStringList filters;
    QList<int> folderOptions;
    QStringList messages;
    QList<QMessageBox::Icon> icons;
    QList<QMessageBox::StandardButtons> buttons;
    QStringList dialogClasses;
    // The text of each CDialogUnsupportedFormat run, a path a line.
    QList<QStringList> unsupportedLists;
    QList<SMenuSeen> menus;
};

// A small JPEG (or any format QImage writes, by extension) of one colour.
bool WriteImageFile(const QString& path, int width = 40, int height = 30, const QColor& color = Qt::darkCyan);
// Creates the folders on the way; false when any file could not be written.
bool WriteImageFiles(const QString& folder, const QStringList& names);

// A drop of files (as local URLs, or the given URLs) on the view's viewport.
void DropUrls(QAbstractItemView* view, const QStringList& urls);
// An internal drop of the view's selected rows onto the centre of `row`
// (the end of the view when `row` is out of range).
void DropOnRow(QAbstractItemView* view, int row);

} // namespace BqTest
