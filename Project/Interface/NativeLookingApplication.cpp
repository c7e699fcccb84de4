#include "NativeLookingApplication.h"

#include <QEvent>
#include <QWidget>

NativeLookingApplication::~NativeLookingApplication() = default;

bool NativeLookingApplication::notify(QObject* receiver, QEvent* event)
{
    // The type test first: notify runs for every event of the process.
    if (event->type() == QEvent::Polish && receiver && receiver->isWidgetType() && receiver->inherits("QWidget"))
        static_cast<QWidget*>(receiver)->setAttribute(Qt::WA_MacSmallSize, true);
    return QApplication::notify(receiver, event);
}
