#include "controls/numlab/numtext.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

// The text for value, or "<out>" when the type cannot show it.
QString Text(TDisplay type, int precision, double value)
{
    const std::optional<QString> text = FormatDisplayValue(
        value, {type, precision, QStringLiteral("yyyy-mm-dd hh:nn"), QStringLiteral("busy")});
    return text ? *text : QStringLiteral("<out>");
}

const double kNaN = std::numeric_limits<double>::quiet_NaN();
const double kInf = std::numeric_limits<double>::infinity();

} // namespace

TEST(NumText, RealNumberForms)
{
    EXPECT_EQ(Text(TDisplay::dtFixP, 2, 0.5), "0.50");
    EXPECT_EQ(Text(TDisplay::dtFixP, 2, 0.125), "0.13");
    EXPECT_EQ(Text(TDisplay::dtFixP, 4, -0.00001), "0.0000");
    EXPECT_EQ(Text(TDisplay::dtFixP, 2, kNaN), "NAN");
    EXPECT_EQ(Text(TDisplay::dtFloat, 3, 1234.5), "1.23E+003");
    EXPECT_EQ(Text(TDisplay::dtFloat, 3, 0.000001), "1E-006");
    EXPECT_EQ(Text(TDisplay::dtExp, 2, -0.00012345), "-1.2E-004");
}

TEST(NumText, IntegersRoundHalvesToEvenAndKeepTheirRanges)
{
    EXPECT_EQ(Text(TDisplay::dtZeroInt, 5, 42), "00042");
    EXPECT_EQ(Text(TDisplay::dtZeroInt, 5, 2.5), "00002");
    EXPECT_EQ(Text(TDisplay::dtZeroInt, 5, 3.5), "00004");
    EXPECT_EQ(Text(TDisplay::dtZeroInt, 2, -2147483648.0), "-2147483648");
    EXPECT_EQ(Text(TDisplay::dtZeroInt, 2, 2147483648.0), "<out>");
    EXPECT_EQ(Text(TDisplay::dtInt, 9, -3.5), "-4");
    EXPECT_EQ(Text(TDisplay::dtInt, 9, 9223372036854775808.0), "<out>");
    EXPECT_EQ(Text(TDisplay::dtInt, 9, kNaN), "<out>");
}

TEST(NumText, HexBinaryAndOctalShowTheLowDigitsOf32Bits)
{
    EXPECT_EQ(Text(TDisplay::dtHex, 4, -1), "FFFF");
    EXPECT_EQ(Text(TDisplay::dtHex, 4, 0x12ABC), "2ABC");
    EXPECT_EQ(Text(TDisplay::dtHex, 15, -1), "FFFFFFFF");
    EXPECT_EQ(Text(TDisplay::dtHex, 4, 4294967296.0), "<out>");
    EXPECT_EQ(Text(TDisplay::dtBin, 4, 5), "0101");
    EXPECT_EQ(Text(TDisplay::dtBin, 15, -1), "111111111111111");
    EXPECT_EQ(Text(TDisplay::dtOct, 15, -1), "37777777777");
    // Precision 0 writes as many digits as the value needs.
    EXPECT_EQ(Text(TDisplay::dtHex, 0, 255), "FF");
    EXPECT_EQ(Text(TDisplay::dtOct, 0, 64), "100");
}

TEST(NumText, Angles)
{
    EXPECT_EQ(Text(TDisplay::dtDeg, 12, 1.5), u"1.50000000\u00B0");
    EXPECT_EQ(Text(TDisplay::dtDegMin, 2, -12.25), u"-12\u00B0 15.00'");
    EXPECT_EQ(Text(TDisplay::dtDegMinSec, 1, 12.5125), u"12\u00B0 30' 45.0\"");
    EXPECT_EQ(Text(TDisplay::dtDegMinSec, 0, 5.0 / 3600), u"0\u00B0  0'   5\"");
    // Angles between -1 and 0 keep their sign; a part rounding up to 60 carries over.
    EXPECT_EQ(Text(TDisplay::dtDegMin, 1, -0.5), u"-0\u00B0 30.0'");
    EXPECT_EQ(Text(TDisplay::dtDegMin, 2, -0.00000001), u"0\u00B0  0.00'");
    EXPECT_EQ(Text(TDisplay::dtDegMin, 2, 12.99999999), u"13\u00B0  0.00'");
    EXPECT_EQ(Text(TDisplay::dtDegMinSec, 1, 0.9999999), u"1\u00B0  0'  0.0\"");
    EXPECT_EQ(Text(TDisplay::dtDegMin, 2, kInf), "<out>");
}

TEST(NumText, DateTimeAndState)
{
    EXPECT_EQ(Text(TDisplay::dtDateTime, 2, 45000.25), "2023-03-15 06:00");
    EXPECT_EQ(Text(TDisplay::dtDateTime, 2, 1e10), "<out>");
    EXPECT_EQ(Text(TDisplay::dtState, 2, kNaN), "busy");
}
