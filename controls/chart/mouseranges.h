#pragma once
// The axis ranges that panning, zooming and pan limits produce. A pixel distance is
// measured along the axis's extent on screen; "value direction" means towards the
// axis's High end.
#include "controls/chart/zoomhistory.h"

// The range reached by dragging the start range `pixels` pixels in the value
// direction over a data area `extent` pixels long: a linear axis moves by the current
// range's share of its width, a logarithmic one by that share of the current range's
// ratio. Without extent the start range is kept.
TAxisRange PannedRange(const TAxisRange& start, const TAxisRange& current, bool logarithmic, int pixels,
                       int extent);

// The start range shrunk about its center to `factor` times its width, keeping its
// direction.
TAxisRange ScaledRange(const TAxisRange& start, double factor);

// The range between two values that runs the way `axis` runs: increasing when axis
// does, decreasing when axis does; axis itself when its ends are equal.
TAxisRange OrderedLike(const TAxisRange& axis, double a, double b);

// The lowest and highest value an axis may reach; both 0 means no limit.
struct TAxisLimits {
    double Min = 0;
    double Max = 0;

    bool Active() const { return Min != 0 || Max != 0; }
};

// Limits each end of range to [limits.Min, limits.Max]. When keepWidth is on (a
// pan), moving one end moves the other with it so that the width stays.
TAxisRange LimitedRange(TAxisRange range, const TAxisLimits& limits, bool keepWidth);

// Whether an axis can take the range: finite ends at least minRange apart and, on a
// logarithmic axis, both ends at least 1e-100.
bool UsableRange(const TAxisRange& range, bool logarithmic, double minRange);

// The limits of both axes, the same for every layer.
struct TPanLimits {
    TAxisLimits X;
    TAxisLimits Y;
};
