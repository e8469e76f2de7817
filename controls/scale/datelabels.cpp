#include "controls/scale/datelabels.h"

#include <cmath>

namespace {

QString Padded(int number, int width)
{
    return QStringLiteral("%1").arg(number, width, 10, QLatin1Char('0'));
}

int TwelveHourClock(int hour) { return hour % 12 == 0 ? 12 : hour % 12; }

QString AmPm(int hour) { return QString::fromLatin1(hour < 12 ? "am" : "pm"); }

QString Hundredths(const TDateTimeParts& parts) { return QLatin1Char('.') + Padded(parts.msec / 10, 2); }

// "14:05", "14:05:30", "14:05:30.25"
QString TwentyFourHourLabel(const TDateTimeParts& parts, TClockLevel level, QChar separator)
{
    QString text = Padded(parts.hour, 2) + separator + Padded(parts.minute, 2);
    if (level == TClockLevel::Seconds || level == TClockLevel::Hundredths)
        text += separator + Padded(parts.second, 2);
    if (level == TClockLevel::Hundredths)
        text += Hundredths(parts);
    return text;
}

// "14h", "14h05", "14h05:30", "14h05:30.25"
QString HourLetterLabel(const TDateTimeParts& parts, TClockLevel level, QChar separator)
{
    QString text = QString::number(parts.hour) + QLatin1Char('h');
    if (level == TClockLevel::Hours)
        return text;
    text += Padded(parts.minute, 2);
    if (level == TClockLevel::Seconds || level == TClockLevel::Hundredths)
        text += separator + Padded(parts.second, 2);
    if (level == TClockLevel::Hundredths)
        text += Hundredths(parts);
    return text;
}

// "2pm", "2:05pm", "2:05.30pm", "2:05.30.25pm"
QString TwelveHourLabel(const TDateTimeParts& parts, TClockLevel level, QChar separator)
{
    QString text = QString::number(TwelveHourClock(parts.hour));
    if (level != TClockLevel::Hours)
        text += separator + Padded(parts.minute, 2);
    if (level == TClockLevel::Seconds || level == TClockLevel::Hundredths)
        text += QLatin1Char('.') + Padded(parts.second, 2);
    if (level == TClockLevel::Hundredths)
        text += Hundredths(parts);
    return text + AmPm(parts.hour);
}

QString MonthPart(const TDateTimeParts& parts, const TDateLabelOptions& options)
{
    if (options.MonthName)
        return options.Locale.monthName(parts.month, QLocale::ShortFormat);
    return Padded(parts.month, 2);
}

QString YearPart(int year, TYearLength length)
{
    switch (length) {
    case TYearLength::ylNone:
        return {};
    case TYearLength::ylYY:
        return Padded(year % 100, 2);
    case TYearLength::ylYYYY:
        return Padded(year, 4);
    }
    return {};
}

} // namespace

std::optional<TDateTimeParts> DecodeTickInstant(double days)
{
    return DecodeDateTime(std::fabs(days) < 1e-8 ? 0.0 : days);
}

QString ClockLabel(const TDateTimeParts& parts, TClockLevel level, const TDateLabelOptions& options)
{
    switch (options.TimeFormat) {
    case TTimeFormat::tfHHMMSS:
        return TwentyFourHourLabel(parts, level, options.TimeSeparator);
    case TTimeFormat::tfHHhMM:
        return HourLetterLabel(parts, level, options.TimeSeparator);
    case TTimeFormat::tfAMPM:
        return TwelveHourLabel(parts, level, options.TimeSeparator);
    }
    return {};
}

QString DateLabel(const TDateTimeParts& parts, const TDateLabelOptions& options)
{
    const QChar d = options.DateSeparator;
    const QString day = Padded(parts.day, 2);
    const QString month = MonthPart(parts, options);
    if (options.YearLength == TYearLength::ylNone)
        return options.DateOrder == TDateOrder::doDDMMYY ? day + d + month : month + d + day;
    const QString year = YearPart(parts.year, options.YearLength);
    switch (options.DateOrder) {
    case TDateOrder::doMMDDYY:
        return month + d + day + d + year;
    case TDateOrder::doDDMMYY:
        return day + d + month + d + year;
    case TDateOrder::doYYMMDD:
        return year + d + month + d + day;
    }
    return {};
}

QString MonthLabel(const TDateTimeParts& parts, const TDateLabelOptions& options)
{
    const QString month = MonthPart(parts, options);
    if (options.YearLength == TYearLength::ylNone)
        return month;
    const QString year = YearPart(parts.year, options.YearLength);
    const QChar d = options.DateSeparator;
    return options.DateOrder == TDateOrder::doYYMMDD ? year + d + month : month + d + year;
}

QString YearLabel(int year, TYearLength length)
{
    return length == TYearLength::ylYYYY ? QString::number(year) : YearPart(year, length);
}
