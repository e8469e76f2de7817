#include "controls/chart/labelrenderer.h"

#include "controls/chart/plottaitem.h"
#include "controls/chart/textlabel.h"

#include <QStringList>
#include <algorithm>

namespace {

// Room between the text and the edges of its box.
constexpr int kBoxMarginX = 4;
constexpr int kBoxMarginY = 2;

// A label's caption as it is laid out: its lines, the widest line's width and the
// height of a line.
struct TLabelText {
    QStringList Lines;
    int Width = 0;
    int LineHeight = 0;
};

TLabelText LayOut(const QString& caption, const TCanvas& canvas)
{
    TLabelText text;
    text.Lines = caption.split(QLatin1Char('\n'));
    for (const QString& line : text.Lines)
        text.Width = std::max(text.Width, canvas.TextWidth(line));
    if (text.Width == 0)
        text.Width = canvas.TextWidth(caption);
    text.LineHeight = canvas.TextHeight(caption);
    return text;
}

void UseLabelFont(const TTextLabel& label, TCanvas& canvas)
{
    canvas.Font = label.Font();
    if (canvas.IsPrinter()) {
        const int points = label.Font().Size();
        canvas.Font.PixelsPerInch = canvas.PixelsPerInchY();
        canvas.Font.SetSize(points);
    }
}

TRect Shifted(const TRect& r, int dx, int dy)
{
    return {r.Left + dx, r.Top + dy, r.Right + dx, r.Bottom + dy};
}

// The box (or background, underline or shadow) of the label's mode around the text
// whose last line ends at `anchor`; leaves the pen in the border color and the brush
// in the background color for the text.
void DrawLabelBox(const TTextLabel& label, TCanvas& canvas, const TRect& box, QPoint anchor, int width)
{
    const TBrush background{label.ColorBkg(),
                            label.Transparent() ? TBrushStyle::bsClear : TBrushStyle::bsSolid};
    switch (label.Mode()) {
    case TTxtLblMode::tlsimple:
    case TTxtLblMode::tlUnderline:
        if (!label.Transparent()) {
            canvas.Pen.Color = label.ColorBkg();
            canvas.Rectangle(box);
            canvas.Pen.Color = label.ColorBorder();
        }
        if (label.Mode() == TTxtLblMode::tlUnderline) {
            canvas.MoveTo(anchor.x(), anchor.y());
            canvas.LineTo(anchor.x() + width, anchor.y());
        }
        break;
    case TTxtLblMode::tlBox:
        canvas.Rectangle(box);
        break;
    case TTxtLblMode::tlShadow:
        canvas.Pen.Color = label.ColorShadow();
        canvas.Brush = TBrush{label.ColorShadow(), TBrushStyle::bsSolid};
        canvas.Rectangle(Shifted(box, label.ShadowDx(), label.ShadowDy()));
        canvas.Pen.Color = label.ColorBorder();
        canvas.Brush = background;
        canvas.Rectangle(box);
        break;
    case TTxtLblMode::tlOff:
        break;
    }
}

void DrawTextLabel(const TTextLabel& label, TCanvas& canvas, QPoint position)
{
    UseLabelFont(label, canvas);
    canvas.Pen.Color = label.ColorBorder();
    canvas.Pen.Style = TPenStyle::psSolid;
    canvas.Brush =
        TBrush{label.ColorBkg(), label.Transparent() ? TBrushStyle::bsClear : TBrushStyle::bsSolid};
    const TLabelText text = LayOut(label.Caption(), canvas);
    const int n = int(text.Lines.size());
    int x = position.x();
    if (label.Alignment() == TAlignment::taRightJustify)
        x -= text.Width;
    else if (label.Alignment() == TAlignment::taCenter)
        x -= text.Width / 2;
    const int y = position.y();
    const TRect box{x - kBoxMarginX, y - text.LineHeight * n - kBoxMarginY, x + text.Width + kBoxMarginX,
                    y + kBoxMarginY};
    DrawLabelBox(label, canvas, box, QPoint(x, y), text.Width);
    for (int k = 0; k < n; ++k) {
        const int spare = text.Width - canvas.TextWidth(text.Lines[k]);
        const int shift = label.Alignment() == TAlignment::taRightJustify ? spare
            : label.Alignment() == TAlignment::taCenter                   ? spare / 2
                                                                          : 0;
        canvas.TextOut(x + shift, y - text.LineHeight * (n - k), text.Lines[k]);
    }
}

} // namespace

void DrawTextLabels(const TRenderScene& scene, TCanvas& canvas, const TPixelPlacer& placer)
{
    for (auto it = scene.Labels.rbegin(); it != scene.Labels.rend(); ++it) {
        const TTextLabel* label = *it;
        if (!label || label->Mode() == TTxtLblMode::tlOff || !scene.Visibility.LayerVisible(label->Layer()))
            continue;
        const QPoint position = label->AttachToData()
            ? placer.Place(label->Layer(), label->PosX(), label->PosY())
            : placer.PlaceControlPixel(label->PosX(), label->PosY());
        DrawTextLabel(*label, canvas, position);
    }
}
