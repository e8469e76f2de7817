// How a scale paints: where it draws, when, and in which order.
#include "controls/scale/scale.h"

#include <QResizeEvent>

void TScale::PropertyChanged()
{
    if (m_drawTarget)
        Paint(*m_drawTarget, m_drawOffset);
    else if (m_transparent)
        // Only the widget's own painting can draw over what lies beneath it.
        update();
    else
        Repaint();
}

// A chart draws its own axes when it needs them.
void TScale::CatchUp()
{
    if (!m_chartOwned)
        PropertyChanged();
}

bool TScale::CanRender() const { return !m_drawTarget && !m_transparent && Visible() && !m_suppressPaint; }

void TScale::Render() { Paint(PictureCanvas(), QPoint()); }

void TScale::Paint(TCanvas& target, QPoint offset)
{
    if (!Visible() || m_suppressPaint)
        return;
    // Qt holds back the resize events of hidden widgets.
    if (width() != m_axis.Width || height() != m_axis.Height)
        RecalcScaling();
    target.Font = m_font;
    if (OnBeforeScaleRendered)
        OnBeforeScaleRendered(this, target);
    if (m_transparent)
        RenderTransparent(target, offset);
    else
        RenderOpaque(target, offset);
}

void TScale::RenderTransparent(TCanvas& target, QPoint offset)
{
    target.Pen.Color = m_colorScale;
    const int base = BaseCoordinate(offset);
    DrawAxis(target, base);
    if (m_showBaseLine)
        DrawBaseLine(target, base);
    if (OnAfterScaleRendered)
        OnAfterScaleRendered(this, target);
}

void TScale::RenderOpaque(TCanvas& target, QPoint offset)
{
    const int w = width();
    const int h = height();
    TBitmap bitmap(w, h);
    TCanvas& canvas = bitmap.Canvas();
    canvas.Font = m_font;
    canvas.Pen.Color = m_colorBackGnd;
    canvas.Brush = TBrush{m_colorBackGnd, TBrushStyle::bsSolid};
    canvas.Rectangle(0, 0, w, h);
    canvas.Pen.Color = m_colorScale;
    const int base = BaseCoordinate(QPoint());
    DrawAxis(canvas, base);
    if (m_showBaseLine)
        DrawBaseLine(canvas, base);
    if (OnAfterScaleRendered)
        OnAfterScaleRendered(this, canvas);
    const TFrameColors frameColors = FrameColorsOf(m_colorScheme);
    DrawControlFrame(canvas, m_frameStyle, frameColors, frameColors.Line);
    target.Draw(offset.x(), offset.y(), bitmap);
}

void TScale::DrawAxis(TCanvas& canvas, int base)
{
    m_axis.DateFormat = DateLabelOptionsOf(*m_dateFormat);
    const TAxisDrawing drawing{m_axis,        m_mapping, m_caption,       m_transparent,
                               m_font.Size(), this,      OnScaleTickDrawn};
    ::DrawAxis(drawing, canvas, base, m_ticks);
}

int TScale::BaseCoordinate(QPoint offset) const
{
    switch (m_axis.ScaleType) {
    case TScaleType::sctXT:
        return offset.y() + m_axis.MarginTop;
    case TScaleType::sctYL:
        return offset.x() + m_axis.MarginLeft;
    case TScaleType::sctYR:
        return offset.x() + width() - m_axis.MarginRight - 1;
    case TScaleType::sctXB:
        break;
    }
    return offset.y() + height() - m_axis.MarginBottom - 1;
}

// From the first to the last pixel of the axis (LineTo leaves the last one to the tick
// that usually ends the axis).
void TScale::DrawBaseLine(TCanvas& canvas, int base)
{
    if (IsHorizontal(m_axis.ScaleType)) {
        canvas.MoveTo(m_axis.MarginLeft, base);
        canvas.LineTo(width() - m_axis.MarginRight - 1, base);
    } else {
        canvas.MoveTo(base, m_axis.MarginTop);
        canvas.LineTo(base, height() - m_axis.MarginBottom - 1);
    }
}

void TScale::paintEvent(QPaintEvent* event)
{
    if (m_drawTarget)
        return;
    if (m_transparent) {
        TCanvas canvas(static_cast<QPaintDevice*>(this));
        Paint(canvas, QPoint());
        return;
    }
    TPictureControl::paintEvent(event);
}

void TScale::resizeEvent(QResizeEvent*)
{
    if (!m_settingBounds)
        AxisChanged();
}
