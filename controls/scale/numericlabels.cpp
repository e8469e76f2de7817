#include "controls/scale/numericlabels.h"

#include "controls/scale/ticklabels.h"

#include <cmath>

namespace {

constexpr long double kZeroRatio = 1e-14L;
constexpr long double kExactZeroWidth = 100000;

QString CutToLength(const QString& label) { return label.left(kLongestTickLabel); }

// "0.0500" gives "0.05", "2.00" gives "2"; scientific texts stay as they are.
QString WithoutTrailingZeros(QString label)
{
    const bool fixedPoint = label.contains(QLatin1Char('.')) && !label.contains(QLatin1Char('e'))
        && !label.contains(QLatin1Char('E'));
    if (!fixedPoint)
        return label;
    while (label.endsWith(QLatin1Char('0')))
        label.chop(1);
    if (label.endsWith(QLatin1Char('.')))
        label.chop(1);
    return label;
}

} // namespace

QString LinearTickText(long double value, long double width, int decimals,
                       const std::function<QString(long double, int)>& numberText)
{
    if (std::fabs(value / width) >= kZeroRatio)
        return CutToLength(numberText(value, decimals));
    if (std::fabs(width) <= kExactZeroWidth)
        return CutToLength(numberText(0, decimals));
    return QString::fromLatin1(decimals == 0 ? "0" : "0.0");
}

QString LinearTickLabel(long double value, const TLabelDigits& digits, double rangeLow, double rangeHigh)
{
    return LinearTickText(value, static_cast<long double>(rangeHigh) - rangeLow, digits.Decimals,
                          [&digits](long double number, int decimals) {
                              return FormatTickNumber(number, decimals, digits.MantissaDecimals);
                          });
}

QString LogTickLabel(double value, bool decade, const TLabelDigits& digits, int decPlaces)
{
    if (digits.Decimals == kExponentLabels)
        return decade ? QString::number(std::lround(std::log10(value))) : QString();
    const QString label = CutToLength(FormatTickNumber(value, digits.Decimals, digits.MantissaDecimals));
    return decPlaces == kAutomaticDecimals ? WithoutTrailingZeros(label) : label;
}

QString FinishTickLabel(const QString& number, const TAxisSettings& axis, int n)
{
    if (axis.LabelType == TFigType::ftUserText)
        return UserTickField(axis.UserTickText, n);
    return ApplyInscript(number, axis.ScaleInscript);
}
