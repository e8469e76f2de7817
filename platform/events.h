#pragma once
// Event signatures shared by every control: the sender comes first and
// "var" parameters are references the handler may change.
#include <functional>

class QObject;
class QMouseEvent;

using TNotifyEvent = std::function<void(QObject* Sender)>;

namespace PlatformEnums {
enum TMouseButton { mbLeft, mbRight, mbMiddle };

// Keyboard and mouse-button state during a mouse event, as a set of flags.
enum TShiftFlag : unsigned {
    ssShift = 1u << 0,
    ssAlt = 1u << 1,
    ssCtrl = 1u << 2,
    ssLeft = 1u << 3,
    ssRight = 1u << 4,
    ssMiddle = 1u << 5,
    ssDouble = 1u << 6,
};
} // namespace PlatformEnums
using PlatformEnums::TMouseButton;
using PlatformEnums::TShiftFlag;
using TShiftState = unsigned;

using TMouseEvent =
    std::function<void(QObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)>;
using TMouseMoveEvent = std::function<void(QObject* Sender, TShiftState Shift, int X, int Y)>;

// Translation of Qt's mouse events into the values above.
TMouseButton MouseButtonOf(const QMouseEvent& e);
TShiftState ShiftStateOf(const QMouseEvent& e);
