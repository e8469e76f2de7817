#pragma once
// Turning reals into pixels and integers: to nearest, halves to the even neighbor.
#include <cstdint>

// Rounds half to even. Values beyond the 64-bit range saturate; NaN gives 0.
std::int64_t RoundHalfEven(long double x);

// Rounds half to even into the int range (saturating), as pixel coordinates need.
int Round(double x);
