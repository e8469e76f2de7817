#pragma once
// Mapping of an axis's values onto pixels along the axis. What it shares with the
// chart's layer transform, and why its factors are its own: controls/common/axismap.h.
#include "controls/scale/axissettings.h"

struct TPixelMapping {
    double PixPerUnit = 1; // pixels per value unit (per unit of ln on logarithmic axes)
    double PixOffset = 0; // pixel of value 0 (of value 1 on logarithmic axes)
};

// Recomputes `mapping` so that RangeLow lies at the start of the axis (MarginLeft, or
// Height - MarginBottom - 1 on vertical axes) and RangeHigh at its end (Width -
// MarginRight - 1, or MarginTop). An axis without room maps everything to the middle.
// Leaves `mapping` alone when the range is empty, or logarithmic with a limit <= 0.
void RecalcScaling(const TAxisSettings& axis, TPixelMapping& mapping);

// The pixel of `value` along the axis (x on horizontal, y on vertical axes). On a
// logarithmic axis a value of 1e-100 or less lies at the control's edge beyond the
// low end of the range.
int ValueToPixel(const TAxisSettings& axis, const TPixelMapping& mapping, double value);
