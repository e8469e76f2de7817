// The three axes along the cube's edges, with round ticks and numeric labels.
#include "controls/plot3d/axislabels.h"
#include "controls/plot3d/cubeview.h"
#include "controls/plot3d/plot3d.h"
#include "controls/scale/decimals.h"
#include "controls/scale/ticks.h"

#include "platform/rounding.h"

#include <algorithm>
#include <cstdint>
#include <utility>

namespace {

constexpr int kTickLength = 8;
constexpr int kLabelFontSize = 8;
// The last tick may pass the high end by this much of a step.
constexpr long double kEndTolerance = 0.001L;

// Far outside any surface, with room left for the offsets of marks and labels.
constexpr std::int64_t kFarPixel = std::int64_t(1) << 30;

// The pixel a fraction f of the way from a to b.
int Along(int a, int b, long double f)
{
    const long double offset = f * (static_cast<long double>(b) - a);
    return int(std::clamp(a + RoundHalfEven(offset), -kFarPixel, kFarPixel));
}

// The edge from corner a along the axis of bit, as its low and its high corner.
std::pair<int, int> EdgeAlong(int a, int bit)
{
    const int b = a ^ bit;
    return (a & bit) ? std::pair{b, a} : std::pair{a, b};
}

} // namespace

void TPlot3D::DrawAxes(TCanvas& canvas, int frontCorner)
{
    // X and Y run along the bottom or top edges through the front corner's partner
    // across z; Z stands at the corner farthest right.
    const int base = frontCorner ^ kZBit;
    const auto [xLow, xHigh] = EdgeAlong(base, kXBit);
    const auto [yLow, yHigh] = EdgeAlong(base, kYBit);
    const int zFoot = RightmostCorner(m_view);
    if (m_axes[TP3ScaleKind::skXAxis].Visible)
        DrawAxis(canvas, TP3ScaleKind::skXAxis, ScreenCorner(xLow), ScreenCorner(xHigh));
    if (m_axes[TP3ScaleKind::skYAxis].Visible)
        DrawAxis(canvas, TP3ScaleKind::skYAxis, ScreenCorner(yLow), ScreenCorner(yHigh));
    if (m_axes[TP3ScaleKind::skZAxis].Visible)
        DrawAxis(canvas, TP3ScaleKind::skZAxis, ScreenCorner(zFoot), ScreenCorner(zFoot ^ kZBit));
}

void TPlot3D::DrawAxis(TCanvas& canvas, TP3ScaleKind kind, QPoint lowEnd, QPoint highEnd)
{
    const TAxisSettings& axis = m_axes[kind];
    canvas.Font.SetSize(kLabelFontSize);
    canvas.Font.Color = axis.Color;
    canvas.Pen.Color = axis.Color;
    canvas.Brush.Style = TBrushStyle::bsClear;

    const int decimals = LinearDecimals(axis.DecPlaces, axis.Low, axis.High);
    const long double low = axis.Low;
    const long double high = axis.High;
    const TTickSpacing spacing = CalcTickSpacing(axis.MinTicks, low, high);
    const int dir = high > low ? 1 : -1;
    const int textHeight = canvas.TextHeight(QStringLiteral("0"));
    for (int n = 0;; ++n) {
        const long double tick = spacing.FirstTick + n * spacing.Step;
        const long double f = (tick - low) / (high - low);
        const QPoint p(Along(lowEnd.x(), highEnd.x(), f), Along(lowEnd.y(), highEnd.y(), f));
        QPoint end;
        int labelOffsetY = 0;
        TickMarkEnd(kind, p, textHeight, end, labelOffsetY);
        canvas.MoveTo(p.x(), p.y());
        canvas.LineTo(end.x(), end.y());

        QString label = TickLabel(tick, low, high, decimals);
        if (OnBeforeDrawScaleLabel)
            OnBeforeDrawScaleLabel(this, canvas, kind, label, p.x(), p.y());
        const int halfWidth = canvas.TextWidth(label) / 2;
        canvas.TextOut(TickLabelLeft(kind, end.x(), halfWidth, m_viewAngleX, m_viewAngleZ),
                       end.y() + labelOffsetY, label);

        const long double next = spacing.FirstTick + (n + 1) * spacing.Step;
        if (!(dir * kEndTolerance * spacing.Step >= dir * (next - high)))
            break;
    }
}

void TPlot3D::TickMarkEnd(TP3ScaleKind kind, QPoint tick, int textHeight, QPoint& end,
                          int& labelOffsetY) const
{
    if (kind == TP3ScaleKind::skZAxis) {
        end = tick + QPoint(kTickLength, 0);
        labelOffsetY = -textHeight / 2;
        return;
    }
    const double elevation = m_viewAngleX;
    const bool marksDown = elevation <= 90 || (elevation > 180 && elevation <= 270);
    end = tick + QPoint(0, marksDown ? kTickLength : -kTickLength);
    labelOffsetY = marksDown ? 0 : -textHeight;
}
