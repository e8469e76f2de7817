#include "controls/numlab/numtext.h"

#include "platform/format.h"
#include "platform/rounding.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {

constexpr double kInt32Low = -2147483648.0;
constexpr double kInt32High = 2147483647.0;
constexpr double kUInt32High = 4294967295.0;
constexpr double kTwoTo63 = 9223372036854775808.0;
constexpr int kMaxAngleDecimals = 8;
constexpr int kExponentDigits = 3;

// False for NaN.
bool InRange(double value, double low, double high) { return value >= low && value <= high; }

// The low `count` digits of bits in base, zero-padded; count 0 gives as many as needed.
QString LowDigits(std::uint32_t bits, int base, int count)
{
    const QString digits = QString::number(bits, base).toUpper();
    if (count == 0)
        return digits;
    return digits.rightJustified(count, u'0').right(count);
}

// Hex, binary and octal: digits of the low 32 bits of the rounded value (negative
// values in two's complement).
std::optional<QString> BitPattern(double value, int base, int maxDigits, int precision)
{
    if (!InRange(value, kInt32Low, kUInt32High))
        return std::nullopt;
    const auto bits = static_cast<std::uint32_t>(RoundHalfEven(value));
    return LowDigits(bits, base, std::min(precision, maxDigits));
}

std::optional<QString> ZeroPaddedInteger(double value, int digits)
{
    if (!InRange(value, kInt32Low, kInt32High))
        return std::nullopt;
    const std::int64_t number = RoundHalfEven(value);
    const QString magnitude = QString::number(number < 0 ? -number : number).rightJustified(digits, u'0');
    return number < 0 ? u'-' + magnitude : magnitude;
}

// Values beyond the 64-bit integer range (and NaN) have no rounded value to show.
std::optional<QString> WholeNumber(double value)
{
    if (!(value >= -kTwoTo63 && value < kTwoTo63))
        return std::nullopt;
    return QString::number(RoundHalfEven(value));
}

// A non-negative amount of minutes or seconds below 60 with `decimals` decimals. When
// it rounds up to 60 it is written as 0 and carry is set, so the next larger unit can
// take the 60 over.
QString Sixtieths(double amount, int decimals, bool& carry)
{
    const QString text = FormatFixed(amount, decimals);
    carry = text.toDouble() >= 60;
    return carry ? FormatFixed(0, decimals) : text;
}

// Puts a "-" in front of an angle written from its magnitude, unless every digit
// shown is a zero.
QString WithAngleSign(double value, const QString& magnitudeText)
{
    const bool showsNonZero = std::any_of(magnitudeText.begin(), magnitudeText.end(),
                                          [](QChar c) { return c >= u'1' && c <= u'9'; });
    return value < 0 && showsNonZero ? u'-' + magnitudeText : magnitudeText;
}

QString Degrees(double value, int decimals) { return FormatFixed(value, decimals) + u'\u00B0'; }

QString DegreesMinutes(double value, int decimals)
{
    const double magnitude = std::fabs(value);
    double degrees = std::floor(magnitude);
    bool carry = false;
    const QString minutes = Sixtieths((magnitude - degrees) * 60, decimals, carry);
    if (carry)
        degrees += 1;
    return WithAngleSign(value,
                         FormatFixed(degrees, 0) + QStringLiteral("\u00B0 ")
                             + minutes.rightJustified(decimals + 3) + u'\'');
}

QString DegreesMinutesSeconds(double value, int decimals)
{
    const double magnitude = std::fabs(value);
    double degrees = std::floor(magnitude);
    const double allMinutes = (magnitude - degrees) * 60;
    int minutes = int(allMinutes);
    bool carry = false;
    const QString seconds = Sixtieths((allMinutes - minutes) * 60, decimals, carry);
    if (carry && ++minutes == 60) {
        minutes = 0;
        degrees += 1;
    }
    return WithAngleSign(value,
                         FormatFixed(degrees, 0) + QStringLiteral("\u00B0 ")
                             + QString::number(minutes).rightJustified(2) + QStringLiteral("' ")
                             + seconds.rightJustified(decimals + 3) + u'"');
}

std::optional<QString> Angle(double value, TDisplay type, int decimals)
{
    if (!std::isfinite(value))
        return std::nullopt;
    switch (type) {
    case TDisplay::dtDeg:
        return Degrees(value, decimals);
    case TDisplay::dtDegMin:
        return DegreesMinutes(value, decimals);
    default:
        return DegreesMinutesSeconds(value, decimals);
    }
}

} // namespace

std::optional<QString> FormatDisplayValue(double value, const TNumTextSettings& settings)
{
    const int precision = std::clamp(settings.Precision, 0, kMaxDisplayPrecision);
    switch (settings.Type) {
    case TDisplay::dtFloat:
        return FormatGeneral(value, precision);
    case TDisplay::dtFixP:
        return FormatFixed(value, precision);
    case TDisplay::dtExp:
        return FormatExponent(value, precision, kExponentDigits);
    case TDisplay::dtHex:
        return BitPattern(value, 16, 8, precision);
    case TDisplay::dtZeroInt:
        return ZeroPaddedInteger(value, precision);
    case TDisplay::dtInt:
        return WholeNumber(value);
    case TDisplay::dtDateTime:
        return FormatDateTime(settings.DTFormat, value);
    case TDisplay::dtState:
        return settings.StateText;
    case TDisplay::dtBin:
        return BitPattern(value, 2, 32, precision);
    case TDisplay::dtOct:
        return BitPattern(value, 8, 11, precision);
    case TDisplay::dtDeg:
    case TDisplay::dtDegMin:
    case TDisplay::dtDegMinSec:
        return Angle(value, settings.Type, std::min(precision, kMaxAngleDecimals));
    }
    return std::nullopt;
}

bool TakesSeparatorAndSign(TDisplay type)
{
    return type != TDisplay::dtHex && type != TDisplay::dtDateTime && type != TDisplay::dtState
        && type != TDisplay::dtBin;
}

QString ApplyCommaRule(QString text, bool comma)
{
    return comma ? text.replace(u'.', u',') : text.replace(u',', u'.');
}
