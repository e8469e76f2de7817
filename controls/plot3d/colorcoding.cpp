#include "controls/plot3d/colorcoding.h"

#include "platform/rounding.h"

#include <algorithm>

namespace {

int BlendChannel(int from, int to, double t) { return Round(from + t * (to - from)); }

TColor Blend(TColor from, TColor to, double t)
{
    from = ResolveColor(from);
    to = ResolveColor(to);
    return RGBColor(BlendChannel(RedOf(from), RedOf(to), t), BlendChannel(GreenOf(from), GreenOf(to), t),
                    BlendChannel(BlueOf(from), BlueOf(to), t));
}

} // namespace

TColor TColorRamp::ColorOf(double value) const
{
    if (!(value > ScaleLow))
        value = ScaleLow;
    if (value > ScaleHigh)
        value = ScaleHigh;
    const double t = (value - ScaleLow) / (ScaleHigh - ScaleLow);
    if (Mode == TColorCodingMode::ccmTwoColors)
        return Blend(Low, High, t);
    if (t >= 0.5)
        return Blend(Mid, High, (t - 0.5) * 2);
    return Blend(Low, Mid, t * 2);
}

double CellValue(const std::array<double, 4>& cornerHeights, bool average)
{
    if (average)
        return (cornerHeights[0] + cornerHeights[1] + cornerHeights[2] + cornerHeights[3]) / 4;
    return *std::max_element(cornerHeights.begin(), cornerHeights.end());
}
