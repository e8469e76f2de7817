#include "controls/scale/pixelmap.h"

#include "platform/rounding.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kLogFloor = 1e-100;
constexpr double kPixelLimit = 2147483647.0;

// The value scale used along the axis: the value itself, or its logarithm.
double AxisCoordinate(const TAxisSettings& axis, double value)
{
    return axis.Logarithmic ? std::log(value) : value;
}

// The pixel just beyond the low end of the range: the control's edge on that side.
double BeyondLowEnd(const TAxisSettings& axis)
{
    const bool reversed = axis.RangeHigh < axis.RangeLow;
    if (IsHorizontal(axis.ScaleType))
        return reversed ? axis.Width : 0;
    return reversed ? 0 : axis.Height;
}

} // namespace

void RecalcScaling(const TAxisSettings& axis, TPixelMapping& mapping)
{
    if (axis.RangeHigh == axis.RangeLow)
        return;
    const bool horizontal = IsHorizontal(axis.ScaleType);
    const int length = horizontal ? axis.Width - axis.MarginLeft - axis.MarginRight - 1
                                  : axis.Height - axis.MarginTop - axis.MarginBottom - 1;
    if (length <= 0) {
        mapping.PixPerUnit = 0;
        mapping.PixOffset = (horizontal ? axis.Width : axis.Height) / 2.0;
        return;
    }
    if (axis.Logarithmic && (axis.RangeLow <= 0 || axis.RangeHigh <= 0))
        return;
    const long double low = AxisCoordinate(axis, axis.RangeLow);
    const long double high = AxisCoordinate(axis, axis.RangeHigh);
    if (horizontal) {
        mapping.PixPerUnit = static_cast<double>(length / (high - low));
        mapping.PixOffset = static_cast<double>(axis.MarginLeft - low * mapping.PixPerUnit);
    } else {
        mapping.PixPerUnit = static_cast<double>(length / (low - high));
        mapping.PixOffset = static_cast<double>(axis.MarginTop - high * mapping.PixPerUnit);
    }
}

int ValueToPixel(const TAxisSettings& axis, const TPixelMapping& mapping, double value)
{
    double pixel = 0;
    if (axis.Logarithmic && !(value > kLogFloor))
        pixel = BeyondLowEnd(axis);
    else
        pixel = mapping.PixPerUnit * AxisCoordinate(axis, value) + mapping.PixOffset;
    return Round(std::clamp(pixel, -kPixelLimit, kPixelLimit));
}
