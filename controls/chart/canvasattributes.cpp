#include "controls/chart/canvasattributes.h"

TCanvasAttributes::TCanvasAttributes(TCanvas& canvas, TColor penColor, TPenStyle penStyle, int penWidth,
                                     TColor brushColor, TColor fontColor)
    : m_canvas(canvas)
    , m_penColor(penColor)
    , m_penStyle(penStyle)
    , m_penWidth(penWidth)
    , m_brushColor(brushColor)
    , m_fontColor(fontColor)
{
    canvas.Pen.Color = penColor;
    canvas.Pen.Style = penStyle;
    canvas.Pen.Width = penWidth;
    canvas.Brush.Color = brushColor;
    canvas.Font.Color = fontColor;
}

void TCanvasAttributes::SetPenWidth(int width)
{
    if (width != m_penWidth)
        m_canvas.Pen.Width = m_penWidth = width;
}

void TCanvasAttributes::SetBrushColor(TColor color)
{
    if (color != m_brushColor)
        m_canvas.Brush.Color = m_brushColor = color;
}

void TCanvasAttributes::SetFontColor(TColor color)
{
    if (color != m_fontColor)
        m_canvas.Font.Color = m_fontColor = color;
}
