#include "controls/scale/timeticks.h"

#include "controls/scale/ticklabels.h"

#include <cmath>
#include <iterator>

namespace {

struct TTimeStep {
    double Seconds;
    int SubIntervals;
};

constexpr TTimeStep kTimeSteps[] = {
    {0.001, 5}, {0.002, 4}, {0.005, 5}, {0.01, 5},  {0.02, 4},  {0.05, 5},  {0.1, 5},
    {0.2, 4},   {0.5, 5},   {1, 5},     {2, 4},     {5, 5},     {10, 5},    {20, 4},
    {30, 6},    {60, 6},    {120, 6},   {180, 6},   {300, 5},   {600, 5},   {1200, 6},
    {1800, 6},  {3600, 6},  {7200, 4},  {14400, 4}, {21600, 6}, {43200, 6}, {86400, 6},
};
constexpr std::size_t kStepCount = std::size(kTimeSteps);
constexpr std::size_t kFirstWholeSecondStep = 9; // steps before it get milliseconds
constexpr long double kEndTolerance = 0.001L; // of a short step, beyond either end
constexpr int kExtraShortSteps = 5;

// Index of the largest step not above `interval`; kStepCount when there is none.
std::size_t StepIndexFor(double interval)
{
    for (std::size_t i = kStepCount; i-- > 0;) {
        if (kTimeSteps[i].Seconds <= interval)
            return i;
    }
    return kStepCount;
}

} // namespace

std::optional<TAxisTicks> TimeAxisTicks(const TAxisSettings& axis, int minTicks)
{
    const long double low = axis.RangeLow;
    const long double high = axis.RangeHigh;
    const std::size_t index = StepIndexFor(static_cast<double>(std::fabs(high - low) / minTicks));
    if (index >= kStepCount - 1)
        return std::nullopt;

    const long double dir = high > low ? 1 : -1;
    const int subIntervals = kTimeSteps[index].SubIntervals;
    const long double step = dir * kTimeSteps[index].Seconds;
    const long double shortStep = step / subIntervals;
    const bool withMillis = index < kFirstWholeSecondStep;
    // The walk starts on the last multiple of the step at or before RangeLow, so every
    // sub-th position is a long tick; the count of short steps is measured from it, so
    // that the walk always reaches RangeHigh.
    const long double start = std::floor(low / step) * step;
    const long long count = static_cast<long long>(std::trunc((high - start) / shortStep)) + kExtraShortSteps;
    // A position that misses an end by rounding noise, whatever the size of the values,
    // still counts as inside.
    const long double tolerance = kEndTolerance * std::fabs(shortStep);
    const auto inside = [&](long double value) {
        return dir * (value - low) >= -tolerance && dir * (value - high) <= tolerance;
    };

    TAxisTicks result;
    result.Kind = TAxisKind::Time;
    if (axis.ShortTicks) {
        for (long long j = 0; j <= count; ++j) {
            const long double value = start + j * shortStep;
            if (inside(value))
                result.Ticks.push_back({static_cast<double>(value), false, true, {}, {}});
        }
    }
    for (long long j = 0; j <= count; j += subIntervals) {
        const long double value = start + j * shortStep;
        if (inside(value)) {
            result.Ticks.push_back({static_cast<double>(value),
                                    true,
                                    !axis.ShortTicks,
                                    TimeLabel(static_cast<double>(value), withMillis),
                                    {}});
        }
    }
    return result;
}
