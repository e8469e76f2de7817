#include "controls/chart/xorframe.h"

#include "platform/canvas.h"

void TXorFrame::Show(TCanvas& canvas, QPoint a, QPoint b)
{
    Hide(canvas);
    Draw(canvas, a, b);
    m_a = a;
    m_b = b;
    m_shown = true;
}

void TXorFrame::Hide(TCanvas& canvas)
{
    if (m_shown)
        Draw(canvas, m_a, m_b);
    m_shown = false;
}

// White in XOR inverts the pixels under the outline; the canvas's pen mode goes back
// to copy and its brush back to solid afterwards.
void TXorFrame::Draw(TCanvas& canvas, QPoint a, QPoint b)
{
    const TPen pen = canvas.Pen;
    canvas.Pen = TPen{clWhite, 1, TPenStyle::psSolid, TPenMode::pmXor};
    canvas.Brush.Style = TBrushStyle::bsClear;
    canvas.Rectangle(a.x(), a.y(), b.x(), b.y());
    canvas.Pen = pen;
    canvas.Pen.Mode = TPenMode::pmCopy;
    canvas.Brush.Style = TBrushStyle::bsSolid;
}
