#pragma once
// Date/time ticks at calendar steps: days, months and years.
#include "controls/scale/axisticks.h"

// Appends day ticks with `q` days per wanted tick interval (1 < q <= 30): steps of
// 1, 2, 3, 7, 14 or 28 days counted from 1 January of RangeLow's year.
void AddDayTicks(const TAxisSettings& axis, double q, TAxisTicks& result);

// Appends month ticks with `q` days per wanted tick interval (30 < q <= 366): steps of
// 1, 2, 3, 4 or 6 months on the first of the month, aligned to January.
void AddMonthTicks(const TAxisSettings& axis, double q, TAxisTicks& result);

// Appends year ticks on 1 January at steps of 1, 2, 5, 10, 20, 50, ... years, for the
// given number of tick intervals; 31 December 9999 stands in for the years after it.
void AddYearTicks(const TAxisSettings& axis, int minTicks, TAxisTicks& result);
