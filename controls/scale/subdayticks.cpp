#include "controls/scale/subdayticks.h"

#include "platform/rounding.h"

#include <array>
#include <cmath>
#include <optional>

namespace {

constexpr qint64 kMSecsPerDay = 86400000;
constexpr long double kEndTolerance = 0.001L; // of a minor step, beyond either end

struct TStepPair {
    int Major;
    int Minor;
};

struct TLevelSteps {
    qint64 UnitMSecs;
    std::array<TStepPair, 6> Steps; // ascending major steps in units
};

const TLevelSteps& StepsOf(TClockLevel level)
{
    static const TLevelSteps kHours{3600000, {{{1, 1}, {2, 1}, {3, 1}, {6, 2}, {8, 2}, {12, 3}}}};
    static const TLevelSteps kMinutes{60000, {{{1, 1}, {2, 1}, {5, 1}, {10, 2}, {20, 5}, {30, 10}}}};
    static const TLevelSteps kSeconds{1000, {{{1, 1}, {2, 1}, {5, 1}, {10, 2}, {20, 5}, {30, 10}}}};
    static const TLevelSteps kHundredths{10, {{{1, 1}, {2, 1}, {5, 1}, {10, 5}, {20, 10}, {50, 10}}}};
    switch (level) {
    case TClockLevel::Hours:
        return kHours;
    case TClockLevel::Minutes:
        return kMinutes;
    case TClockLevel::Seconds:
        return kSeconds;
    case TClockLevel::Hundredths:
        break;
    }
    return kHundredths;
}

// Major and minor step in milliseconds: the largest major step not above the wanted
// interval (the smallest one when none fits).
TStepPair StepsInMSecs(TClockLevel level, double msecsPerInterval)
{
    const TLevelSteps& steps = StepsOf(level);
    const double unitsPerInterval = msecsPerInterval / steps.UnitMSecs;
    TStepPair chosen = steps.Steps.front();
    for (const TStepPair& pair : steps.Steps) {
        if (pair.Major <= unitsPerInterval)
            chosen = pair;
    }
    return {static_cast<int>(chosen.Major * steps.UnitMSecs),
            static_cast<int>(chosen.Minor * steps.UnitMSecs)};
}

qint64 FloorDiv(qint64 a, qint64 b)
{
    const qint64 quotient = a / b;
    return quotient * b > a ? quotient - 1 : quotient;
}

qint64 CeilDiv(qint64 a, qint64 b) { return -FloorDiv(-a, b); }

double ToDays(qint64 msecs) { return static_cast<double>(static_cast<long double>(msecs) / kMSecsPerDay); }

// Decides which major ticks carry a date line, by the DateForTime option.
class TDateLineWriter {
public:
    explicit TDateLineWriter(const TDateLabelOptions& options)
        : m_options(options)
    {
    }

    QString For(const TDateTimeParts& parts)
    {
        if (!Wanted(parts))
            return {};
        m_lastDay = parts.day;
        ++m_written;
        return DateLabel(parts, m_options);
    }

private:
    bool Wanted(const TDateTimeParts& parts) const
    {
        switch (m_options.DateForTime) {
        case TDateForTime::dtNone:
            return false;
        case TDateForTime::dtOnePerChart:
            return m_written == 0;
        case TDateForTime::dtOnePerDay:
            return m_lastDay != parts.day;
        case TDateForTime::dtAllTicks:
            return true;
        }
        return false;
    }

    const TDateLabelOptions& m_options;
    int m_lastDay = 0; // day of the month of the last date written; 0 before the first
    int m_written = 0;
};

long double ExactMSecs(double days) { return static_cast<long double>(days) * kMSecsPerDay; }

qint64 ToMSecs(double days) { return RoundHalfEven(ExactMSecs(days)); }

} // namespace

void AddSubDayTicks(const TAxisSettings& axis, TClockLevel level, int minTicks, TAxisTicks& result)
{
    const TStepPair steps =
        StepsInMSecs(level, static_cast<double>(ToMSecs(axis.RangeHigh) - ToMSecs(axis.RangeLow)) / minTicks);
    // Ticks lie on whole milliseconds; one that misses an end of the range by rounding
    // noise still counts as inside, one that misses it by more does not.
    const long double tolerance = kEndTolerance * steps.Minor;
    const qint64 low = static_cast<qint64>(std::ceil(ExactMSecs(axis.RangeLow) - tolerance));
    const long double high = ExactMSecs(axis.RangeHigh) + tolerance;
    // The first multiple of the major step after midnight of RangeLow's day that is
    // not before RangeLow; with short ticks the minor ticks before it come first.
    const qint64 midnight = FloorDiv(low, kMSecsPerDay) * kMSecsPerDay;
    qint64 tick = midnight + CeilDiv(low - midnight, steps.Major) * steps.Major;
    if (axis.ShortTicks) {
        while (tick > low)
            tick -= steps.Minor;
    }
    const qint64 advance = axis.ShortTicks ? steps.Minor : steps.Major;
    TDateLineWriter dateLines(axis.DateFormat);
    for (; tick <= high; tick += advance) {
        if (tick < low)
            continue;
        const std::optional<TDateTimeParts> parts = DecodeTickInstant(ToDays(tick));
        if (!parts)
            break; // beyond the calendar
        const bool major = !axis.ShortTicks || tick % steps.Major == 0;
        TAxisTick entry{ToDays(tick), major, true, {}, {}};
        if (major) {
            entry.Label = ClockLabel(*parts, level, axis.DateFormat);
            entry.DateLine = dateLines.For(*parts);
        }
        result.Ticks.push_back(entry);
    }
}
