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
    // Inside the int range a double holds its floor and the fraction that leaves
    // exactly, so plain double arithmetic gives what the long double path gives, and
    // pixel coordinates are rounded by the thousand per frame. NaN fails the test.
    if (x > Limits::min() && x < Limits::max()) {
        // Without branches: which way a coordinate rounds is anybody's guess.
        const int truncated = static_cast<int>(x);
        const int base = truncated - int(x < truncated); // the floor
        const double fraction = x - base;
        return base + int(fraction > 0.5) + (int(fraction == 0.5) & base);
    }
    const std::int64_t r = RoundHalfEven(x);
    if (r > Limits::max())
        return Limits::max();
    if (r < Limits::min())
        return Limits::min();
    return static_cast<int>(r);
}
