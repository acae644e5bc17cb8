#include "AutomationMouse.h"

#include "controls/Control.h"

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>

namespace {
bool leftHeld = false;

void Send(const TControl *control, QEvent::Type type, int x, int y)
{
    if (!control)
        return;
    if (type == QEvent::MouseButtonPress)
        leftHeld = true;
    else if (type == QEvent::MouseButtonRelease)
        leftHeld = false;
    QWidget *widget = control->Widget();
    const QPointF at(x, y);
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, at, widget->mapToGlobal(at), button, leftHeld ? Qt::LeftButton : Qt::NoButton,
                      Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}
} // namespace

bool RunMouseCommand(const QString &command, const QStringList &args, const TControl *control)
{
    const auto number = [&args](int field) { return args.value(field).toInt(); };
    if (command == QLatin1String("mouse-down"))
        Send(control, QEvent::MouseButtonPress, number(3), number(4));
    else if (command == QLatin1String("mouse-move"))
        Send(control, QEvent::MouseMove, number(3), number(4));
    else if (command == QLatin1String("mouse-up"))
        Send(control, QEvent::MouseButtonRelease, number(3), number(4));
    else if (command == QLatin1String("drag")) {
        // The mouse arrives at the first point before it presses there, and rests where it was released.
        Send(control, QEvent::MouseMove, number(3), number(4));
        Send(control, QEvent::MouseButtonPress, number(3), number(4));
        Send(control, QEvent::MouseMove, number(5), number(6));
        Send(control, QEvent::MouseButtonRelease, number(5), number(6));
        Send(control, QEvent::MouseMove, number(5), number(6));
    } else
        return false;
    return true;
}
