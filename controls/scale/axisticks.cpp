#include "controls/scale/axisticks.h"

#include "controls/scale/datetimeticks.h"
#include "controls/scale/numericticks.h"
#include "controls/scale/timeticks.h"

#include <algorithm>

namespace {

constexpr int kFewestTicks = 2;
constexpr int kMostTicks = 10;

TAxisTicks TicksOfKind(const TAxisSettings& axis, int minTicks)
{
    switch (axis.LabelType) {
    case TFigType::ftDateTime:
        return DateTimeAxisTicks(axis, minTicks);
    case TFigType::ftTime: {
        if (std::optional<TAxisTicks> time = TimeAxisTicks(axis, minTicks))
            return *time;
        // A range the time steps do not fit is shown as numbers.
        TAxisSettings numeric = axis;
        numeric.LabelType = TFigType::ftNum;
        return NumericAxisTicks(numeric, minTicks);
    }
    case TFigType::ftNoFigs:
    case TFigType::ftNum:
    case TFigType::ftUserText:
        break;
    }
    return NumericAxisTicks(axis, minTicks);
}

} // namespace

TAxisTicks ComputeAxisTicks(const TAxisSettings& axis)
{
    TAxisTicks ticks = TicksOfKind(axis, std::clamp(axis.MinTicks, kFewestTicks, kMostTicks));
    // Each procedure keeps a tick that misses an end of the range by no more than
    // rounding noise; such a tick lies on that end.
    const double lower = std::min(axis.RangeLow, axis.RangeHigh);
    const double upper = std::max(axis.RangeLow, axis.RangeHigh);
    for (TAxisTick& tick : ticks.Ticks)
        tick.Value = std::clamp(tick.Value, lower, upper);
    return ticks;
}
