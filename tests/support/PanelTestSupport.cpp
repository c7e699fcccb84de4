#include "PanelTestSupport.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QDropEvent>
#include <QFileInfo>
#include <QImage>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QUrl>

namespace BqTest
{

bool SMenuSeen::Enabled(const QString& entry) const
{
    const int index = entries.indexOf(entry);
    return index >= 0 && enabled.at(index);
}

CHookRecorder::CHookRecorder(SPanelHooks& hooks)
{
    hooks.openFiles = [this](QWidget*, const QString& caption, const QString& dir, const QString& filter) {
        captions.append(caption);
        dirs.append(dir);
        filters.append(filter);
        return files;
    };
    hooks.chooseFolder = [this](QWidget*, const QString& caption, const QString& dir, QFileDialog::Options options) {
        captions.append(caption);
        dirs.append(dir);
        folderOptions.append(static_cast<int>(options));
        return folder;
    };
    hooks.message = [this](QWidget*, QMessageBox::Icon icon, const QString& text,
                           QMessageBox::StandardButtons offered) {
        messages.append(text);
        icons.append(icon);
        buttons.append(offered);
        return answer;
    };
    hooks.runDialog = [this](QDialog* dialog) {
        dialogClasses.append(QString::fromLatin1(dialog->metaObject()->className()));
        if (dialogClasses.last() == QLatin1String("CDialogUnsupportedFormat")) {
            const auto* text = dialog->findChild<QPlainTextEdit*>();
            unsupportedLists.append(text ? text->toPlainText().split('\n') : QStringList());
        }
        return dialogAnswer ? dialogAnswer(dialog) : 0;
    };
    hooks.runMenu = [this](QMenu* menu, const QPoint&) {
        SMenuSeen seen;
        QAction* pick = nullptr;
        for (QAction* action : menu->actions()) {
            if (action->isSeparator())
                continue;
            seen.entries.append(action->text());
            seen.enabled.append(action->isEnabled());
            if (action->text() == menuPick && action->isEnabled())
                pick = action;
        }
        menus.append(seen);
        if (pick)
            pick->trigger();
    };
}

bool WriteImageFile(const QString& path, int width, int height, const QColor& color)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(color);
    QDir().mkpath(QFileInfo(path).absolutePath());
    const QString suffix = QFileInfo(path).suffix().toLower();
    // Extensions Qt cannot write (or that the list must refuse) get bytes.
    if (suffix == QLatin1String("jpg") || suffix == QLatin1String("png") || suffix == QLatin1String("bmp"))
        return image.save(path, suffix == QLatin1String("jpg") ? "JPG" : nullptr);
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write("not a photo") > 0;
}

bool WriteImageFiles(const QString& folder, const QStringList& names)
{
    bool ok = true;
    for (const QString& name : names)
        ok = WriteImageFile(folder + QLatin1Char('/') + name) && ok;
    return ok;
}

namespace
{
void SendDrop(QAbstractItemView* view, QMimeData* data, const QPoint& at)
{
    // A drop goes to the widget that accepted the drag's entry.
    const Qt::DropActions actions = Qt::CopyAction | Qt::MoveAction;
    QDragEnterEvent enter(at, actions, data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(view->viewport(), &enter);
    QDropEvent drop(at, actions, data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(view->viewport(), &drop);
    delete data;
}
} // namespace

void DropUrls(QAbstractItemView* view, const QStringList& urls)
{
    auto* data = new QMimeData;
    QList<QUrl> list;
    for (const QString& url : urls)
        list.append(url.contains(QLatin1String("://")) ? QUrl(url) : QUrl::fromLocalFile(url));
    data->setUrls(list);
    SendDrop(view, data, view->viewport()->rect().center());
}

void DropOnRow(QAbstractItemView* view, int row)
{
    const QModelIndex index = view->model()->index(row, 0);
    const QRect rect = index.isValid() ? view->visualRect(index) : QRect();
    const QPoint at = rect.isValid() ? rect.center() : view->viewport()->rect().bottomRight() - QPoint(2, 2);
    // The views move rows only inside a drag they started themselves, which
    // a test cannot start: the drop is handed to the view's own handler
    // (virtual, so the view's override runs). The rows moved are the
    // selected ones.
    struct SDropAccess : QAbstractItemView {
        static void Drop(QAbstractItemView* target, QDropEvent* event) { (target->*(&SDropAccess::dropEvent))(event); }
    };
    QMimeData data;
    QDropEvent drop(at, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
    SDropAccess::Drop(view, &drop);
}

} // namespace BqTest
