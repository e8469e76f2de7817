#include "platform/events.h"

#include <QMouseEvent>

namespace {

TShiftState ButtonFlags(Qt::MouseButtons buttons)
{
    TShiftState state = 0;
    if (buttons & Qt::LeftButton)
        state |= TShiftFlag::ssLeft;
    if (buttons & Qt::RightButton)
        state |= TShiftFlag::ssRight;
    if (buttons & Qt::MiddleButton)
        state |= TShiftFlag::ssMiddle;
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
    case Qt::RightButton:
        return TMouseButton::mbRight;
    case Qt::MiddleButton:
        return TMouseButton::mbMiddle;
    default:
        return TMouseButton::mbLeft;
    }
}

TShiftState ShiftStateOf(const QMouseEvent& e)
{
    TShiftState state = ButtonFlags(e.buttons());
    if (IsPress(e))
        state |= ButtonFlags(e.button());
    const Qt::KeyboardModifiers modifiers = e.modifiers();
    if (modifiers & Qt::ShiftModifier)
        state |= TShiftFlag::ssShift;
    if (modifiers & Qt::AltModifier)
        state |= TShiftFlag::ssAlt;
    if (modifiers & Qt::ControlModifier)
        state |= TShiftFlag::ssCtrl;
    if (e.type() == QEvent::MouseButtonDblClick)
        state |= TShiftFlag::ssDouble;
    return state;
}
