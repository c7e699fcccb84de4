#include "WheelOnlyWhenChosen.h"

#include "FitToScreen.h"

#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QScrollBar>
#include <QTimer>

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

// The reason of the focus that an event of the user moves: Tab, Shift+Tab
// or an access key; any other event moves none.
Qt::FocusReason KeyReason(const QEvent* event)
{
    if (event->type() == QEvent::Shortcut)
        return Qt::ShortcutFocusReason;
    const auto* key = static_cast<const QKeyEvent*>(event);
    if (event->type() != QEvent::KeyPress || (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier)))
        return Qt::NoFocusReason;
    if (key->key() == Qt::Key_Backtab || (key->key() == Qt::Key_Tab && (key->modifiers() & Qt::ShiftModifier)))
        return Qt::BacktabFocusReason;
    return key->key() == Qt::Key_Tab ? Qt::TabFocusReason : Qt::NoFocusReason;
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
        // Qt moves the focus on from a control disabled or hidden with a
        // Tab's reason: only the move of the user's own key counts, once.
        const Qt::FocusReason keyReason = m_keyReason;
        if (type == QEvent::FocusIn)
            m_keyReason = Qt::NoFocusReason;
        else if (KeyReason(event) != Qt::NoFocusReason) {
            m_keyReason = KeyReason(event);
            QTimer::singleShot(0, this, [this] { m_keyReason = Qt::NoFocusReason; });
        }
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
            // before its window has the focus: only real focus counts. A
            // click's focus comes before its press, which tells.
            const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
            if (box->hasFocus() && reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
                box->setProperty(ChosenProperty, reason == keyReason);
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

private:
    Qt::FocusReason m_keyReason = Qt::NoFocusReason; // of a key on its way
};
} // namespace

void TakeWheelOnlyWhenChosen()
{
    InstallApplicationFilterOnce(QStringLiteral("wheelOnlyWhenChosen"),
                                 [](QObject* parent) -> QObject* { return new CWheelOnlyWhenChosen(parent); });
}
