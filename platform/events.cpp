#include "platform/events.h"

#include <QMouseEvent>

namespace {

TShiftState ButtonFlags(Qt::MouseButtons buttons)
{
    TShiftState state = 0;
    if (buttons & Qt::LeftButton)
        state |= ssLeft;
    if (buttons & Qt::RightButton)
        state |= ssRight;
    if (buttons & Qt::MiddleButton)
        state |= ssMiddle;
    return state;
}

bool IsPress(const QMouseEvent& e)
{
    return e.type() == QEvent::MouseButtonPress || e.type() == QEvent::MouseButtonDblClick;
}

} // namespace

TMouseButton MouseButtonOf(const QMouseEvent& e)
{
    switch (e.button()) {
    case Qt::RightButton: return mbRight;
    case Qt::MiddleButton: return mbMiddle;
    default: return mbLeft;
    }
}

TShiftState ShiftStateOf(const QMouseEvent& e)
{
    TShiftState state = ButtonFlags(e.buttons());
    if (IsPress(e))
        state |= ButtonFlags(e.button());
    const Qt::KeyboardModifiers modifiers = e.modifiers();
    if (modifiers & Qt::ShiftModifier)
        state |= ssShift;
    if (modifiers & Qt::AltModifier)
        state |= ssAlt;
    if (modifiers & Qt::ControlModifier)
        state |= ssCtrl;
    if (e.type() == QEvent::MouseButtonDblClick)
        state |= ssDouble;
    return state;
}
