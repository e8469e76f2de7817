#include "platform/random.h"

#include <chrono>
#include <random>

namespace Random {

namespace {

std::mt19937_64& Engine()
{
    static std::mt19937_64 engine(0x5DEECE66DULL);
    return engine;
}

} // namespace

void Randomize()
{
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    SetSeed(static_cast<std::uint64_t>(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()));
}

void SetSeed(std::uint64_t seed) { Engine().seed(seed); }

double Next()
{
    // The top 53 bits fill a double's mantissa exactly, so the result is below 1.
    constexpr double kTwoToMinus53 = 1.0 / 9007199254740992.0;
    return static_cast<double>(Engine()() >> 11) * kTwoToMinus53;
}

} // namespace Random
