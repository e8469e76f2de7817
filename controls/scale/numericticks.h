#pragma once
// Tick positions and labels of numeric axes: linear, and logarithmic with decade ticks.
#include "controls/scale/axisticks.h"

// The ticks of a numeric axis with the given number of tick intervals (2..10).
// Logarithmic axes of less than a decade get linear ticks; logarithmic axes with a
// limit <= 0 and axes with a limit that is not finite get none.
TAxisTicks NumericAxisTicks(const TAxisSettings& axis, int minTicks);
