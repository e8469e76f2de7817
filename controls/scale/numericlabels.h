#pragma once
// The label rules of numeric axes, from the tick value to the text drawn.
#include "controls/scale/axissettings.h"
#include "controls/scale/decimals.h"

#include <QString>

// A long tick's number on a linear axis: values that are zero but for rounding noise
// read as zero, and the text is cut to 14 characters.
QString LinearTickLabel(long double value, const TLabelDigits& digits, double rangeLow, double rangeHigh);

// A labeled tick's number on a logarithmic axis. With kExponentLabels decades show
// their exponent and the 2 and 5 ticks nothing; with DecPlaces kAutomaticDecimals
// trailing zeros of a fixed-point text are dropped.
QString LogTickLabel(double value, bool decade, const TLabelDigits& digits, int decPlaces);

// The text shown at the n-th labeled tick: the user's n-th tick text on ftUserText
// axes, otherwise the number with the axis's inscription.
QString FinishTickLabel(const QString& number, const TAxisSettings& axis, int n);
