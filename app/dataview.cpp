#include "app/dataview.h"

#include "dataset/linefit.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <numbers>
#include <span>

namespace {

// Half the map's k window in units of the spread of y over that of x; the d window
// adds this many spreads of y to the intercepts those slopes need.
constexpr double SlopeReach = 1.5;
constexpr double InterceptReach = 1.5;
// The best line lies this share of the window (before rounding) from its middle.
constexpr double LeastOffCenter = 0.12;
constexpr double MostOffCenter = 0.25;
// Room beside the points in the chart, as a share of their range.
constexpr double ChartRoom = 0.1;
// The map image is this many pixels wide and high.
constexpr int MapPixels = 200;
// Significant digits of the smallest sum of squares.
constexpr int SumDigits = 4;

struct TSpread {
    long double meanX = 0, meanY = 0, sdX = 0, sdY = 0;
};

TSpread SpreadOf(std::span<const double> x, std::span<const double> y)
{
    TSpread s;
    const long double n = x.size();
    for (std::size_t m = 0; m < x.size(); ++m) {
        s.meanX += x[m];
        s.meanY += y[m];
    }
    s.meanX /= n;
    s.meanY /= n;
    for (std::size_t m = 0; m < x.size(); ++m) {
        s.sdX += (x[m] - s.meanX) * (x[m] - s.meanX);
        s.sdY += (y[m] - s.meanY) * (y[m] - s.meanY);
    }
    s.sdX = std::sqrt(s.sdX / n);
    s.sdY = std::sqrt(s.sdY / n);
    return s;
}

// Low and high moved out to whole multiples of a round step, about `intervals` of them.
TChartRange RoundedOut(long double low, long double high, int intervals)
{
    const long double step = CalcTickSpacing(intervals, low, high).Step;
    return {static_cast<double>(std::floor(low / step) * step),
            static_cast<double>(std::ceil(high / step) * step)};
}

TChartRange ChartRange(std::span<const double> values)
{
    const auto [low, high] = std::minmax_element(values.begin(), values.end());
    long double span = static_cast<long double>(*high) - *low;
    if (span == 0)
        span = *low != 0 ? std::abs(static_cast<long double>(*low)) : 1;
    return RoundedOut(*low - ChartRoom * span, *high + ChartRoom * span, 5);
}

// Two numbers in [0, 1) that the points decide: the same set gives the same two.
std::pair<double, double> PointDice(std::span<const double> x, std::span<const double> y)
{
    std::uint64_t hash = 14695981039346656037ull; // FNV-1a
    auto mix = [&hash](double value) {
        std::uint64_t bits;
        std::memcpy(&bits, &value, sizeof bits);
        for (int byte = 0; byte < 8; ++byte) {
            hash ^= (bits >> (8 * byte)) & 0xFF;
            hash *= 1099511628211ull;
        }
    };
    for (std::size_t m = 0; m < x.size(); ++m) {
        mix(x[m]);
        mix(y[m]);
    }
    constexpr double unit = 1.0 / 4294967296.0;
    return {(hash >> 32) * unit, (hash & 0xFFFFFFFFu) * unit};
}

int SumDecimals(double smallestSum)
{
    if (!(smallestSum > 0))
        return SumDigits;
    return std::clamp(SumDigits - 1 - static_cast<int>(std::floor(std::log10(smallestSum))), 0, 8);
}

bool IsFinite(const TChartRange& range)
{
    return std::isfinite(range.Low) && std::isfinite(range.High) && range.High > range.Low;
}

} // namespace

int DecimalsForResolution(double resolution)
{
    if (!(resolution > 0) || !std::isfinite(resolution))
        return 0;
    return std::clamp(static_cast<int>(std::ceil(-std::log10(resolution) - 1e-9)), 0, 12);
}

std::optional<TDataView> FitDataView(std::span<const double> x, std::span<const double> y)
{
    const Result<LineFit> fit = FitLine(x, y);
    if (!fit)
        return std::nullopt;
    const long double slope = fit.Value().slope;
    const long double intercept = fit.Value().intercept;

    const TSpread spread = SpreadOf(x, y);
    const long double spreadY = spread.sdY > 0 ? spread.sdY
        : spread.meanY != 0                    ? std::abs(spread.meanY)
                                               : 1.0L;
    const long double kReach = SlopeReach * spreadY / spread.sdX;
    const long double dReach = kReach * std::abs(spread.meanX) + InterceptReach * spreadY;

    const auto [turn, distance] = PointDice(x, y);
    const long double offCenter = LeastOffCenter + (MostOffCenter - LeastOffCenter) * distance;
    const long double angle = 2 * std::numbers::pi_v<long double> * turn;
    const long double kShare = 0.5L + offCenter * std::cos(angle);
    const long double dShare = 0.5L + offCenter * std::sin(angle);
    const long double kLow = slope - kShare * 2 * kReach;
    const long double dLow = intercept - dShare * 2 * dReach;
    const TChartRange k = RoundedOut(kLow, kLow + 2 * kReach, 10);
    const TChartRange d = RoundedOut(dLow, dLow + 2 * dReach, 10);

    TDataView view;
    view.ChartX = ChartRange(x);
    view.ChartY = ChartRange(y);
    if (!IsFinite(view.ChartX) || !IsFinite(view.ChartY) || !IsFinite(k) || !IsFinite(d))
        return std::nullopt;
    TMapWindow& map = view.Map;
    map.KLow = k.Low;
    map.KHigh = k.High;
    map.DLow = d.Low;
    map.DHigh = d.High;
    map.KTicks = CalcTickSpacing(3, map.KLow, map.KHigh);
    map.DTicks = CalcTickSpacing(3, map.DLow, map.DHigh);
    view.StartK = (map.KLow + map.KHigh) / 2;
    view.StartD = map.DCenter();
    view.KDecimals = DecimalsForResolution(map.KSpan() / MapPixels);
    view.DDecimals = DecimalsForResolution(map.DSpan() / MapPixels);
    const TSquareSums sums(x, y);
    view.SumDecimals = SumDecimals(sums(fit.Value().slope, fit.Value().intercept));
    return view;
}

bool ViewFitsPoints(const TDataView& view, std::span<const double> x, std::span<const double> y)
{
    const Result<LineFit> fit = FitLine(x, y);
    if (!fit || !view.Map.HoldsWellInside(fit.Value().slope, fit.Value().intercept, MapMarginShare))
        return false;
    auto within = [](const TChartRange& range, double v) { return v >= range.Low && v <= range.High; };
    for (std::size_t m = 0; m < x.size(); ++m)
        if (!within(view.ChartX, x[m]) || !within(view.ChartY, y[m]))
            return false;
    return true;
}
