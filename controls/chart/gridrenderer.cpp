#include "controls/chart/gridrenderer.h"

#include "platform/rounding.h"

#include <algorithm>
#include <cmath>
#include <functional>

namespace {

// The power of ten at or below x (x > 0), robust against log10's rounding.
double DecadeOf(double x)
{
    double decade = std::pow(10.0, std::floor(std::log10(x)));
    if (x / decade >= 10)
        decade *= 10;
    else if (x / decade < 1)
        decade /= 10;
    return decade;
}

// x divided by its decade, rounded to a whole number.
int RoundedMantissa(double x) { return Round(x / DecadeOf(x)); }

// The first mantissa of the 1-2-5 sequence (2, 5 or 10) not below m.
int First125From(int mantissa) { return mantissa <= 2 ? 2 : mantissa <= 5 ? 5 : 10; }

// The mantissa that follows m in the 1-2-5 sequence.
int Next125(int mantissa) { return mantissa < 2 ? 2 : mantissa < 5 ? 5 : 10; }

std::vector<double> Walk(double start, double high, const std::function<double(double)>& next)
{
    std::vector<double> positions;
    for (double v = start; std::isfinite(v) && v < high && int(positions.size()) < kMaxGridLines; v = next(v))
        positions.push_back(v);
    return positions;
}

std::vector<double> AtTicks(const std::vector<double>& ticks, double low, double high)
{
    std::vector<double> positions;
    const std::vector<double> values = ticks.empty() ? std::vector<double>{low} : ticks;
    for (double v : values) {
        if (v >= high)
            break;
        positions.push_back(v);
    }
    return positions;
}

} // namespace

std::vector<double> GridPositions(const TGridAxis& axis)
{
    const double low = std::min(axis.RangeLow, axis.RangeHigh);
    const double high = std::max(axis.RangeLow, axis.RangeHigh);
    const double step = std::abs(axis.Step);
    if (axis.Step == 0)
        return AtTicks(axis.Ticks, low, high);
    if (!axis.Logarithmic || axis.Step > 0)
        return Walk(std::ceil(low / step) * step, high, [step](double v) { return v + step; });
    if (low <= 0)
        return {};
    if (axis.Step == -1)
        return Walk(std::pow(10.0, std::ceil(std::log10(low))), high, [](double v) { return v * 10; });
    if (axis.Step == -2) {
        const double start = First125From(RoundedMantissa(low)) * DecadeOf(low);
        return Walk(start, high, [](double v) { return Next125(RoundedMantissa(v)) * DecadeOf(v); });
    }
    if (axis.Step == -3) {
        const double start = RoundedMantissa(low) * DecadeOf(low);
        return Walk(start, high, [](double v) { return (RoundedMantissa(v) + 1) * DecadeOf(v); });
    }
    // Other negative steps have no logarithmic meaning: plain steps of |Step|.
    return Walk(std::ceil(low / step) * step, high, [step](double v) { return v + step; });
}

void DrawGrid(const TGridSettings& grid, TCanvas& canvas, const TPixelPlacer& placer)
{
    const std::vector<double> xs = GridPositions(grid.X);
    const std::vector<double> ys = GridPositions(grid.Y);
    canvas.Pen.Color = grid.Color;
    if (grid.Style == GridStyleType::gsPoints) {
        int points = 0;
        for (double x : xs) {
            for (double y : ys) {
                if (points++ == kMaxGridLines)
                    return;
                const QPoint p = placer.Place(grid.Layer, x, y);
                canvas.SetPixel(p.x(), p.y(), grid.Color);
            }
        }
        return;
    }
    const bool dotted = grid.Style == GridStyleType::gsHorizDotLines
        || grid.Style == GridStyleType::gsVertDotLines || grid.Style == GridStyleType::gsDotLines;
    const bool vertical = grid.Style == GridStyleType::gsVertLines || grid.Style == GridStyleType::gsLines
        || grid.Style == GridStyleType::gsVertDotLines || grid.Style == GridStyleType::gsDotLines;
    const bool horizontal = grid.Style == GridStyleType::gsHorizLines || grid.Style == GridStyleType::gsLines
        || grid.Style == GridStyleType::gsHorizDotLines || grid.Style == GridStyleType::gsDotLines;
    const auto line = [&](QPoint from, QPoint to) {
        canvas.MoveTo(from.x(), from.y());
        canvas.LineTo(to.x(), to.y());
    };
    canvas.Pen.Style = dotted ? TPenStyle::psDot : TPenStyle::psSolid;
    if (vertical)
        for (double x : xs)
            line(placer.Place(grid.Layer, x, grid.Y.RangeLow), placer.Place(grid.Layer, x, grid.Y.RangeHigh));
    if (horizontal)
        for (double y : ys)
            line(placer.Place(grid.Layer, grid.X.RangeLow, y), placer.Place(grid.Layer, grid.X.RangeHigh, y));
    canvas.Pen.Style = TPenStyle::psSolid;
}
