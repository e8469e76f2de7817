#pragma once
// The label rules of numeric axes, from the tick value to the text drawn.
#include "controls/scale/axissettings.h"
#include "controls/scale/decimals.h"

#include <QString>
#include <functional>

// The label of a long tick on a linear axis `width` wide, its number written by
// numberText(value, decimals): a value that is zero but for rounding noise (less than
// 1e-14 of the width) is written as 0, and on ranges wider than 100000 reads "0" (no
// decimals) or "0.0"; the text is cut to 14 characters. The 3-D plot's axes label
// their ticks by the same rule in their own notation.
QString LinearTickText(long double value, long double width, int decimals,
                       const std::function<QString(long double, int)>& numberText);

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
