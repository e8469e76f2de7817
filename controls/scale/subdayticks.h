#pragma once
// Date/time ticks at steps of hours, minutes, seconds or hundredths of a second.
#include "controls/scale/axisticks.h"
#include "controls/scale/datelabels.h"

// Appends the ticks of a date/time axis at `level` for the given number of tick
// intervals: major ticks with clock labels and the date lines that DateForTime asks
// for, minor ticks between them when ShortTicks is on. The steps are chosen from the
// range in whole milliseconds, so that ranges such as 14:00..14:30 get round steps;
// no tick lies outside the range.
void AddSubDayTicks(const TAxisSettings& axis, TClockLevel level, int minTicks, TAxisTicks& result);
