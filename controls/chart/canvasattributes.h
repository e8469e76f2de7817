#pragma once
// TCanvasAttributes: the pen color, style and width, brush color and font color the
// renderer set last. It changes them on the canvas only when they differ, and tells the
// renderer when a run of lines has to end because the pen changes.
#include "platform/canvas.h"
#include "platform/color.h"

class TCanvasAttributes {
public:
    // Sets all five attributes on the canvas.
    TCanvasAttributes(TCanvas& canvas, TColor penColor, TPenStyle penStyle, int penWidth, TColor brushColor,
                      TColor fontColor);

    TColor PenColor() const { return m_penColor; }
    TPenStyle PenStyle() const { return m_penStyle; }
    int PenWidth() const { return m_penWidth; }
    bool PenDiffers(TColor color, TPenStyle style) const
    {
        return color != m_penColor || style != m_penStyle;
    }

    void SetPen(TColor color, TPenStyle style)
    {
        SetPenColor(color);
        if (style != m_penStyle)
            m_canvas.Pen.Style = m_penStyle = style;
    }
    void SetPenColor(TColor color)
    {
        if (color != m_penColor)
            m_canvas.Pen.Color = m_penColor = color;
    }
    void SetPenWidth(int width);
    void SetBrushColor(TColor color);
    void SetFontColor(TColor color);

private:
    TCanvas& m_canvas;
    TColor m_penColor;
    TPenStyle m_penStyle;
    int m_penWidth;
    TColor m_brushColor;
    TColor m_fontColor;
};
