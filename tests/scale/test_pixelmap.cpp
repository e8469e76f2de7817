#include "controls/scale/pixelmap.h"

#include "axistesting.h"

#include <gtest/gtest.h>

using axistesting::Axis;

namespace {

int Pixel(const TAxisSettings& axis, double value)
{
    TPixelMapping mapping;
    RecalcScaling(axis, mapping);
    return ValueToPixel(axis, mapping, value);
}

} // namespace

TEST(PixelMapping, RangeEndsMeetTheAxisEnds)
{
    TAxisSettings axis = Axis(0, 100);
    axis.MarginLeft = 10;
    axis.MarginRight = 30;
    axis.MarginTop = 5;
    axis.MarginBottom = 15;
    EXPECT_EQ(Pixel(axis, 0), 10);
    EXPECT_EQ(Pixel(axis, 100), 369);
    EXPECT_EQ(Pixel(axis, 50), 190); // 189.5 rounds to even
    axis.ScaleType = TScaleType::sctYR;
    EXPECT_EQ(Pixel(axis, 0), 384);
    EXPECT_EQ(Pixel(axis, 100), 5);
    std::swap(axis.RangeLow, axis.RangeHigh); // reversed: the direction turns round
    EXPECT_EQ(Pixel(axis, 100), 384);
    axis.ScaleType = TScaleType::sctXT;
    EXPECT_EQ(Pixel(axis, 0), 369);
}

TEST(PixelMapping, Logarithmic)
{
    TAxisSettings axis = Axis(1, 1000);
    axis.Logarithmic = true;
    axis.Width = 400;
    axis.Height = 300;
    EXPECT_EQ(Pixel(axis, 1), 20);
    EXPECT_EQ(Pixel(axis, 10), 140); // a third of 359 pixels per decade
    EXPECT_EQ(Pixel(axis, 1000), 379);
    // Values at or below zero lie at the control's edge beyond the low end.
    EXPECT_EQ(Pixel(axis, 0), 0);
    axis.ScaleType = TScaleType::sctYL;
    EXPECT_EQ(Pixel(axis, -5), 300);
    std::swap(axis.RangeLow, axis.RangeHigh);
    EXPECT_EQ(Pixel(axis, 1e-101), 0);
    axis.ScaleType = TScaleType::sctXB;
    EXPECT_EQ(Pixel(axis, 0), 400);
}

TEST(PixelMapping, DegenerateAxes)
{
    TAxisSettings axis = Axis(0, 100);
    axis.Width = 41; // 41 - 20 - 20 - 1 = 0 pixels: everything maps to the middle
    EXPECT_EQ(Pixel(axis, -1e6), 20);
    EXPECT_EQ(Pixel(axis, 1e6), 20);
    axis = Axis(0, 1);
    EXPECT_EQ(Pixel(axis, 1e300), 2147483647);
    EXPECT_EQ(Pixel(axis, -1e300), -2147483647);

    // An empty range and a logarithmic range through zero keep the previous mapping.
    TPixelMapping mapping;
    RecalcScaling(Axis(0, 100), mapping);
    const TPixelMapping before = mapping;
    RecalcScaling(Axis(5, 5), mapping);
    axis = Axis(0, 100);
    axis.Logarithmic = true;
    RecalcScaling(axis, mapping);
    EXPECT_EQ(mapping.PixPerUnit, before.PixPerUnit);
    EXPECT_EQ(mapping.PixOffset, before.PixOffset);
}
