#include "platform/image.h"

#include <QMouseEvent>
#include <QPaintEvent>
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

void TImage::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.drawImage(event->rect().topLeft(), m_picture.Image(), event->rect());
}

void TImage::resizeEvent(QResizeEvent* event)
{
    FollowSize();
    QWidget::resizeEvent(event);
}

void TImage::mousePressEvent(QMouseEvent* event) { NotifyMousePress(this, *event); }

void TImage::mouseMoveEvent(QMouseEvent* event) { NotifyMouseMove(this, *event); }

void TImage::mouseReleaseEvent(QMouseEvent* event) { NotifyMouseRelease(this, *event); }

void TImage::mouseDoubleClickEvent(QMouseEvent* event) { NotifyMouseDoubleClick(this, *event); }
