#include "controls/chart/axistransform.h"

#include "controls/chart/scaleprops.h"
#include "controls/common/axismap.h"

#include <cmath>
#include <cstring>

namespace {

// The map sending the axis's low end to pixel lowPixel and its high end to highPixel.
// extent is the data area's size along the axis; center is where everything goes when
// the map cannot be built.
TAxisTransform TransformBetween(int lowPixel, int highPixel, int extent, long double center,
                                const TScaleProps& axis)
{
    TAxisTransform t;
    t.Logarithmic = axis.Logarithmic();
    t.RangeLow = axis.RangeLow();
    const long double fLow = AxisCoordinate<long double>(t.Logarithmic, axis.RangeLow());
    const long double fHigh = AxisCoordinate<long double>(t.Logarithmic, axis.RangeHigh());
    const long double span = fHigh - fLow;
    if (extent <= 0 || span == 0 || !std::isfinite(span)) {
        t.SetMap(0, center);
        return t;
    }
    t.SetMap((highPixel - lowPixel) / span, (lowPixel * fHigh - highPixel * fLow) / span);
    return t;
}

} // namespace

void TAxisTransform::SetMap(long double k, long double d)
{
    m_k = k;
    m_d = d;
    m_kQuick = double(k);
    m_dQuick = double(d);
    // The double product k * value is at most kSafePixel + |d| + 1 where the quick
    // path is used, so this bounds (|product| + |offset| + 1) * 2^-45 for every value.
    m_slack = (kSafePixel + 2 * std::fabs(m_dQuick) + 2) * 0x1p-45;
}

WITH_WIDER_VECTORS
void TAxisTransform::ToPixels(std::span<const double> values, std::span<int> pixels) const
{
    std::size_t quick = 0;
    if (!Logarithmic) {
        using Four = Lanes::Four;
        for (; quick + Four::kCount <= values.size(); quick += Four::kCount) {
            Four::Doubles some;
            Four::Ints placed;
            std::memcpy(&some, &values[quick], sizeof some);
            QuickPixels<Four>(some, placed);
            std::memcpy(&pixels[quick], &placed, sizeof placed);
        }
        for (std::size_t i = 0; i < quick; ++i)
            if (pixels[i] == kNotQuick)
                pixels[i] = ToPixelExactly(values[i]);
    }
    for (std::size_t i = quick; i < values.size(); ++i)
        pixels[i] = ToPixel(values[i]);
}

int TAxisTransform::ToPixelExactly(double value) const
{
    if (Logarithmic && value <= kLogFloor)
        return UnderflowPixel;
    return RoundToPixel(m_k * AxisCoordinate<long double>(Logarithmic, value) + m_d);
}

double TAxisTransform::ToValue(double pixel) const
{
    if (m_k == 0)
        return RangeLow;
    const long double f = (pixel - m_d) / m_k;
    return double(Logarithmic ? std::exp(f) : f);
}

TAxisTransform HorizontalTransform(const TChartGeometry& geometry, const TScaleProps& axis)
{
    TAxisTransform t = TransformBetween(geometry.LRim, geometry.DataRight(), geometry.DataWidth(),
                                        geometry.Width / 2.0L, axis);
    t.UnderflowPixel =
        BeyondLowEnd(true, axis.RangeHigh() < axis.RangeLow(), geometry.Width, geometry.Height);
    return t;
}

TAxisTransform VerticalTransform(const TChartGeometry& geometry, const TScaleProps& axis)
{
    TAxisTransform t = TransformBetween(geometry.DataBottom(), geometry.TRim, geometry.DataHeight(),
                                        geometry.Height / 2.0L, axis);
    t.UnderflowPixel =
        BeyondLowEnd(false, axis.RangeHigh() < axis.RangeLow(), geometry.Width, geometry.Height);
    return t;
}
