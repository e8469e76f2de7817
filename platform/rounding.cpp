#include "platform/rounding.h"

#include <cmath>
#include <limits>

std::int64_t RoundHalfEven(long double x)
{
    using Limits = std::numeric_limits<std::int64_t>;
    if (std::isnan(x))
        return 0;
    // 2^63 is exact in every floating type; the int64 range is [-2^63, 2^63).
    const long double twoTo63 = std::ldexp(1.0L, 63);
    if (x >= twoTo63)
        return Limits::max();
    if (x < -twoTo63)
        return Limits::min();

    // floor and the fraction it leaves are exact, whatever the FPU rounding mode.
    const long double whole = std::floor(x);
    const long double fraction = x - whole;
    const auto base = static_cast<std::int64_t>(whole);
    const bool roundUp = fraction > 0.5L || (fraction == 0.5L && base % 2 != 0);
    if (!roundUp)
        return base;
    return base == Limits::max() ? base : base + 1;
}

int Round(double x)
{
    using Limits = std::numeric_limits<int>;
    const std::int64_t r = RoundHalfEven(x);
    if (r > Limits::max())
        return Limits::max();
    if (r < Limits::min())
        return Limits::min();
    return static_cast<int>(r);
}
