#pragma once
// Round tick spacing for a value range: a step of 1, 2 or 5 times a power of ten,
// the first tick of the range and the number of short-tick intervals per step.
#include <cstdint>

struct TTickSpacing {
    long double FirstTick = 0; // first long tick at or after Low, in axis direction
    long double Step = 0; // signed distance between long ticks; 0 for Low = High
    std::uint16_t SubIntervals = 1; // short-tick intervals per step: 5, 4, 5 for mantissa 1, 2, 5
};

// The spacing of at least `numIntervals` intervals (counts below 1 count as 1) from
// `low` to `high`; `high` may lie below `low`. The range spans at least numIntervals
// and fewer than 2.5 × numIntervals steps; the first tick may lie up to 0.1 % of a
// step before `low`.
TTickSpacing CalcTickSpacing(int numIntervals, long double low, long double high);

void CalcTickSpacing(int numIntervals, long double low, long double high, long double& firstTick,
                     long double& step, std::uint16_t& subIntervals);
