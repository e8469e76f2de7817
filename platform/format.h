#pragma once
// Number and date/time texts as the controls write them. Nothing here depends on the
// user's locale except the short month names of the date/time patterns: the decimal
// separator is always ".".
//
// Numbers are rounded from their exact binary value to the nearest decimal, halves away
// from zero (0.125 with two decimals gives 0.13, 2.5 with none gives 3). A value that
// shows only zero digits never gets a "-". NaN gives "NAN", infinities "INF" and "-INF".
// Digit counts are limited to 0..100 decimals and 1..100 significant digits.
#include <QLocale>
#include <QString>
#include <optional>

// What stands in front of a number that is not negative.
enum class TPositiveSign { None, Blank };

// Fixed-point: an optional "-", the integer digits, and when decimals > 0 a "." followed
// by exactly `decimals` digits (a negative count counts as 0). No padding, no grouping,
// no switch to scientific form however large the value is.
QString FormatFixed(long double value, int decimals);

// Scientific: `significantDigits` digits in all, one of them before the "." (no "." when
// there is only one), then "E", the exponent's sign ("+" or "-") and the exponent
// zero-filled to at least `exponentDigits` digits: FormatExponent(1234.5, 3, 3) gives
// "1.23E+003". With TPositiveSign::Blank a value that is not negative starts with a
// blank where others have the "-" (" 1.5E+03").
QString FormatExponent(long double value, int significantDigits, int exponentDigits,
                       TPositiveSign positiveSign = TPositiveSign::None);

// General: the value rounded to `precision` significant digits (at least 1), written in
// the shortest form: trailing zeros and a bare "." are dropped. Fixed-point unless the
// rounded value's integer part needs more than `precision` digits or its magnitude is
// below 0.00001; then scientific as FormatExponent writes it, with at least three
// exponent digits ("1.5E+006", "1E-006").
QString FormatGeneral(long double value, int precision);

// A date/time value counts days since 30 December 1899 00:00 on a continuous time line:
// 0.5 is noon of that day and -1.25 is 28 December 1899 18:00 (the day is the floor of
// the value, the time of day what lies above it). The calendar is the Gregorian one for
// the years 1 to 9999; times are kept to the millisecond.
struct TDateTimeParts {
    int year = 1899;
    int month = 12;
    int day = 30;
    int hour = 0;
    int minute = 0;
    int second = 0;
    int msec = 0;
};

// Splits a date/time value into its calendar fields, rounding to the nearest
// millisecond (a time that rounds up to midnight belongs to the next day). Empty for
// NaN, infinities and instants outside the years 1 to 9999.
std::optional<TDateTimeParts> DecodeDateTime(double value);

// The date/time value of the given fields; empty when a field is out of its range
// (year 1..9999, a day that the month has, hour 0..23, minute and second 0..59,
// msec 0..999).
std::optional<double> EncodeDateTime(const TDateTimeParts& parts);

// Writes a date/time value by a pattern. Letters are matched without regard to case,
// the longest token first:
//   yyyy  year, at least four digits     yy   year within its century, two digits
//   mmm   short month name of `locale`   mm   month 01..12    m   month 1..12
//   dd    day 01..31                     d    day 1..31
//   hh    hour 00..23                    h    hour 0..23
//   nn    minute 00..59                  n    minute 0..59
//   ss    second 00..59                  s    second 0..59
//   zzz   milliseconds 000..999          zz, z  milliseconds 0..999 without leading zeros
//   am/pm "am" before noon, "pm" after it, in the pattern's own letter case; anywhere
//         in the pattern it turns h and hh to the 12-hour clock (12, 1, ..., 11)
// Text between double quotes is copied without its quotes; every other character is
// copied as it is. A value whose magnitude is below 1e-8 is taken as 0 first. Empty when
// the value cannot be decoded (see DecodeDateTime).
std::optional<QString> FormatDateTime(const QString& pattern, double value,
                                      const QLocale& locale = QLocale());
