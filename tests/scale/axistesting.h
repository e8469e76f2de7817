#pragma once
// Helpers that pick parts of a computed axis for comparison.
#include "controls/scale/axisticks.h"

#include <QStringList>
#include <algorithm>
#include <gmock/gmock.h>
#include <vector>

namespace axistesting {

inline TAxisSettings Axis(double low, double high, int minTicks = 3)
{
    TAxisSettings axis;
    axis.RangeLow = low;
    axis.RangeHigh = high;
    axis.MinTicks = minTicks;
    return axis;
}

// The values of the ticks that pass `keep`, in drawing order.
template <typename Keep>
std::vector<double> ValuesWhere(const TAxisTicks& ticks, Keep keep)
{
    std::vector<double> values;
    for (const TAxisTick& tick : ticks.Ticks) {
        if (keep(tick))
            values.push_back(tick.Value);
    }
    return values;
}

inline std::vector<double> LongValues(const TAxisTicks& ticks)
{
    return ValuesWhere(ticks, [](const TAxisTick& tick) { return tick.Long; });
}

inline std::vector<double> ShortValues(const TAxisTicks& ticks)
{
    return ValuesWhere(ticks, [](const TAxisTick& tick) { return !tick.Long; });
}

inline std::vector<double> RecordedValues(const TAxisTicks& ticks)
{
    return ValuesWhere(ticks, [](const TAxisTick& tick) { return tick.Recorded; });
}

// The values of the ticks that lie outside the axis range.
inline std::vector<double> OutsideValues(const TAxisTicks& ticks, const TAxisSettings& axis)
{
    const double lower = std::min(axis.RangeLow, axis.RangeHigh);
    const double upper = std::max(axis.RangeLow, axis.RangeHigh);
    return ValuesWhere(ticks,
                       [&](const TAxisTick& tick) { return tick.Value < lower || tick.Value > upper; });
}

inline QStringList LongLabels(const TAxisTicks& ticks)
{
    QStringList labels;
    for (const TAxisTick& tick : ticks.Ticks) {
        if (tick.Long)
            labels << tick.Label;
    }
    return labels;
}

} // namespace axistesting
