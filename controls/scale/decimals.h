#pragma once
// Decimal places of numeric tick labels. DecPlaces 0..12 are fixed-point decimals;
// the negative codes below choose a notation or let the range decide.

constexpr int kScientificLabels = -1;
constexpr int kAutomaticDecimals = -2;
constexpr int kExponentLabels = -3; // automatic; on logarithmic axes decades show their exponent

// Decimals on a linear axis: the automatic codes resolve from the range's width.
int LinearDecimals(int decPlaces, double rangeLow, double rangeHigh);

// Decimals on a logarithmic axis: only kAutomaticDecimals resolves, from the range's
// limits; every other code passes through.
int LogarithmicDecimals(int decPlaces, double rangeLow, double rangeHigh);

// The digits an axis writes its numeric labels with.
struct TLabelDigits {
    int Decimals = 0; // fixed-point decimals (>= 0), kScientificLabels or kExponentLabels
    int MantissaDecimals = 1; // digits after the point of a scientific label's mantissa
};

// Labels are cut to this many characters.
constexpr int kLongestTickLabel = 14;

// The exponent of the largest power of ten not above `magnitude` (> 0), for 1, 2 or 5
// times a power of ten also when the value misses it by rounding noise.
int DecimalExponent(long double magnitude);

// The least digits that write every labeled tick of an axis apart from the others,
// and the labeled values at the two ends, whose labels are the longest.
struct TLabelNeeds {
    int Decimals = 0; // fixed-point decimals
    int MantissaDecimals = 1; // digits after the point of a scientific mantissa
    long double First = 0;
    long double Last = 0;
};

// Ticks on the multiples of `step` (1, 2 or 5 times a power of ten) from `first` to
// `last`: the digits of the step, in a mantissa counted from the largest label.
TLabelNeeds LinearLabelNeeds(long double step, long double first, long double last);

// Logarithmic ticks, each 1, 2 or 5 times a power of ten, from `smallest` to
// `largest`: the decimals of the smallest, one mantissa digit.
TLabelNeeds LogarithmicLabelNeeds(long double smallest, long double largest);

// The digits of an axis's labels: `decimals` as resolved above, raised to the needs
// where fewer digits would write two ticks alike (fixed-point decimals at most 12).
// When the labels' notation cannot write the ticks apart within a label's 14
// characters but the other notation can, the labels take the other notation.
TLabelDigits DigitsFor(int decimals, const TLabelNeeds& needs);
