#include "platform/mouseevents.h"

#include <QMouseEvent>
#include <QWidget>

void TMouseEventSource::NotifyMouseMove(QWidget* sender, const QMouseEvent& event)
{
    if (OnMouseMove) {
        const QPoint p = event.position().toPoint();
        OnMouseMove(sender, ShiftStateOf(event), p.x(), p.y());
    }
}

void TMouseEventSource::NotifyMousePress(QWidget* sender, const QMouseEvent& event)
{
    m_clickPending = event.button() == Qt::LeftButton;
    if (OnMouseDown) {
        const QPoint p = event.position().toPoint();
        OnMouseDown(sender, MouseButtonOf(event), ShiftStateOf(event), p.x(), p.y());
    }
}

void TMouseEventSource::NotifyMouseRelease(QWidget* sender, const QMouseEvent& event)
{
    const QPoint p = event.position().toPoint();
    const bool click = event.button() == Qt::LeftButton && m_clickPending && sender->rect().contains(p);
    m_clickPending = false;
    if (click && OnClick)
        OnClick(sender);
    if (OnMouseUp)
        OnMouseUp(sender, MouseButtonOf(event), ShiftStateOf(event), p.x(), p.y());
}

void TMouseEventSource::NotifyMouseDoubleClick(QWidget* sender, const QMouseEvent& event)
{
    m_clickPending = false;
    if (event.button() == Qt::LeftButton && OnDblClick)
        OnDblClick(sender);
    if (OnMouseDown) {
        const QPoint p = event.position().toPoint();
        OnMouseDown(sender, MouseButtonOf(event), ShiftStateOf(event), p.x(), p.y());
    }
}
