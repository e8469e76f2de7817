#include "controls/scale/calendarticks.h"

#include "controls/scale/datelabels.h"
#include "platform/rounding.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace {

constexpr double kEndTolerance = 1e-8; // days beyond RangeHigh
constexpr int kLastYear = 9999;
constexpr double kDaysPerMonth = 30.4375;
constexpr double kDaysPerYear = 365.25;

bool WithinEnd(const TAxisSettings& axis, double tick) { return tick - axis.RangeHigh < kEndTolerance; }

// The largest of `steps` (ascending) not above `limit`; the first one when none is.
int LargestStepNotAbove(std::initializer_list<int> steps, double limit)
{
    int chosen = *steps.begin();
    for (int step : steps) {
        if (step <= limit)
            chosen = step;
    }
    return chosen;
}

double FirstOfMonth(int year, int month) { return EncodeDateTime({year, month, 1, 0, 0, 0, 0}).value_or(0); }

struct TMonth {
    int Year;
    int Month;

    void Advance(int months)
    {
        const int index = Year * 12 + Month - 1 + months;
        Year = index / 12;
        Month = index % 12 + 1;
    }
};

} // namespace

void AddDayTicks(const TAxisSettings& axis, double q, TAxisTicks& result)
{
    const std::optional<TDateTimeParts> start = DecodeTickInstant(axis.RangeLow);
    if (!start)
        return;
    const int step = LargestStepNotAbove({1, 2, 3, 7, 14, 28}, q);
    const int minorStep = step <= 7 ? 1 : 7;
    const double newYear = FirstOfMonth(start->year, 1);
    const auto first =
        static_cast<qint64>(newYear + step * std::trunc(std::trunc(axis.RangeLow - newYear) / step));
    const int advance = axis.ShortTicks ? minorStep : step;
    for (qint64 day = first; WithinEnd(axis, static_cast<double>(day)); day += advance) {
        if (day < axis.RangeLow)
            continue;
        const std::optional<TDateTimeParts> parts = DecodeTickInstant(static_cast<double>(day));
        if (!parts)
            break; // beyond the calendar
        const bool major = (day - first) % step == 0;
        result.Ticks.push_back({static_cast<double>(day),
                                major,
                                true,
                                major ? DateLabel(*parts, axis.DateFormat) : QString(),
                                {}});
    }
}

void AddMonthTicks(const TAxisSettings& axis, double q, TAxisTicks& result)
{
    const std::optional<TDateTimeParts> start = DecodeTickInstant(axis.RangeLow);
    if (!start)
        return;
    const int step = LargestStepNotAbove({1, 2, 3, 4, 6}, q / kDaysPerMonth);
    const auto aligned = [step](int month) { return step == 1 || month % step == 1; };
    TMonth month{start->year, start->month};
    if (!axis.ShortTicks) {
        while (!aligned(month.Month))
            month.Advance(1);
    }
    const int advance = axis.ShortTicks ? 1 : step;
    for (; month.Year <= kLastYear; month.Advance(advance)) {
        const double tick = FirstOfMonth(month.Year, month.Month);
        if (!WithinEnd(axis, tick))
            break;
        if (tick < axis.RangeLow)
            continue;
        const bool major = aligned(month.Month);
        const TDateTimeParts parts{month.Year, month.Month, 1, 0, 0, 0, 0};
        result.Ticks.push_back(
            {tick, major, true, major ? MonthLabel(parts, axis.DateFormat) : QString(), {}});
    }
}

void AddYearTicks(const TAxisSettings& axis, int minTicks, TAxisTicks& result)
{
    const std::optional<TDateTimeParts> start = DecodeTickInstant(axis.RangeLow);
    if (!start)
        return;
    // Major step H = 1, 2 or 5 times a power of ten years; with short ticks the walk
    // takes half or a fifth of it.
    const double years = std::max(1.0, (axis.RangeHigh - axis.RangeLow) / kDaysPerYear / minTicks);
    const double magnitude = std::log10(years);
    const double mantissa = std::pow(10.0, magnitude - std::trunc(magnitude));
    const int factor = mantissa < 2 ? 1 : mantissa < 5 ? 2 : 5;
    const int major = Round(std::trunc(std::pow(10.0, std::trunc(magnitude))) * factor);
    int walk = major;
    if (axis.ShortTicks && major > 1)
        walk = Round(major / (factor == 5 ? 5.0 : 2.0));

    int year = (start->year + walk - 1) / walk * walk;
    if (year == start->year && FirstOfMonth(year, 1) < axis.RangeLow)
        year += walk;
    for (;; year += walk) {
        const int labelYear = std::min(year, kLastYear);
        const double tick = year > kLastYear ? EncodeDateTime({kLastYear, 12, 31, 0, 0, 0, 0}).value_or(0)
                                             : FirstOfMonth(year, 1);
        if (!WithinEnd(axis, tick))
            break;
        const bool isMajor = !axis.ShortTicks || labelYear % major == 0;
        result.Ticks.push_back({tick,
                                isMajor,
                                true,
                                isMajor ? YearLabel(labelYear, axis.DateFormat.YearLength) : QString(),
                                {}});
        if (year > kLastYear)
            break;
    }
}
