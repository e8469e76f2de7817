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
