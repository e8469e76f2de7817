#include "controls/scale/axisticks.h"

#include "controls/scale/datetimeticks.h"
#include "controls/scale/numericticks.h"
#include "controls/scale/timeticks.h"

#include <algorithm>

namespace {

constexpr int kFewestTicks = 2;
constexpr int kMostTicks = 10;

} // namespace

TAxisTicks ComputeAxisTicks(const TAxisSettings& axis)
{
    const int minTicks = std::clamp(axis.MinTicks, kFewestTicks, kMostTicks);
    switch (axis.LabelType) {
    case ftDateTime: return DateTimeAxisTicks(axis, minTicks);
    case ftTime: {
        if (std::optional<TAxisTicks> time = TimeAxisTicks(axis, minTicks))
            return *time;
        // A range the time steps do not fit is shown as numbers.
        TAxisSettings numeric = axis;
        numeric.LabelType = ftNum;
        return NumericAxisTicks(numeric, minTicks);
    }
    case ftNoFigs:
    case ftNum:
    case ftUserText: break;
    }
    return NumericAxisTicks(axis, minTicks);
}
