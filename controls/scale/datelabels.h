#pragma once
// Texts of date/time tick labels, built from the TDTLabel options.
#include "controls/scale/axissettings.h"
#include "platform/format.h"

#include <QString>
#include <optional>

// The sub-day tick levels, by the unit their steps count in.
enum class TClockLevel { Hours, Minutes, Seconds, Hundredths };

// The calendar fields of a tick instant in days; magnitudes below 1e-8 count as 0.
// Empty outside the years 1 to 9999.
std::optional<TDateTimeParts> DecodeTickInstant(double days);

// The time of day as the level and the time format write it, e.g. "14:05", "14h05",
// "2:05pm"; hundredths are written with two digits.
QString ClockLabel(const TDateTimeParts& parts, TClockLevel level, const TDateLabelOptions& options);

// Day, month and year in the date order, e.g. "15-Mar-2007", "03-15-07", "15-Mar".
QString DateLabel(const TDateTimeParts& parts, const TDateLabelOptions& options);

// Month and year, e.g. "Mar-07", "07-Mar"; the month alone without a year part.
QString MonthLabel(const TDateTimeParts& parts, const TDateLabelOptions& options);

// The year: two digits, all its digits without leading zeros, or nothing.
QString YearLabel(int year, TYearLength length);
