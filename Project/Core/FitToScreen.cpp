#include "FitToScreen.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QFileDialog>
#include <QLayout>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QWindow>

namespace
{
QRect g_room;

QMargins FrameOf(const QWidget* window)
{
    const QWindow* handle = window->windowHandle();
    return handle ? handle->frameMargins() : QMargins();
}

// A dialog not yet framed by the window manager gets its parent's frame.
QMargins DialogFrame(const QDialog* dialog)
{
    const QMargins own = FrameOf(dialog);
    return own.isNull() && dialog->parentWidget() ? FrameOf(dialog->parentWidget()->window()) : own;
}

// `owner`'s layout and its widgets, moved into a new scroll area that is
// placed nowhere yet.
QScrollArea* TakeIntoScrollArea(QWidget* owner, const QString& name)
{
    auto* page = new QWidget;
    page->setLayout(owner->layout()); // takes the layout and its widgets from the owner
    auto* scroll = new QScrollArea;
    scroll->setObjectName(name);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setFocusPolicy(Qt::NoFocus);
    scroll->setWidgetResizable(true);
    scroll->setWidget(page);
    return scroll;
}

void MoveIntoScrollArea(QDialog* dialog, QLayout* buttons)
{
    QLayout* content = dialog->layout();
    if (auto* holder = qobject_cast<QLayout*>(buttons->parent()))
        holder->removeItem(buttons);
    buttons->setParent(nullptr);
    const QMargins margins = content->contentsMargins();
    content->setContentsMargins(margins.left(), margins.top(), margins.right(), 0);
    QScrollArea* scroll = TakeIntoScrollArea(dialog, QStringLiteral("scrollDialog"));
    auto* outer = new QVBoxLayout(dialog);
    outer->setContentsMargins(0, 0, 0, margins.bottom());
    outer->addWidget(scroll, 1);
    buttons->setContentsMargins(margins.left(), 0, margins.right(), 0);
    outer->addLayout(buttons);
}

void Fit(QDialog* dialog, QLayout* buttons)
{
    const QWidget* anchor = dialog->parentWidget() ? dialog->parentWidget()->window() : dialog;
    const QRect area = ScreenRoom(anchor->screen());
    const QMargins frame = DialogFrame(dialog);
    const QRect room = area.marginsRemoved(frame);
    const QSize least = dialog->minimumSize().expandedTo(dialog->minimumSizeHint());
    const bool leastFits = least.width() <= room.width() && least.height() <= room.height();
    if (leastFits && dialog->width() <= room.width() && dialog->height() <= room.height())
        return;
    if (!leastFits && buttons &&
        !dialog->findChild<QScrollArea*>(QStringLiteral("scrollDialog"), Qt::FindDirectChildrenOnly)) {
        MoveIntoScrollArea(dialog, buttons);
        // Room beside the page for the bar that scrolls it, so that it need
        // not scroll sideways as well.
        const int bar = dialog->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, dialog);
        dialog->setMaximumWidth(qMin(QWIDGETSIZE_MAX, dialog->maximumWidth() + bar));
        dialog->setMinimumWidth(dialog->minimumWidth() + bar);
    }
    dialog->setMinimumSize(dialog->minimumSize().boundedTo(room.size()));
    dialog->resize(dialog->size().boundedTo(room.size()));
    // Nearly as large as the area: its middle, rather than over the parent.
    // A window moves by its frame's corner.
    const QSize margin = room.size() - dialog->size();
    dialog->move(area.topLeft() + QPoint(margin.width() / 2, margin.height() / 2));
}

class CKeepOnScreen : public QObject
{
public:
    CKeepOnScreen(QDialog* dialog, QLayout* buttons) : QObject(dialog), m_buttons(buttons)
    {
        dialog->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == parent() && event->type() == QEvent::Show && !event->spontaneous())
            Fit(static_cast<QDialog*>(watched), m_buttons);
        return false;
    }

private:
    QLayout* m_buttons;
};

// Sees every widget's events: a file chooser is fitted as it is shown.
class CKeepFileDialogsOnScreen : public QObject
{
public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show && !event->spontaneous())
            if (auto* chooser = qobject_cast<QFileDialog*>(watched))
                Fit(chooser, nullptr);
        return false;
    }
};
} // namespace

QRect ScreenRoom(const QScreen* screen)
{
    if (!g_room.isEmpty())
        return g_room;
    return (screen ? screen : QGuiApplication::primaryScreen())->availableGeometry();
}

void SetScreenRoom(const QRect& room)
{
    g_room = room;
}

void ScrollPage(QWidget* page)
{
    QScrollArea* scroll = TakeIntoScrollArea(page, QStringLiteral("scrollPage"));
    // The contents keep the page's least height when the page gives it up.
    // Their least width is their layout's, which the area takes (FitTexts).
    scroll->widget()->setMinimumHeight(page->minimumHeight());
    page->setMinimumWidth(0);
    auto* outer = new QVBoxLayout(page);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(scroll);
}

void ScrollSideways(QScrollArea* area)
{
    area->setProperty(ScrollsSidewaysProperty, true);
    area->setMinimumWidth(0);
}

void KeepDialogOnScreen(QDialog* dialog, QLayout* buttons)
{
    new CKeepOnScreen(dialog, buttons);
}

void InstallApplicationFilterOnce(const QString& name, QObject* (*make)(QObject* parent))
{
    if (qApp->findChild<QObject*>(name, Qt::FindDirectChildrenOnly))
        return;
    QObject* filter = make(qApp);
    filter->setObjectName(name);
    qApp->installEventFilter(filter);
}

void KeepFileDialogsOnScreen()
{
    InstallApplicationFilterOnce(QStringLiteral("keepFileDialogsOnScreen"),
                                 [](QObject* parent) -> QObject* { return new CKeepFileDialogsOnScreen(parent); });
}
