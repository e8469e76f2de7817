#include "controls/common/picturecontrol.h"

#include "controls/common/drawframe.h"
#include "controls/common/gryph_error.h"
#include "platform/widgetstate.h"

#include <QPaintEvent>
#include <QPainter>

TPictureControl::TPictureControl(QWidget* parent)
    : QWidget(parent)
{
}

// Rendering only brings the cached picture in step with the control.
const TBitmap& TPictureControl::CurrentPicture() const
{
    const_cast<TPictureControl*>(this)->RenderIfOutdated();
    return m_picture;
}

void TPictureControl::Repaint()
{
    if (!CanRender()) {
        m_outdated = true;
        return;
    }
    RenderPicture();
    update();
}

// Qt holds the resize events of a hidden control back, so the size counts as well.
bool TPictureControl::PictureCurrent() const
{
    return !m_outdated && m_picture.Width() == width() && m_picture.Height() == height();
}

void TPictureControl::RenderIfOutdated()
{
    if (!PictureCurrent() && CanRender())
        RenderPicture();
}

void TPictureControl::RenderPicture()
{
    Render();
    m_outdated = false;
}

bool TPictureControl::CanRender() const { return !IsExplicitlyHidden(*this); }

TCanvas& TPictureControl::PictureCanvas()
{
    m_picture.SetSize(width(), height());
    return m_picture.Canvas();
}

void TPictureControl::DrawControlFrame(TCanvas& canvas, TFrameStyle style, const TFrameColors& colors,
                                       TColor simpleLine) const
{
    DrawFrame(canvas, style, 0, 0, width() - 1, height() - 1, colors.Highlight, clSilver, colors.Shadow,
              colors.Line, simpleLine);
}

void TPictureControl::ThrowCannotAssign(const QObject* source, const QObject* dest)
{
    throw CannotAssign(source, dest);
}

void TPictureControl::setVisible(bool visible)
{
    QWidget::setVisible(visible);
    if (visible)
        CatchUp();
}

void TPictureControl::paintEvent(QPaintEvent* event)
{
    const TBitmap& picture = CurrentPicture();
    QPainter painter(this);
    // Rectangle by rectangle: a plain copy each, where one copy of the bounding
    // rectangle would be clipped pixel by pixel.
    for (const QRect& r : event->region())
        painter.drawImage(r.topLeft(), picture.Image(), r);
}

void TPictureControl::resizeEvent(QResizeEvent*) { RenderIfOutdated(); }

void TPictureControl::mouseMoveEvent(QMouseEvent* event) { NotifyMouseMove(this, *event); }

void TPictureControl::mousePressEvent(QMouseEvent* event) { NotifyMousePress(this, *event); }

void TPictureControl::mouseReleaseEvent(QMouseEvent* event) { NotifyMouseRelease(this, *event); }

void TPictureControl::mouseDoubleClickEvent(QMouseEvent* event) { NotifyMouseDoubleClick(this, *event); }
