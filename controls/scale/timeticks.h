#pragma once
// Ticks of a time axis, whose values are seconds, at clock-friendly steps.
#include "controls/scale/axisticks.h"

#include <optional>

// The ticks and clock labels of a time axis with the given number of tick intervals
// (2..10); empty when the axis needs steps below a millisecond or of a day or more.
std::optional<TAxisTicks> TimeAxisTicks(const TAxisSettings& axis, int minTicks);
