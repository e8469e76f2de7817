#pragma once
// Ticks of a date/time axis, whose values are days since 30 December 1899 00:00, at
// calendar steps: hundredths of a second up to years.
#include "controls/scale/axisticks.h"

enum class TDateTimeLevel { TooFine, Hundredths, Seconds, Minutes, Hours, Days, Months, Years };

// The level for `daysPerInterval` days per wanted tick interval. Vertical axes reach
// down to hundredths of a second, horizontal ones to seconds.
TDateTimeLevel SelectDateTimeLevel(double daysPerInterval, bool horizontal);

// The ticks and labels of a date/time axis with the given number of tick intervals
// (2..10), or the message that replaces them for a reversed range, a range outside
// -693593..3000000 or a range too fine for the axis. No tick lies beyond 31 December
// 9999.
TAxisTicks DateTimeAxisTicks(const TAxisSettings& axis, int minTicks);
