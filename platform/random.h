#pragma once
// The program's uniform random source over [0, 1).
// Seeded from the clock at start; tests and screenshots seed it with a fixed number.
#include <cstdint>

namespace Random {

// Seeds the generator from the clock.
void Randomize();
// Seeds the generator with a fixed value, so the following draws repeat exactly.
void SetSeed(std::uint64_t seed);
// Next uniform number in [0, 1).
double Next();

} // namespace Random
