#include "platform/format.h"

#include "platform/rounding.h"

#include <QDate>
#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace {

constexpr int kMaxDigits = 100;

// ---------------------------------------------------------------------------------
// Decimal digits of a magnitude

// Significant digits d1 d2 ... dn of a value d1.d2...dn × 10^exponent.
struct TDecimal {
    std::string digits;
    int exponent = 0;
};

// `magnitude` written by the standard library, exactly rounded (exact ties go to the
// even digit; the callers handle ties themselves). Independent of the C locale.
std::string ToChars(long double magnitude, std::chars_format notation, int precision)
{
    std::vector<char> buffer(static_cast<std::size_t>(64 + precision));
    for (;;) {
        const auto [end, error] =
            std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude, notation, precision);
        if (error == std::errc())
            return std::string(buffer.data(), end);
        buffer.resize(buffer.size() * 2);
    }
}

// True when `magnitude` lies exactly halfway between two multiples of 10^position, that
// is when its exact decimal expansion ends in a 5 at the digit for 10^(position - 1).
bool IsHalfway(long double magnitude, int position)
{
    if (magnitude == 0)
        return false;
    constexpr int kBits = std::numeric_limits<long double>::digits;
    static_assert(kBits <= 128, "the mantissa must fit 128 bits");
    int exponent = 0;
    auto mantissa = static_cast<unsigned __int128>(std::ldexp(std::frexp(magnitude, &exponent), kBits));
    exponent -= kBits;
    while ((mantissa & 1) == 0) {
        mantissa >>= 1;
        ++exponent;
    }
    // Now magnitude = mantissa · 2^exponent with an odd mantissa.
    if (exponent != position - 1)
        return false;
    // mantissa · 2^-k = mantissa · 5^k / 10^k: k decimals, the last one a 5.
    if (exponent < 0)
        return true;
    // An integer mantissa · 2^e ends in a 5 at 10^e exactly when 5^(e+1) divides mantissa.
    for (int i = 0; i <= exponent; ++i) {
        if (mantissa % 5 != 0)
            return false;
        mantissa /= 5;
    }
    return true;
}

// Adds one unit in the last place to a run of decimal digits that may hold a ".".
void IncrementLastDigit(std::string& digits)
{
    for (auto i = digits.size(); i-- > 0;) {
        if (digits[i] == '.')
            continue;
        if (digits[i] != '9') {
            ++digits[i];
            return;
        }
        digits[i] = '0';
    }
    digits.insert(digits.begin(), '1');
}

// Splits the standard library's scientific text "d.ddde+xx" into digits and exponent.
TDecimal ParseScientific(const std::string& text)
{
    const auto e = text.find('e');
    TDecimal decimal;
    decimal.digits = text.substr(0, e);
    decimal.digits.erase(std::remove(decimal.digits.begin(), decimal.digits.end(), '.'),
                         decimal.digits.end());
    decimal.exponent = std::stoi(text.substr(e + 1));
    return decimal;
}

// |value| rounded to `decimals` decimals, halves away from zero.
std::string FixedDigits(long double magnitude, int decimals)
{
    if (!IsHalfway(magnitude, -decimals))
        return ToChars(magnitude, std::chars_format::fixed, decimals);
    // A halfway value is exact with one more decimal: drop that 5 and round up.
    std::string exact = ToChars(magnitude, std::chars_format::fixed, decimals + 1);
    exact.pop_back();
    if (decimals == 0)
        exact.pop_back();
    IncrementLastDigit(exact);
    return exact;
}

// |value| rounded to `count` significant digits, halves away from zero.
TDecimal SignificantDigits(long double magnitude, int count)
{
    TDecimal wide = ParseScientific(ToChars(magnitude, std::chars_format::scientific, count));
    if (!IsHalfway(magnitude, wide.exponent - count + 1))
        return ParseScientific(ToChars(magnitude, std::chars_format::scientific, count - 1));
    // A halfway value is exact with one more digit: drop that 5 and round up.
    wide.digits.pop_back();
    IncrementLastDigit(wide.digits);
    if (wide.digits.size() > static_cast<std::size_t>(count)) {
        wide.digits.pop_back();
        ++wide.exponent;
    }
    return wide;
}

// ---------------------------------------------------------------------------------
// Number texts

std::optional<QString> NonFiniteText(long double value)
{
    if (std::isnan(value))
        return QStringLiteral("NAN");
    if (std::isinf(value))
        return QString::fromLatin1(value < 0 ? "-INF" : "INF");
    return std::nullopt;
}

// Puts the sign in front of a magnitude's text; a text of zeros only is never negative.
QString WithSign(long double value, const std::string& magnitude, TPositiveSign positiveSign)
{
    const bool showsNonZero = magnitude.find_first_of("123456789") != std::string::npos;
    const QString text = QString::fromLatin1(magnitude);
    if (std::signbit(value) && showsNonZero)
        return QLatin1Char('-') + text;
    return positiveSign == TPositiveSign::Blank ? QLatin1Char(' ') + text : text;
}

std::string MantissaText(const std::string& digits)
{
    if (digits.size() == 1)
        return digits;
    return digits.substr(0, 1) + '.' + digits.substr(1);
}

std::string ExponentText(int exponent, int minimumDigits)
{
    std::string digits = std::to_string(std::abs(exponent));
    if (static_cast<int>(digits.size()) < minimumDigits)
        digits.insert(0, static_cast<std::size_t>(minimumDigits) - digits.size(), '0');
    return std::string("E") + (exponent < 0 ? '-' : '+') + digits;
}

// Fixed-point text of d1.d2...dn × 10^exponent when every digit is significant.
std::string PlainText(const TDecimal& decimal)
{
    if (decimal.exponent < 0)
        return "0." + std::string(static_cast<std::size_t>(-decimal.exponent - 1), '0') + decimal.digits;
    const auto integerDigits = static_cast<std::size_t>(decimal.exponent) + 1;
    if (decimal.digits.size() <= integerDigits)
        return decimal.digits + std::string(integerDigits - decimal.digits.size(), '0');
    return decimal.digits.substr(0, integerDigits) + '.' + decimal.digits.substr(integerDigits);
}

void DropTrailingZeros(std::string& digits)
{
    const auto last = digits.find_last_not_of('0');
    digits.erase(last == std::string::npos ? 1 : last + 1);
}

} // namespace

QString FormatFixed(long double value, int decimals)
{
    if (const auto text = NonFiniteText(value))
        return *text;
    const int count = std::clamp(decimals, 0, kMaxDigits);
    return WithSign(value, FixedDigits(std::fabs(value), count), TPositiveSign::None);
}

QString FormatExponent(long double value, int significantDigits, int exponentDigits,
                       TPositiveSign positiveSign)
{
    if (const auto text = NonFiniteText(value))
        return *text;
    const TDecimal decimal =
        SignificantDigits(std::fabs(value), std::clamp(significantDigits, 1, kMaxDigits));
    const std::string magnitude = MantissaText(decimal.digits)
        + ExponentText(decimal.exponent, std::clamp(exponentDigits, 1, kMaxDigits));
    return WithSign(value, magnitude, positiveSign);
}

QString FormatGeneral(long double value, int precision)
{
    if (const auto text = NonFiniteText(value))
        return *text;
    if (value == 0)
        return QStringLiteral("0");
    const int count = std::clamp(precision, 1, kMaxDigits);
    TDecimal decimal = SignificantDigits(std::fabs(value), count);
    DropTrailingZeros(decimal.digits);
    const bool scientific = decimal.exponent >= count || decimal.exponent < -5;
    const std::string magnitude =
        scientific ? MantissaText(decimal.digits) + ExponentText(decimal.exponent, 3) : PlainText(decimal);
    return WithSign(value, magnitude, TPositiveSign::None);
}

// ---------------------------------------------------------------------------------
// Date and time

namespace {

constexpr qint64 kMSecsPerDay = 86400000;
constexpr qint64 kFirstDay = -693593; // 1 January 0001
constexpr qint64 kLastDay = 2958465; // 31 December 9999
constexpr qint64 kJulianDayOfDayZero = 2415019; // 30 December 1899

enum class TField {
    Literal,
    Year2,
    Year4,
    MonthName,
    Month2,
    Month,
    Day2,
    Day,
    Hour2,
    Hour,
    Minute2,
    Minute,
    Second2,
    Second,
    MSec3,
    MSec,
    AmPm
};

struct TPatternToken {
    TField field;
    QString text; // the literal text, or the token as the pattern spells it
};

struct TTokenSpelling {
    const char* spelling;
    TField field;
};

// Longest spelling of each letter first, so that the first match wins.
constexpr TTokenSpelling kTokenSpellings[] = {
    {"yyyy", TField::Year4}, {"yy", TField::Year2},   {"mmm", TField::MonthName}, {"mm", TField::Month2},
    {"m", TField::Month},    {"dd", TField::Day2},    {"d", TField::Day},         {"hh", TField::Hour2},
    {"h", TField::Hour},     {"nn", TField::Minute2}, {"n", TField::Minute},      {"ss", TField::Second2},
    {"s", TField::Second},   {"zzz", TField::MSec3},  {"zz", TField::MSec},       {"z", TField::MSec},
    {"am/pm", TField::AmPm},
};

std::vector<TPatternToken> Tokenize(const QString& pattern)
{
    std::vector<TPatternToken> tokens;
    qsizetype i = 0;
    while (i < pattern.size()) {
        if (pattern[i] == QLatin1Char('"')) {
            const qsizetype close = pattern.indexOf(QLatin1Char('"'), i + 1);
            const qsizetype end = close < 0 ? pattern.size() : close;
            tokens.push_back({TField::Literal, pattern.mid(i + 1, end - i - 1)});
            i = end + 1;
            continue;
        }
        const auto match = std::find_if(std::begin(kTokenSpellings), std::end(kTokenSpellings),
                                        [&](const TTokenSpelling& token) {
                                            return QStringView(pattern).mid(i).startsWith(
                                                QLatin1String(token.spelling), Qt::CaseInsensitive);
                                        });
        const qsizetype length = match == std::end(kTokenSpellings) ? 1 : qstrlen(match->spelling);
        const TField field = match == std::end(kTokenSpellings) ? TField::Literal : match->field;
        tokens.push_back({field, pattern.mid(i, length)});
        i += length;
    }
    return tokens;
}

QString Padded(int number, int width)
{
    return QStringLiteral("%1").arg(number, width, 10, QLatin1Char('0'));
}

int TwelveHourClock(int hour) { return hour % 12 == 0 ? 12 : hour % 12; }

QString FieldText(const TPatternToken& token, const TDateTimeParts& parts, bool twelveHour,
                  const QLocale& locale)
{
    const int hour = twelveHour ? TwelveHourClock(parts.hour) : parts.hour;
    switch (token.field) {
    case TField::Literal:
        return token.text;
    case TField::Year4:
        return Padded(parts.year, 4);
    case TField::Year2:
        return Padded(parts.year % 100, 2);
    case TField::MonthName:
        return locale.monthName(parts.month, QLocale::ShortFormat);
    case TField::Month2:
        return Padded(parts.month, 2);
    case TField::Month:
        return QString::number(parts.month);
    case TField::Day2:
        return Padded(parts.day, 2);
    case TField::Day:
        return QString::number(parts.day);
    case TField::Hour2:
        return Padded(hour, 2);
    case TField::Hour:
        return QString::number(hour);
    case TField::Minute2:
        return Padded(parts.minute, 2);
    case TField::Minute:
        return QString::number(parts.minute);
    case TField::Second2:
        return Padded(parts.second, 2);
    case TField::Second:
        return QString::number(parts.second);
    case TField::MSec3:
        return Padded(parts.msec, 3);
    case TField::MSec:
        return QString::number(parts.msec);
    case TField::AmPm:
        return parts.hour < 12 ? token.text.left(2) : token.text.mid(3, 2);
    }
    return {};
}

} // namespace

std::optional<TDateTimeParts> DecodeDateTime(double value)
{
    // The first test also turns NaN away; it keeps the millisecond count within range.
    if (!(value >= kFirstDay - 1 && value <= kLastDay + 1))
        return std::nullopt;
    const qint64 total = RoundHalfEven(static_cast<long double>(value) * kMSecsPerDay);
    qint64 day = total / kMSecsPerDay;
    if (total % kMSecsPerDay < 0)
        --day;
    if (day < kFirstDay || day > kLastDay)
        return std::nullopt;
    const auto msecOfDay = static_cast<int>(total - day * kMSecsPerDay);
    const QDate date = QDate::fromJulianDay(day + kJulianDayOfDayZero);
    return TDateTimeParts{date.year(),         date.month(),           date.day(),
                          msecOfDay / 3600000, msecOfDay / 60000 % 60, msecOfDay / 1000 % 60,
                          msecOfDay % 1000};
}

std::optional<double> EncodeDateTime(const TDateTimeParts& parts)
{
    const bool validTime = parts.hour >= 0 && parts.hour < 24 && parts.minute >= 0 && parts.minute < 60
        && parts.second >= 0 && parts.second < 60 && parts.msec >= 0 && parts.msec < 1000;
    if (!validTime || parts.year < 1 || parts.year > 9999
        || !QDate::isValid(parts.year, parts.month, parts.day))
        return std::nullopt;
    const qint64 day = QDate(parts.year, parts.month, parts.day).toJulianDay() - kJulianDayOfDayZero;
    const qint64 msecOfDay = ((parts.hour * 60LL + parts.minute) * 60 + parts.second) * 1000 + parts.msec;
    return static_cast<double>(day + static_cast<long double>(msecOfDay) / kMSecsPerDay);
}

std::optional<QString> FormatDateTime(const QString& pattern, double value, const QLocale& locale)
{
    const auto parts = DecodeDateTime(std::fabs(value) < 1e-8 ? 0.0 : value);
    if (!parts)
        return std::nullopt;
    const std::vector<TPatternToken> tokens = Tokenize(pattern);
    const bool twelveHour = std::any_of(
        tokens.begin(), tokens.end(), [](const TPatternToken& token) { return token.field == TField::AmPm; });
    QString text;
    for (const TPatternToken& token : tokens)
        text += FieldText(token, *parts, twelveHour, locale);
    return text;
}
