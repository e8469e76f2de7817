#include "controls/common/colorramp.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

constexpr TColor kLow = 0x008000;
constexpr TColor kMid = 0x14698B;
constexpr TColor kHigh = 0xFFFFFF;

TColor Ramp(double x) { return ColorRamp3(kLow, kMid, kHigh, x); }

} // namespace

TEST(ColorRamp3, HitsTheThreeColorsAndTruncatesBetweenThem)
{
    EXPECT_EQ(Ramp(0.0), kLow);
    EXPECT_EQ(Ramp(0.5), kMid);
    EXPECT_EQ(Ramp(1.0), kHigh);
    EXPECT_EQ(Ramp(0.25), 0x0A7445u); // red 69.5 -> 69, green 116.5 -> 116
    EXPECT_EQ(Ramp(0.75), 0x89B4C5u); // blue 137.5 -> 137
    // Just below the middle the lower half still applies and every rising channel
    // falls one short of the middle color.
    EXPECT_EQ(Ramp(0.4999999), RGBColor(138, 105, 19));
    // Falling channels truncate as well: 127.5 -> 127.
    EXPECT_EQ(ColorRamp3(clWhite, clBlack, clBlack, 0.25), RGBColor(127, 127, 127));
}

TEST(ColorRamp3, ClampsOutOfRangeAndNaN)
{
    EXPECT_EQ(Ramp(1.5), kHigh);
    EXPECT_EQ(Ramp(std::numeric_limits<double>::infinity()), kHigh);
    EXPECT_EQ(Ramp(-0.1), kLow);
    EXPECT_EQ(Ramp(-std::numeric_limits<double>::infinity()), kLow);
    EXPECT_EQ(Ramp(std::numeric_limits<double>::quiet_NaN()), kLow);
}

TEST(ColorRamp3, ResultNeverCarriesATopByte)
{
    const TColor tagged = 0xFF000000;
    for (double x : {0.0, 0.3, 0.5, 0.8, 1.0})
        EXPECT_EQ(ColorRamp3(tagged | kLow, tagged | kMid, tagged | kHigh, x) & 0xFF000000u, 0u) << x;
    EXPECT_EQ(ColorRamp3(clBtnShadow, clBtnShadow, clBtnShadow, 0.0), clBtnShadow & 0xFFFFFFu);
}
