#include "controls/scale/ticklabels.h"

#include <gtest/gtest.h>

TEST(FormatTickNumber, FixedAndScientific)
{
    EXPECT_EQ(FormatTickNumber(-1234567.5L, 1), "-1234567.5");
    EXPECT_EQ(FormatTickNumber(1500, -1), " 1.5E+03");
    EXPECT_EQ(FormatTickNumber(-2e-5L, -1), "-2.0E-05");
    EXPECT_EQ(FormatTickNumber(9.96e98L, -1), " 1.0E+99");
    // Three exponent digits do not fit: the whole label turns to stars.
    EXPECT_EQ(FormatTickNumber(1e100L, -1), "*********");
    EXPECT_EQ(FormatTickNumber(-2.5e-120L, -1), "*********");
    EXPECT_EQ(FormatTickNumber(9.96e99L, -1), "*********");
}

TEST(UserTickField, FieldsCountFromOneAndRepeatTheLast)
{
    EXPECT_EQ(UserTickField("Mon|Tue|Wed", 1), "Mon");
    EXPECT_EQ(UserTickField("Mon|Tue|Wed", 7), "Wed");
    EXPECT_EQ(UserTickField("a||c", 2), "");
    EXPECT_EQ(UserTickField("a|b|", 5), "");
    EXPECT_EQ(UserTickField("", 1), "");
    EXPECT_EQ(UserTickField("a|b", 0), "");
}

TEST(ApplyInscript, PrefixOrWrapAroundTheLabel)
{
    EXPECT_EQ(ApplyInscript("12", "&%"), "12%");
    EXPECT_EQ(ApplyInscript("12", "approx. & m"), "approx. 12 m");
    EXPECT_EQ(ApplyInscript("12", "$"), "$12");
    EXPECT_EQ(ApplyInscript("12", "a&b&c"), "a12b&c");
    EXPECT_EQ(ApplyInscript("", "&°C"), "");
    EXPECT_EQ(ApplyInscript("", "$"), "");
}

TEST(TimeLabel, ClockTimes)
{
    EXPECT_EQ(TimeLabel(0, false), " 00:00:00");
    EXPECT_EQ(TimeLabel(3661.5, true), " 01:01:01.500");
    EXPECT_EQ(TimeLabel(-90, false), "-00:01:30");
    EXPECT_EQ(TimeLabel(100 * 3600 + 5, false), " 100:00:05");
    EXPECT_EQ(TimeLabel(59.5, false), " 00:00:59");
    // Sums of sub-second steps miss whole values by noise; the label must show neither
    // 1000 milliseconds nor a negative zero.
    EXPECT_EQ(TimeLabel(0.9999999999, true), " 00:00:01.000");
    EXPECT_EQ(TimeLabel(59.99999999, false), " 00:01:00");
    EXPECT_EQ(TimeLabel(-1e-17, true), " 00:00:00.000");
}
