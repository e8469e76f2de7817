#pragma once
// Texts of tick labels: numbers, the user's own tick texts, the unit inscription and
// clock times.
#include <QString>

// A tick value as text. decimals >= 0: fixed-point with exactly that many decimals.
// Negative: scientific with two significant digits, a blank or "-" in front and a
// two-digit exponent (" 1.5E+03", "-2.0E-05"); a label whose exponent needs three
// digits is shown as a row of "*" of the same length.
QString FormatTickNumber(long double value, int decimals);

// The same, with `mantissaDecimals` digits (at least 1) after the point of a
// scientific label's mantissa instead of one.
QString FormatTickNumber(long double value, int decimals, int mantissaDecimals);

// The n-th "|"-separated field of `text`, counting from 1; the last field when n
// exceeds the number of fields; empty when n < 1 or `text` is empty.
QString UserTickField(const QString& text, int n);

// `label` with its unit: the part of `inscript` before the first "&" goes in front of
// the label and the rest behind it; without "&" all of `inscript` goes in front. An
// empty label stays empty.
QString ApplyInscript(const QString& label, const QString& inscript);

// Seconds as a clock time "HH:MM:SS" (hours may take more digits), with ".mmm" when
// `withMillis`, preceded by "-" for negative times and by a blank otherwise. The value
// is rounded to the millisecond first; a time that rounds to zero is not negative.
QString TimeLabel(double seconds, bool withMillis);
