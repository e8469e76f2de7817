#include "controls/scale/axisdrawing.h"

#include "controls/scale/axisticks.h"
#include "platform/canvas.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace {

constexpr int kLongTickHorizontal = 7;
constexpr int kLongTickVertical = 6;
constexpr int kShortTick = 4;
constexpr int kLabelGapHorizontal = 7; // base line to the label's near edge
constexpr int kLabelGapVertical = 8;
constexpr int kEdgeGap = 2; // labels keep this far from the control's ends
constexpr int kMessageGap = 2; // base line to a vertical message
// Bitmaps, and so the screen picture, are drawn at this resolution.
constexpr int kScreenPixelsPerInch = 96;

// Text positions are worked out in 64 bits, so that far-off captions and labels are
// clipped rather than wrapped around.
int Saturated(std::int64_t value)
{
    return static_cast<int>(
        std::clamp<std::int64_t>(value, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

class TAxisPainter {
public:
    TAxisPainter(const TAxisDrawing& drawing, TCanvas& canvas, int base, TTickList& list)
        : m_drawing(drawing)
        , m_axis(drawing.Axis)
        , m_canvas(&canvas)
        , m_base(base)
        , m_list(list)
    {
    }

    void Draw();

private:
    bool Horizontal() const { return IsHorizontal(m_axis.ScaleType); }
    // +1 where ticks and labels point to larger coordinates (down, right), -1 otherwise.
    int Outward() const
    {
        return m_axis.ScaleType == TScaleType::sctXT || m_axis.ScaleType == TScaleType::sctYL ? 1 : -1;
    }
    int LongTick() const { return Horizontal() ? kLongTickHorizontal : kLongTickVertical; }

    void PrepareCanvas();
    void DrawTick(const TAxisTick& tick);
    void DrawLabel(const TAxisTick& tick, int pixel);
    void WriteHorizontal(const QString& text, int x, int base);
    void WriteVertical(const QString& text, int top);
    void DrawMessage(const TAxisTicks& ticks);
    void DrawCaption();

    const TAxisDrawing& m_drawing;
    const TAxisSettings& m_axis;
    TCanvas* m_canvas; // tick handlers may swap it
    int m_base;
    TTickList& m_list;
    TAxisKind m_kind = TAxisKind::Linear;
    bool m_labelAfterEvent = false;
    int m_numberHeight = 0; // height of numeric labels on vertical axes
};

void TAxisPainter::Draw()
{
    PrepareCanvas();
    m_list.Clear();
    const TAxisTicks ticks = ComputeAxisTicks(m_axis);
    m_kind = ticks.Kind;
    // Logarithmic axes, and vertical linear ones, let the tick handler draw before the label.
    m_labelAfterEvent = m_kind == TAxisKind::Logarithmic || (m_kind == TAxisKind::Linear && !Horizontal());
    m_numberHeight = m_canvas->TextHeight(QStringLiteral("0"));
    for (const TAxisTick& tick : ticks.Ticks)
        DrawTick(tick);
    if (!ticks.Message.isEmpty())
        DrawMessage(ticks);
    DrawCaption();
}

void TAxisPainter::PrepareCanvas()
{
    if (m_canvas->IsPrinter()) {
        // The text keeps the pixel height it has on screen.
        m_canvas->Font.PixelsPerInch = kScreenPixelsPerInch;
        m_canvas->Font.SetSize(m_drawing.FontSize);
        m_canvas->Font.PixelsPerInch = m_canvas->PixelsPerInchY();
    }
    m_canvas->Brush.Style = m_drawing.Transparent ? TBrushStyle::bsClear : TBrushStyle::bsSolid;
}

void TAxisPainter::DrawTick(const TAxisTick& tick)
{
    const int pixel = ValueToPixel(m_axis, m_drawing.Mapping, tick.Value);
    const int reach = Outward() * (tick.Long ? LongTick() : kShortTick);
    int chartX = pixel;
    int chartY = m_base;
    if (Horizontal()) {
        m_canvas->MoveTo(pixel, m_base);
        m_canvas->LineTo(pixel, Saturated(std::int64_t(m_base) + reach));
    } else {
        chartX = m_base;
        chartY = pixel;
        m_canvas->MoveTo(m_base, pixel);
        m_canvas->LineTo(Saturated(std::int64_t(m_base) + reach), pixel);
    }
    m_list.Offer(tick);
    const bool labeled = tick.Long && !tick.Label.isEmpty();
    if (labeled && !m_labelAfterEvent)
        DrawLabel(tick, pixel);
    if (m_drawing.OnScaleTickDrawn)
        m_drawing.OnScaleTickDrawn(m_drawing.Sender, m_canvas, m_axis.ScaleType, tick.Value, chartX, chartY);
    if (labeled && m_labelAfterEvent)
        DrawLabel(tick, pixel);
}

void TAxisPainter::DrawLabel(const TAxisTick& tick, int pixel)
{
    const bool hasDate = !tick.DateLine.isEmpty();
    const int dateHeight = hasDate ? m_canvas->TextHeight(tick.DateLine) : 0;
    if (Horizontal()) {
        WriteHorizontal(tick.Label, pixel, m_base);
        // The date goes just beyond the time label.
        if (hasDate)
            WriteHorizontal(tick.DateLine, pixel, Saturated(std::int64_t(m_base) + Outward() * dateHeight));
        return;
    }
    const bool numeric = m_kind == TAxisKind::Linear || m_kind == TAxisKind::Logarithmic;
    const int height = numeric ? m_numberHeight : m_canvas->TextHeight(tick.Label);
    WriteVertical(tick.Label, Saturated(std::int64_t(pixel) - height / 2));
    // The date goes just above the time label.
    if (hasDate)
        WriteVertical(tick.DateLine, Saturated(std::int64_t(pixel) - 3 * (dateHeight / 2)));
}

void TAxisPainter::WriteHorizontal(const QString& text, int x, int base)
{
    const int halfWidth = m_canvas->TextWidth(text) / 2;
    const int height = m_canvas->TextHeight(text);
    const std::int64_t width = m_axis.Width;
    // Centered on the tick, but shifted inwards rather than reaching past either end.
    std::int64_t left = 0;
    if (std::int64_t(x) + halfWidth >= width - kEdgeGap)
        left = width - 2 * std::int64_t(halfWidth) - kEdgeGap;
    else
        left = x - std::min<std::int64_t>(halfWidth, std::int64_t(x) - kEdgeGap);
    const std::int64_t top = m_axis.ScaleType == TScaleType::sctXT
        ? std::int64_t(base) + kLabelGapHorizontal
        : std::int64_t(base) - height - kLabelGapHorizontal;
    m_canvas->TextOut(Saturated(left), Saturated(top), text);
}

void TAxisPainter::WriteVertical(const QString& text, int top)
{
    const std::int64_t left = m_axis.ScaleType == TScaleType::sctYL
        ? std::int64_t(m_base) + kLabelGapVertical
        : std::int64_t(m_base) - m_canvas->TextWidth(text) - kLabelGapVertical;
    m_canvas->TextOut(Saturated(left), top, text);
}

void TAxisPainter::DrawMessage(const TAxisTicks& ticks)
{
    const std::int64_t middle =
        ValueToPixel(m_axis, m_drawing.Mapping, (m_axis.RangeLow + m_axis.RangeHigh) / 2);
    if (Horizontal()) {
        const int halfWidth = m_canvas->TextWidth(ticks.Message) / 2;
        m_canvas->TextOut(Saturated(middle - halfWidth),
                          Saturated(std::int64_t(m_base) + kLabelGapHorizontal), ticks.Message);
        return;
    }
    const std::int64_t lineHeight = m_canvas->TextHeight(QStringLiteral("T"));
    std::int64_t top = middle - lineHeight;
    for (const QString& line : ticks.MessageLines) {
        const std::int64_t left = m_axis.ScaleType == TScaleType::sctYL
            ? std::int64_t(m_base) + kMessageGap
            : std::int64_t(m_base) - m_canvas->TextWidth(line) - kMessageGap;
        m_canvas->TextOut(Saturated(left), Saturated(top), line);
        top += lineHeight;
    }
}

// Where an anchor lies along an axis that runs from `start` to `end` (exclusive).
std::int64_t AnchorPoint(TScaleUnitAnchor anchor, std::int64_t start, std::int64_t end)
{
    switch (anchor) {
    case TScaleUnitAnchor::uaSclCenter:
        return start + (end - start) / 2;
    case TScaleUnitAnchor::uaSclBotRgt:
        return end;
    case TScaleUnitAnchor::uaSclTopLft:
        break;
    }
    return start;
}

void TAxisPainter::DrawCaption()
{
    const TAxisCaption& caption = m_drawing.Caption;
    if (caption.Text.isEmpty())
        return;
    std::int64_t x = 0;
    std::int64_t y = 0;
    if (Horizontal()) {
        x = caption.PosX
            + AnchorPoint(caption.Anchor, m_axis.MarginLeft, std::int64_t(m_axis.Width) - m_axis.MarginRight);
        y = std::int64_t(caption.PosY) + m_base;
    } else {
        y = caption.PosY
            + AnchorPoint(caption.Anchor, m_axis.MarginTop,
                          std::int64_t(m_axis.Height) - m_axis.MarginBottom);
        x = std::int64_t(caption.PosX) + m_base;
    }
    const int width = m_canvas->TextWidth(caption.Text);
    if (caption.Alignment == TAlignment::taRightJustify)
        x -= width;
    else if (caption.Alignment == TAlignment::taCenter)
        x -= width / 2;
    m_canvas->TextOut(Saturated(x), Saturated(y), caption.Text);
}

} // namespace

void DrawAxis(const TAxisDrawing& drawing, TCanvas& canvas, int base, TTickList& ticks)
{
    TAxisPainter(drawing, canvas, base, ticks).Draw();
}
