#include "controls/scale/ticklabels.h"

#include "platform/format.h"
#include "platform/rounding.h"

#include <QStringList>
#include <algorithm>
#include <cmath>

namespace {

constexpr int kExponentDigits = 2;

// True when the exponent of a scientific text needs more than two digits.
bool ExponentTooLong(const QString& scientific)
{
    const qsizetype e = scientific.indexOf(QLatin1Char('E'));
    return e >= 0 && scientific.size() - (e + 2) > kExponentDigits;
}

QString TwoDigits(qint64 number) { return QStringLiteral("%1").arg(number, 2, 10, QLatin1Char('0')); }

} // namespace

QString FormatTickNumber(long double value, int decimals) { return FormatTickNumber(value, decimals, 1); }

QString FormatTickNumber(long double value, int decimals, int mantissaDecimals)
{
    if (decimals >= 0)
        return FormatFixed(value, decimals);
    const int significantDigits = 1 + std::max(mantissaDecimals, 1);
    const QString text = FormatExponent(value, significantDigits, kExponentDigits, TPositiveSign::Blank);
    return ExponentTooLong(text) ? QString(text.size(), QLatin1Char('*')) : text;
}

QString UserTickField(const QString& text, int n)
{
    if (text.isEmpty() || n < 1)
        return {};
    const QStringList fields = text.split(QLatin1Char('|'));
    return fields.at(std::min<qsizetype>(n, fields.size()) - 1);
}

QString ApplyInscript(const QString& label, const QString& inscript)
{
    if (label.isEmpty())
        return label;
    const qsizetype ampersand = inscript.indexOf(QLatin1Char('&'));
    if (ampersand < 0)
        return inscript + label;
    return inscript.left(ampersand) + label + inscript.mid(ampersand + 1);
}

QString TimeLabel(double seconds, bool withMillis)
{
    const qint64 totalMillis = RoundHalfEven(std::fabs(static_cast<long double>(seconds)) * 1000);
    const qint64 hours = totalMillis / 3600000;
    const qint64 minutes = totalMillis / 60000 % 60;
    const qint64 wholeSeconds = totalMillis / 1000 % 60;
    const bool negative = seconds < 0 && totalMillis != 0;
    QString text = QLatin1Char(negative ? '-' : ' ') + TwoDigits(hours) + QLatin1Char(':')
        + TwoDigits(minutes) + QLatin1Char(':') + TwoDigits(wholeSeconds);
    if (withMillis)
        text += QStringLiteral(".%1").arg(totalMillis % 1000, 3, 10, QLatin1Char('0'));
    return text;
}
