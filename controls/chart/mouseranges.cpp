#include "controls/chart/mouseranges.h"

#include "controls/common/axismap.h"

#include <algorithm>
#include <cmath>

TAxisRange PannedRange(const TAxisRange& start, const TAxisRange& current, bool logarithmic, int pixels,
                       int extent)
{
    if (extent <= 0)
        return start;
    const double share = double(pixels) / extent;
    if (logarithmic) {
        const double f = std::exp(std::log(current.High / current.Low) * share);
        return {start.Low * f, start.High * f};
    }
    const double shift = (current.High - current.Low) * share;
    return {start.Low + shift, start.High + shift};
}

TAxisRange ScaledRange(const TAxisRange& start, double factor)
{
    const double center = (start.Low + start.High) / 2;
    const double halfWidth = (start.High - start.Low) * factor / 2;
    return {center - halfWidth, center + halfWidth};
}

TAxisRange OrderedLike(const TAxisRange& axis, double a, double b)
{
    if (axis.Low < axis.High)
        return {std::min(a, b), std::max(a, b)};
    if (axis.Low > axis.High)
        return {std::max(a, b), std::min(a, b)};
    return axis;
}

TAxisRange LimitedRange(TAxisRange range, const TAxisLimits& limits, bool keepWidth)
{
    const double width = range.High - range.Low;
    if (range.Low < limits.Min) {
        range.Low = limits.Min;
        if (keepWidth)
            range.High = limits.Min + width;
    }
    if (range.Low > limits.Max) {
        range.Low = limits.Max;
        if (keepWidth)
            range.High = limits.Max + width;
    }
    if (range.High < limits.Min) {
        range.High = limits.Min;
        if (keepWidth)
            range.Low = limits.Min - width;
    }
    if (range.High > limits.Max) {
        range.High = limits.Max;
        if (keepWidth)
            range.Low = limits.Max - width;
    }
    return range;
}

bool UsableRange(const TAxisRange& range, bool logarithmic, double minRange)
{
    if (!std::isfinite(range.Low) || !std::isfinite(range.High))
        return false;
    if (std::fabs(range.High - range.Low) < minRange)
        return false;
    return !logarithmic || RangeHasLogarithms(range.Low, range.High);
}
