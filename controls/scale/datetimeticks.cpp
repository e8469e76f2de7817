#include "controls/scale/datetimeticks.h"

#include "controls/scale/calendarticks.h"
#include "controls/scale/subdayticks.h"

namespace {

constexpr double kFirstDay = -693593; // 1 January of year 1
constexpr double kLastValue = 3000000;

const QStringList kInvalidLines{QStringLiteral("invalid"), QStringLiteral("DateTime"),
                                QStringLiteral("scale")};
const QStringList kTooFineLines{QStringLiteral("DateTime"), QStringLiteral("range is"),
                                QStringLiteral("below 1"), QStringLiteral("second")};

void SetMessage(TAxisTicks& result, const QStringList& lines)
{
    result.Message = lines.join(QLatin1Char(' '));
    result.MessageLines = lines;
}

TDateTimeLevel DayOrLongerLevel(double q)
{
    if (q <= 1)
        return TDateTimeLevel::Hours;
    if (q <= 30)
        return TDateTimeLevel::Days;
    return q > 366 ? TDateTimeLevel::Years : TDateTimeLevel::Months;
}

} // namespace

TDateTimeLevel SelectDateTimeLevel(double q, bool horizontal)
{
    if (horizontal) {
        if (q <= 1.1574e-5)
            return TDateTimeLevel::TooFine;
        if (q <= 6.9444e-4)
            return TDateTimeLevel::Seconds;
    } else {
        if (q <= 1.0 / 8640000)
            return TDateTimeLevel::TooFine;
        if (q <= 1.0 / 86400)
            return TDateTimeLevel::Hundredths;
        if (q <= 1.0 / 1440)
            return TDateTimeLevel::Seconds;
    }
    if (q <= 0.041667)
        return TDateTimeLevel::Minutes;
    return DayOrLongerLevel(q);
}

TAxisTicks DateTimeAxisTicks(const TAxisSettings& axis, int minTicks)
{
    TAxisTicks result;
    result.Kind = TAxisKind::DateTime;
    const bool valid =
        axis.RangeLow <= axis.RangeHigh && axis.RangeLow >= kFirstDay && axis.RangeHigh <= kLastValue;
    if (!valid) {
        SetMessage(result, kInvalidLines);
        return result;
    }
    const double q = (axis.RangeHigh - axis.RangeLow) / minTicks;
    switch (SelectDateTimeLevel(q, IsHorizontal(axis.ScaleType))) {
    case TDateTimeLevel::TooFine:
        SetMessage(result, kTooFineLines);
        break;
    case TDateTimeLevel::Hundredths:
        AddSubDayTicks(axis, TClockLevel::Hundredths, minTicks, result);
        break;
    case TDateTimeLevel::Seconds:
        AddSubDayTicks(axis, TClockLevel::Seconds, minTicks, result);
        break;
    case TDateTimeLevel::Minutes:
        AddSubDayTicks(axis, TClockLevel::Minutes, minTicks, result);
        break;
    case TDateTimeLevel::Hours:
        AddSubDayTicks(axis, TClockLevel::Hours, minTicks, result);
        break;
    case TDateTimeLevel::Days:
        AddDayTicks(axis, q, result);
        break;
    case TDateTimeLevel::Months:
        AddMonthTicks(axis, q, result);
        break;
    case TDateTimeLevel::Years:
        AddYearTicks(axis, minTicks, result);
        break;
    }
    return result;
}
