#pragma once
// Helpers for tests that look at what a scale drew.
#include "controls/scale/scale.h"
#include "platform/bitmap.h"

#include <QRect>
#include <vector>

namespace scaletesting {

inline TFont TestFont()
{
    TFont font;
    font.Name = QStringLiteral("Liberation Sans");
    font.Height = 13;
    return font;
}

struct TTextSize {
    int Width;
    int Height;
};

// The size of `text` in the test font.
inline TTextSize SizeOf(const QString& text)
{
    TBitmap bitmap(1, 1);
    bitmap.Canvas().Font = TestFont();
    return {bitmap.Canvas().TextWidth(text), bitmap.Canvas().TextHeight(text)};
}

// An opaque scale on white in the test font, without a frame.
inline void Prepare(TScale& scale, int width, int height)
{
    scale.SetBounds(0, 0, width, height);
    scale.SetFont(TestFont());
    scale.SetColorBackGnd(clWhite);
    scale.SetFrameStyle(TFrameStyle::fsNone);
}

inline TColor PixelOf(const TBitmap& picture, int x, int y)
{
    return FromQColor(QColor(picture.Image().pixel(x, y)));
}

// The bounding box of the pixels inside `region` for which keep(color) holds.
template <typename Keep>
QRect BoxWhere(const TBitmap& picture, const QRect& region, Keep keep)
{
    QRect box;
    const QRect area = region & picture.Image().rect();
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (keep(PixelOf(picture, x, y)))
                box |= QRect(x, y, 1, 1);
        }
    }
    return box;
}

inline QRect BoxOf(const TBitmap& picture, TColor color, const QRect& region)
{
    return BoxWhere(picture, region, [&](TColor c) { return c == color; });
}

inline QRect InkBox(const TBitmap& picture, TColor background, const QRect& region)
{
    return BoxWhere(picture, region, [&](TColor c) { return c != background; });
}

// Whether the text cell of `text` written at (left, top) in the test font on white
// looks the same in `picture`.
inline bool ShowsText(const TBitmap& picture, int left, int top, const QString& text)
{
    TBitmap reference(picture.Width(), picture.Height());
    TCanvas& canvas = reference.Canvas();
    canvas.Font = TestFont();
    canvas.Pen.Color = clWhite;
    canvas.Brush = TBrush{clWhite, TBrushStyle::bsSolid};
    canvas.Rectangle(0, 0, reference.Width(), reference.Height());
    canvas.TextOut(left, top, text);
    const QRect cell(left, top, canvas.TextWidth(text), canvas.TextHeight(text));
    if (InkBox(reference, clWhite, cell).isEmpty())
        return false;
    for (int y = cell.top(); y <= cell.bottom(); ++y) {
        for (int x = cell.left(); x <= cell.right(); ++x) {
            if (PixelOf(picture, x, y) != PixelOf(reference, x, y))
                return false;
        }
    }
    return true;
}

struct TDrawnTick {
    double Value;
    int ChartX;
    int ChartY;
};

// Makes the scale record every tick it reports into `ticks`.
inline void RecordTicks(TScale& scale, std::vector<TDrawnTick>& ticks)
{
    scale.OnScaleTickDrawn = [&ticks](QObject*, TCanvas*&, TScaleType, double value, int x, int y) {
        ticks.push_back({value, x, y});
    };
}

} // namespace scaletesting
