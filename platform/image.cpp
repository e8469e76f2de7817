#include "platform/image.h"

#include <QMouseEvent>
#include <QPainter>

TImage::TImage(QWidget* parent)
    : QWidget(parent)
{
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    FollowSize();
}

TBitmap& TImage::Picture()
{
    FollowSize();
    return m_picture;
}

void TImage::FollowSize()
{
    if (m_picture.Width() != width() || m_picture.Height() != height())
        m_picture.SetSize(width(), height());
}

void TImage::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawImage(0, 0, m_picture.Image());
}

void TImage::resizeEvent(QResizeEvent* event)
{
    FollowSize();
    QWidget::resizeEvent(event);
}

void TImage::mousePressEvent(QMouseEvent* event)
{
    if (OnMouseDown) {
        const QPoint p = event->position().toPoint();
        OnMouseDown(this, MouseButtonOf(*event), ShiftStateOf(*event), p.x(), p.y());
    }
}

void TImage::mouseMoveEvent(QMouseEvent* event)
{
    if (OnMouseMove) {
        const QPoint p = event->position().toPoint();
        OnMouseMove(this, ShiftStateOf(*event), p.x(), p.y());
    }
}

void TImage::mouseReleaseEvent(QMouseEvent* event)
{
    if (OnMouseUp) {
        const QPoint p = event->position().toPoint();
        OnMouseUp(this, MouseButtonOf(*event), ShiftStateOf(*event), p.x(), p.y());
    }
}
