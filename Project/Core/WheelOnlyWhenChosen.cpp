#include "WheelOnlyWhenChosen.h"

#include "FitToScreen.h"

#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QScrollBar>

namespace
{
constexpr char ChosenProperty[] = "wheelChosen";

// The widgets whose value the wheel changes. A spin box's or combo box's
// own line edit takes no wheel and hands the focus to its box.
bool IsSetting(const QObject* object)
{
    if (qobject_cast<const QAbstractSlider*>(object))
        return !qobject_cast<const QScrollBar*>(object);
    return qobject_cast<const QComboBox*>(object) || qobject_cast<const QAbstractSpinBox*>(object);
}

bool ByTheUser(Qt::FocusReason reason)
{
    return reason == Qt::MouseFocusReason || reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
           reason == Qt::ShortcutFocusReason;
}

// Sees every event of the application: the focus that reaches a setting,
// a click on it, and the wheel over it.
class CWheelOnlyWhenChosen : public QObject
{
public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        const QEvent::Type type = event->type();
        if (type == QEvent::MouseButtonPress && !IsSetting(watched) && watched->isWidgetType())
            watched = static_cast<QWidget*>(watched)->parentWidget(); // the box of a spin box's text
        if ((type != QEvent::Show && type != QEvent::FocusIn && type != QEvent::MouseButtonPress &&
             type != QEvent::Wheel) ||
            !IsSetting(watched))
            return false;
        auto* box = static_cast<QWidget*>(watched);
        if (type == QEvent::Show) {
            // Qt gives a box of this policy the focus, as if clicked, before
            // any filter sees the turn.
            if (box->focusPolicy() == Qt::WheelFocus)
                box->setFocusPolicy(Qt::StrongFocus);
        } else if (type == QEvent::FocusIn) {
            // A dialog as it is shown sends its focus widget a Tab's FocusIn
            // before its window has the focus: only real focus counts.
            const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
            if (box->hasFocus() && reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
                box->setProperty(ChosenProperty, ByTheUser(reason));
        } else if (type == QEvent::MouseButtonPress) {
            // A click on the box the program gave the focus changes no focus.
            if (box->hasFocus())
                box->setProperty(ChosenProperty, true);
        } else if (!box->hasFocus() || !box->property(ChosenProperty).toBool()) {
            event->ignore(); // on to the parents, a page's viewport last
            return true;
        }
        return false;
    }
};
} // namespace

void TakeWheelOnlyWhenChosen()
{
    InstallApplicationFilterOnce(QStringLiteral("wheelOnlyWhenChosen"),
                                 [](QObject* parent) -> QObject* { return new CWheelOnlyWhenChosen(parent); });
}
