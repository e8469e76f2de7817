#pragma once
// The standard mouse events a control publishes, and the rules that turn Qt's mouse
// events into them: a click is a left press followed by a left release inside the
// control; a double click reports OnDblClick and a press, but no click.
#include "platform/events.h"

class QMouseEvent;
class QWidget;

class TMouseEventSource {
public:
    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    TMouseMoveEvent OnMouseMove;
    TMouseEvent OnMouseDown;
    TMouseEvent OnMouseUp;

protected:
    // Called from the control's own mouse handlers, with the control as sender.
    void NotifyMouseMove(QWidget* sender, const QMouseEvent& event);
    void NotifyMousePress(QWidget* sender, const QMouseEvent& event);
    void NotifyMouseRelease(QWidget* sender, const QMouseEvent& event);
    void NotifyMouseDoubleClick(QWidget* sender, const QMouseEvent& event);

private:
    bool m_clickPending = false;
};
