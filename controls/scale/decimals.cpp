#include "controls/scale/decimals.h"

#include "controls/scale/ticklabels.h"
#include "platform/rounding.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int kMostDecimals = 12;
constexpr int kMostMantissaDecimals = kLongestTickLabel - 7; // " 1.2345678E+00"
constexpr long double kNoiseExponent = 1e-9L;

// Widths this large or this small get scientific labels.
bool NeedsScientific(long double width) { return width >= 1000000 || width <= 0.0001L; }

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
    if (lower <= 0) // no logarithmic ticks to label
        return kScientificLabels;
    return 1 - Round(std::log10(lower));
}

int DecimalExponent(long double magnitude)
{
    return static_cast<int>(std::floor(std::log10(std::fabs(magnitude)) + kNoiseExponent));
}

TLabelNeeds LinearLabelNeeds(long double step, long double first, long double last)
{
    const int grid = DecimalExponent(step);
    const long double largest = std::max(std::fabs(first), std::fabs(last));
    const int mantissa = largest == 0 ? 1 : std::max(DecimalExponent(largest) - grid, 1);
    return {std::max(-grid, 0), mantissa, first, last};
}

TLabelNeeds LogarithmicLabelNeeds(long double smallest, long double largest)
{
    return {std::max(-DecimalExponent(smallest), 0), 1, smallest, largest};
}

TLabelDigits DigitsFor(int decimals, const TLabelNeeds& needs)
{
    if (decimals < 0 && decimals != kScientificLabels)
        return {decimals, 1};
    const auto fixedFits = [&](long double value) {
        return FormatTickNumber(value, needs.Decimals).size() <= kLongestTickLabel;
    };
    const bool fixedWritesApart =
        needs.Decimals <= kMostDecimals && fixedFits(needs.First) && fixedFits(needs.Last);
    const bool scientificWritesApart = needs.MantissaDecimals <= kMostMantissaDecimals;
    const bool scientific = decimals == kScientificLabels ? scientificWritesApart || !fixedWritesApart
                                                          : scientificWritesApart && !fixedWritesApart;
    if (scientific)
        return {kScientificLabels, std::min(needs.MantissaDecimals, kMostMantissaDecimals)};
    return {std::max({decimals, 0, std::min(needs.Decimals, kMostDecimals)}), 1};
}
