#include "controls/scale/ticks.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr long double kLog10Of2 = 0.30102999566398120L;
constexpr long double kLog10Of5 = 0.69897000433601886L;
constexpr long double kEpsilon = 1e-10L;
constexpr long double kAlmostOne = 0.9999999999L;
constexpr long double kFirstTickTolerance = 0.001L;
constexpr int kMaxFirstTickMoves = 3;

struct TStepChoice {
    long double Exponent; // log10 of the step's magnitude
    std::uint16_t SubIntervals;
};

// Splits log10(quotient) into a floor and a fraction 0 <= f < 1 and picks the mantissa
// by the fraction. Exact powers of ten, whose logarithm comes out a hair off an
// integer, are kept on the integer.
TStepChoice ChooseStep(long double quotient)
{
    long double x = std::log(quotient) / std::log(10.0L);
    long double f = x - std::trunc(x);
    if (std::fabs(f) < kEpsilon || std::fabs(f) > kAlmostOne) {
        x = std::round(x);
        f = 0;
    }
    if (x < 0 && f != 0)
        x -= 1;
    if (f < 0)
        f += 1;
    const long double whole = std::trunc(x);
    if (f < kLog10Of2 + kEpsilon)
        return {whole, 5};
    if (f < kLog10Of5 + kEpsilon)
        return {whole + kLog10Of2, 4};
    return {whole + kLog10Of5, 5};
}

} // namespace

TTickSpacing CalcTickSpacing(int numIntervals, long double low, long double high)
{
    if (low == high)
        return {low, 0, 1};
    const long double dir = low < high ? 1 : -1;
    const TStepChoice choice = ChooseStep(std::fabs(high - low) / std::max(numIntervals, 1));
    TTickSpacing spacing;
    spacing.SubIntervals = choice.SubIntervals;
    spacing.Step = dir * std::exp(choice.Exponent * std::log(10.0L));
    // One step before the multiple below `low`, so at most two steps reach the first
    // tick; the bound only matters for steps too fine to move `low` at all.
    spacing.FirstTick = (std::trunc(low / spacing.Step) - 1) * spacing.Step;
    for (int moves = 0; moves < kMaxFirstTickMoves
         && dir * (low - spacing.FirstTick) > kFirstTickTolerance * std::fabs(spacing.Step);
         ++moves)
        spacing.FirstTick += spacing.Step;
    return spacing;
}

void CalcTickSpacing(int numIntervals, long double low, long double high, long double& firstTick,
                     long double& step, std::uint16_t& subIntervals)
{
    const TTickSpacing spacing = CalcTickSpacing(numIntervals, low, high);
    firstTick = spacing.FirstTick;
    step = spacing.Step;
    subIntervals = spacing.SubIntervals;
}
