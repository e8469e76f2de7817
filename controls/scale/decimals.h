#pragma once
// Decimal places of numeric tick labels. DecPlaces 0..12 are fixed-point decimals;
// the negative codes below choose a notation or let the range decide.

constexpr int kScientificLabels = -1;
constexpr int kAutomaticDecimals = -2;
constexpr int kExponentLabels = -3;   // automatic; on logarithmic axes decades show their exponent

// Decimals on a linear axis: the automatic codes resolve from the range's width.
int LinearDecimals(int decPlaces, double rangeLow, double rangeHigh);

// Decimals on a logarithmic axis: only kAutomaticDecimals resolves, from the range's
// limits; every other code passes through.
int LogarithmicDecimals(int decPlaces, double rangeLow, double rangeHigh);

// The digits an axis writes its numeric labels with.
struct TLabelDigits {
    int Decimals = 0;           // fixed-point decimals (>= 0), kScientificLabels or kExponentLabels
    int MantissaDecimals = 1;   // digits after the point of a scientific label's mantissa
};

// The exponent of the largest power of ten not above `magnitude` (> 0), for 1, 2 or 5
// times a power of ten also when the value misses it by rounding noise.
int DecimalExponent(long double magnitude);

// The digits for labels of ticks that all lie on multiples of 10^gridExponent, the
// largest of them `largest` in magnitude: `decimals` as resolved above, raised where
// fewer digits would write two neighbouring ticks alike. Fixed-point labels get the
// decimals of the grid (at most 12), scientific ones the mantissa digits from the
// largest label's exponent down to the grid (at most what a 14-character label holds).
TLabelDigits DigitsForGrid(int decimals, int gridExponent, long double largest);
