#pragma once
// A color ramp through three colors: low at 0, mid at 0.5 and high at 1.
#include "platform/color.h"

// Maps x (clamped to 0..1; NaN counts as 0) onto the ramp. Each 8-bit channel is
// interpolated separately and truncated toward zero; the result's top byte is 0.
TColor ColorRamp3(TColor low, TColor mid, TColor high, double x);
