#include "controls/scale/decimals.h"

#include "platform/rounding.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int kMostDecimals = 12;
constexpr int kMostMantissaDecimals = 7;   // " 1.2345678E+00" fills a 14-character label
constexpr long double kNoiseExponent = 1e-9L;

// Widths this large or this small get scientific labels.
bool NeedsScientific(long double width)
{
    return width >= 1000000 || width <= 0.0001L;
}

} // namespace

int LinearDecimals(int decPlaces, double rangeLow, double rangeHigh)
{
    if (decPlaces != kAutomaticDecimals && decPlaces != kExponentLabels)
        return decPlaces;
    const long double width = std::fabs(static_cast<long double>(rangeHigh) - rangeLow);
    if (NeedsScientific(width))
        return kScientificLabels;
    if (width >= 100)
        return 0;
    return 2 - Round(static_cast<double>(std::log(width) / 2.5L));
}

int LogarithmicDecimals(int decPlaces, double rangeLow, double rangeHigh)
{
    if (decPlaces != kAutomaticDecimals)
        return decPlaces;
    const double lower = std::min(rangeLow, rangeHigh);
    const double upper = std::max(rangeLow, rangeHigh);
    if (NeedsScientific(static_cast<long double>(upper) - lower))
        return kScientificLabels;
    if (lower >= 1)
        return 0;
    if (lower <= 0)   // no logarithmic ticks to label
        return kScientificLabels;
    return 1 - Round(std::log10(lower));
}

int DecimalExponent(long double magnitude)
{
    return static_cast<int>(std::floor(std::log10(std::fabs(magnitude)) + kNoiseExponent));
}

TLabelDigits DigitsForGrid(int decimals, int gridExponent, long double largest)
{
    TLabelDigits digits{decimals, 1};
    if (decimals >= 0)
        digits.Decimals = std::max(decimals, std::min(-gridExponent, kMostDecimals));
    else if (decimals == kScientificLabels && largest != 0)
        digits.MantissaDecimals = std::clamp(DecimalExponent(largest) - gridExponent, 1, kMostMantissaDecimals);
    return digits;
}
