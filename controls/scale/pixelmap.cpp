#include "controls/scale/pixelmap.h"

#include "controls/common/axismap.h"

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
    const long double low = AxisCoordinate<double>(axis.Logarithmic, axis.RangeLow);
    const long double high = AxisCoordinate<double>(axis.Logarithmic, axis.RangeHigh);
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
    if (axis.Logarithmic && !(value > kLogFloor))
        return BeyondLowEnd(IsHorizontal(axis.ScaleType), axis.RangeHigh < axis.RangeLow, axis.Width,
                            axis.Height);
    const double pixel =
        mapping.PixPerUnit * AxisCoordinate<double>(axis.Logarithmic, value) + mapping.PixOffset;
    return RoundToPixel(pixel);
}
