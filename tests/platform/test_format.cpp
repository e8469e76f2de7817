#include "platform/format.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <string>
#include <tuple>

namespace {

constexpr long double kNaN = std::numeric_limits<long double>::quiet_NaN();
constexpr long double kInf = std::numeric_limits<long double>::infinity();

// Standard strings make failures readable.
std::string Fixed(long double value, int decimals) { return FormatFixed(value, decimals).toStdString(); }

std::string Exponent(long double value, int digits, int exponentDigits,
                     TPositiveSign sign = TPositiveSign::None)
{
    return FormatExponent(value, digits, exponentDigits, sign).toStdString();
}

std::string General(long double value, int precision)
{
    return FormatGeneral(value, precision).toStdString();
}

TEST(FormatFixed, RoundsTheExactBinaryValueHalvesAwayFromZero)
{
    EXPECT_EQ(Fixed(0.5, 2), "0.50");
    EXPECT_EQ(Fixed(0.125, 2), "0.13");
    EXPECT_EQ(Fixed(-0.125, 2), "-0.13");
    EXPECT_EQ(Fixed(2.5, 0), "3");
    EXPECT_EQ(Fixed(0.96875, 4), "0.9688");
    EXPECT_EQ(Fixed(99.5, 0), "100");
    // Doubles that only look like halves: 1.005 lies below, 0.005 above.
    EXPECT_EQ(Fixed(1.005, 2), "1.00");
    EXPECT_EQ(Fixed(0.005, 2), "0.01");
    EXPECT_EQ(Fixed(0.1L, 21), "0.100000000000000000001");
}

TEST(FormatFixed, SignsMagnitudesAndOddInput)
{
    EXPECT_EQ(Fixed(-0.0, 2), "0.00");
    EXPECT_EQ(Fixed(-0.004, 2), "0.00");
    EXPECT_EQ(Fixed(-1.5, 1), "-1.5");
    EXPECT_EQ(Fixed(1e20L, 2), "100000000000000000000.00");
    EXPECT_EQ(Fixed(-1e-4000L, 3), "0.000");
    EXPECT_EQ(Fixed(std::ldexp(1.0L, 13000), 0).size(), 3914u);
    EXPECT_EQ(Fixed(2.4, -3), "2");
    EXPECT_EQ(Fixed(1, 1000).size(), 102u);
    EXPECT_EQ(Fixed(kNaN, 2), "NAN");
    EXPECT_EQ(Fixed(kInf, 2), "INF");
    EXPECT_EQ(Fixed(-kInf, 2), "-INF");
}

TEST(FormatExponent, AxisLabelForms)
{
    // Two significant digits with a sign column, two exponent digits for the scale ...
    EXPECT_EQ(Exponent(1e7, 2, 2, TPositiveSign::Blank), " 1.0E+07");
    EXPECT_EQ(Exponent(1500, 2, 2, TPositiveSign::Blank), " 1.5E+03");
    EXPECT_EQ(Exponent(-2e-5, 2, 2, TPositiveSign::Blank), "-2.0E-05");
    EXPECT_EQ(Exponent(-0.0, 2, 2, TPositiveSign::Blank), " 0.0E+00");
    EXPECT_EQ(Exponent(1e100, 2, 2, TPositiveSign::Blank), " 1.0E+100");
    // ... and four for the surface plot, ten characters in all.
    EXPECT_EQ(Exponent(1500, 2, 4, TPositiveSign::Blank), " 1.5E+0003");
    EXPECT_EQ(Exponent(-2e-5, 2, 4, TPositiveSign::Blank), "-2.0E-0005");
}

TEST(FormatExponent, SignificantDigitsAndRounding)
{
    EXPECT_EQ(Exponent(1234.5, 3, 3), "1.23E+003");
    EXPECT_EQ(Exponent(1234.5, 1, 3), "1E+003");
    EXPECT_EQ(Exponent(1234.5, 0, 3), "1E+003");
    EXPECT_EQ(Exponent(0, 3, 3), "0.00E+000");
    EXPECT_EQ(Exponent(1.25, 2, 3), "1.3E+000");
    EXPECT_EQ(Exponent(0.125, 2, 3), "1.3E-001");
    EXPECT_EQ(Exponent(115, 2, 3), "1.2E+002");
    EXPECT_EQ(Exponent(1250, 2, 3), "1.3E+003");
    EXPECT_EQ(Exponent(-99.5, 2, 3), "-1.0E+002");
    EXPECT_EQ(Exponent(0.15, 1, 3), "1E-001");
    EXPECT_EQ(Exponent(1.5e4000L, 2, 3), "1.5E+4000");
    EXPECT_EQ(Exponent(std::numeric_limits<long double>::denorm_min(), 2, 3), "3.6E-4951");
    EXPECT_EQ(Exponent(-kInf, 2, 3), "-INF");
}

TEST(FormatGeneral, ShortestFormAndSwitchToScientific)
{
    EXPECT_EQ(General(1234.5678, 15), "1234.5678");
    EXPECT_EQ(General(0.1, 18), "0.100000000000000006");
    EXPECT_EQ(General(99, 2), "99");
    EXPECT_EQ(General(100, 2), "1E+002");
    EXPECT_EQ(General(99.96, 3), "100");
    EXPECT_EQ(General(999.6, 3), "1E+003");
    EXPECT_EQ(General(12345, 4), "1.235E+004");
    EXPECT_EQ(General(-1.5e6, 2), "-1.5E+006");
    EXPECT_EQ(General(0.00001, 4), "0.00001");
    EXPECT_EQ(General(0.000012345, 3), "0.0000123");
    EXPECT_EQ(General(0.0000099, 4), "9.9E-006");
    EXPECT_EQ(General(-0.0, 5), "0");
    EXPECT_EQ(General(kNaN, 5), "NAN");
}

TDateTimeParts Parts(int year, int month, int day, int hour = 0, int minute = 0, int second = 0, int msec = 0)
{
    return {year, month, day, hour, minute, second, msec};
}

void ExpectParts(double value, const TDateTimeParts& expected)
{
    const auto parts = DecodeDateTime(value);
    ASSERT_TRUE(parts) << value;
    EXPECT_EQ(std::tie(parts->year, parts->month, parts->day, parts->hour, parts->minute, parts->second,
                       parts->msec),
              std::tie(expected.year, expected.month, expected.day, expected.hour, expected.minute,
                       expected.second, expected.msec))
        << value;
}

TEST(DateTime, DecodesOnAContinuousTimeLine)
{
    ExpectParts(0, Parts(1899, 12, 30));
    ExpectParts(0.5, Parts(1899, 12, 30, 12));
    ExpectParts(-1.25, Parts(1899, 12, 28, 18));
    ExpectParts(61, Parts(1900, 3, 1));
    ExpectParts(36585, Parts(2000, 2, 29));
    ExpectParts(39156 + (14 * 3600 + 5 * 60 + 30.25) / 86400, Parts(2007, 3, 15, 14, 5, 30, 250));
    ExpectParts(1 - 0.4 / 86400000, Parts(1899, 12, 31));
    ExpectParts(-693593, Parts(1, 1, 1));
    ExpectParts(2958465.9999, Parts(9999, 12, 31, 23, 59, 51, 360));
    for (double outside : {-693593.001, 2958466.0, 1e300, double(kNaN), double(kInf)})
        EXPECT_FALSE(DecodeDateTime(outside)) << outside;
}

TEST(DateTime, EncodeAndDecodeRoundTripAcrossBoundaries)
{
    EXPECT_EQ(EncodeDateTime(Parts(1899, 12, 28, 18)), -1.25);
    EXPECT_EQ(EncodeDateTime(Parts(2000, 1, 1)), 36526.0);
    for (const TDateTimeParts& p : {Parts(1, 1, 1), Parts(1899, 12, 29, 23, 59, 59, 999),
                                    Parts(1900, 2, 28, 6), Parts(1999, 12, 31, 12, 30, 1, 1),
                                    Parts(2024, 2, 29, 0, 0, 0, 1), Parts(9999, 12, 31, 23, 59, 59, 999)}) {
        const auto value = EncodeDateTime(p);
        ASSERT_TRUE(value);
        ExpectParts(*value, p);
    }
    // Day after day, month and year ends roll over correctly.
    ExpectParts(*EncodeDateTime(Parts(1900, 2, 28)) + 1, Parts(1900, 3, 1));
    ExpectParts(*EncodeDateTime(Parts(1999, 12, 31, 18)) + 0.25, Parts(2000, 1, 1));
    ExpectParts(*EncodeDateTime(Parts(1, 1, 1)) + 365, Parts(2, 1, 1));
    for (const TDateTimeParts& bad :
         {Parts(0, 1, 1), Parts(10000, 1, 1), Parts(1900, 2, 29), Parts(2001, 13, 1), Parts(2001, 4, 31),
          Parts(2001, 1, 1, 24), Parts(2001, 1, 1, 0, 60), Parts(2001, 1, 1, 0, 0, -1),
          Parts(2001, 1, 1, 0, 0, 0, 1000)})
        EXPECT_FALSE(EncodeDateTime(bad)) << bad.year << "-" << bad.month << "-" << bad.day;
}

TEST(DateTime, FormatsPatterns)
{
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    const double instant = *EncodeDateTime(Parts(2007, 3, 15, 14, 5, 30, 250));
    auto format = [&](const char* pattern, double value) {
        return FormatDateTime(QString::fromUtf8(pattern), value, english).value_or("(none)").toStdString();
    };
    EXPECT_EQ(format("mmm-dd, yyyy", instant), "Mar-15, 2007");
    EXPECT_EQ(format("dd-mmm-yyyy", instant), "15-Mar-2007");
    EXPECT_EQ(format("mm/dd/yy", instant), "03/15/07");
    EXPECT_EQ(format("d.m.yyyy", instant), "15.3.2007");
    EXPECT_EQ(format("yyyy", *EncodeDateTime(Parts(987, 6, 1))), "0987");
    EXPECT_EQ(format("hh:nn:ss\".\"zz", instant), "14:05:30.250");
    EXPECT_EQ(format("h\"h\"nn", instant), "14h05");
    EXPECT_EQ(format("ham/pm", instant), "2pm");
    EXPECT_EQ(format("h:nn\".\"ssam/pm", instant), "2:05.30pm");
    EXPECT_EQ(format("hh AM/PM", 0.25), "06 AM");
    EXPECT_EQ(format("h am/pm|h am/pm", 0), "12 am|12 am");
    EXPECT_EQ(format("h am/pm", 0.5), "12 pm");
    EXPECT_EQ(format("s.zz|s.zzz", 5.0 / 86400000), "0.5|0.005");
    EXPECT_EQ(format("HH:NN YYYY", instant), "14:05 2007");
    EXPECT_EQ(format("\"dd mm\" dd \"open", instant), "dd mm 15 open");
    // Rounding noise around day zero does not tip the label into the day before.
    EXPECT_EQ(format("dd hh:nn", -0.9e-8), "30 00:00");
    EXPECT_FALSE(FormatDateTime("dd", 1e10, english));
}

TEST(DateTime, MonthNamesFollowTheDefaultLocale)
{
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const std::string german = FormatDateTime("mmm", 39156).value_or(QString()).toStdString();
    QLocale::setDefault(saved);
    EXPECT_EQ(german, QLocale(QLocale::German).monthName(3, QLocale::ShortFormat).toStdString());
    EXPECT_NE(german, "Mar");
}

} // namespace
