#include "controls/common/drawframe.h"

#include "platform/canvas.h"

namespace {

struct TRingColors {
    TColor TopLeft;
    TColor BottomRight;
};

struct TBevelColors {
    TRingColors Outer;
    TRingColors Inner;
};

struct TShades {
    TColor Highlight, LightFace, Shadow, DarkShadow;
};

TBevelColors BevelColors(TFrameStyle style, const TShades& s)
{
    switch (style) {
    case TFrameStyle::fsLowered:
        return {{s.Shadow, s.Highlight}, {s.DarkShadow, s.LightFace}};
    case TFrameStyle::fsRaised:
        return {{s.Highlight, s.DarkShadow}, {s.LightFace, s.Shadow}};
    case TFrameStyle::fsEmbossed:
        return {{s.Highlight, s.Shadow}, {s.Shadow, s.Highlight}};
    default: // fsEngraved
        return {{s.Shadow, s.Highlight}, {s.Highlight, s.Shadow}};
    }
}

void DrawOutline(TCanvas& canvas, int l, int t, int r, int b, TColor color)
{
    canvas.Pen.Color = color;
    canvas.MoveTo(l, t);
    canvas.LineTo(l, b);
    canvas.LineTo(r, b);
    canvas.LineTo(r, t);
    canvas.LineTo(l, t);
}

// The two rings; where the strokes meet, the later stroke wins the corner pixel.
void DrawBevel(TCanvas& canvas, int l, int t, int r, int b, const TBevelColors& c)
{
    canvas.Pen.Color = c.Outer.TopLeft;
    canvas.MoveTo(l, b);
    canvas.LineTo(l, t);
    canvas.LineTo(r + 1, t);
    canvas.MoveTo(r, t + 1);
    canvas.Pen.Color = c.Outer.BottomRight;
    canvas.LineTo(r, b);
    canvas.LineTo(l - 1, b);

    canvas.Pen.Color = c.Inner.TopLeft;
    canvas.MoveTo(l + 1, b - 1);
    canvas.LineTo(l + 1, t + 1);
    canvas.LineTo(r, t + 1);
    canvas.MoveTo(r - 1, t + 2);
    canvas.Pen.Color = c.Inner.BottomRight;
    canvas.LineTo(r - 1, b - 1);
    canvas.LineTo(l, b - 1);
}

} // namespace

void DrawFrame(TCanvas& canvas, TFrameStyle style, int left, int top, int right, int bottom, TColor highlight,
               TColor lightFace, TColor shadow, TColor darkShadow, TColor lineColor)
{
    switch (style) {
    case TFrameStyle::fsSimple:
        DrawOutline(canvas, left, top, right, bottom, lineColor);
        break;
    case TFrameStyle::fsLowered:
    case TFrameStyle::fsRaised:
    case TFrameStyle::fsEmbossed:
    case TFrameStyle::fsEngraved:
        DrawBevel(canvas, left, top, right, bottom,
                  BevelColors(style, {highlight, lightFace, shadow, darkShadow}));
        break;
    default:
        break;
    }
}
