#include "controls/scale/decimals.h"
#include "controls/scale/numutil.h"
#include "controls/scale/ticks.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

TEST(CalcTickSpacing, WorkedExamples)
{
    const struct {
        int intervals;
        long double low, high;
        double firstTick, step;
        int subIntervals;
    } cases[] = {
        {3, -0.5L, 2.5L, 0, 1, 5}, // quotient exactly 1
        {3, 0, 1, 0, 0.2, 4}, // quotient 0.333 -> mantissa 2
        {5, 0, 10, 0, 1, 5}, // quotient exactly 2 keeps mantissa 1
        {5, 0, 25, 0, 2, 4}, // quotient exactly 5 keeps mantissa 2
        {5, 10, 0, 10, -1, 5}, // reversed
        {2, 3, 17, 5, 5, 5},           {3, 0.001L, 0.0013L, 0.001, 0.0001, 5},
        {3, 7.25L, 7.25L, 7.25, 0, 1}, // equal ends
    };
    for (const auto& c : cases) {
        long double first = -99, step = -99;
        std::uint16_t sub = 0;
        CalcTickSpacing(c.intervals, c.low, c.high, first, step, sub);
        SCOPED_TRACE(testing::Message() << static_cast<double>(c.low) << ".." << static_cast<double>(c.high));
        EXPECT_NEAR(static_cast<double>(first), c.firstTick, 1e-12);
        EXPECT_DOUBLE_EQ(static_cast<double>(step), c.step);
        EXPECT_EQ(sub, c.subIntervals);
    }
}

TEST(CalcTickSpacing, StepFitsTheRangeAndFirstTickStartsIt)
{
    // N <= span / step < 2.5 N, a mantissa of 1, 2 or 5, and the first tick is the first
    // multiple of the step no more than 0.1 % of a step before Low.
    for (int n = 1; n <= 10; ++n) {
        for (long double low = -7.3L; low < 8; low += 1.7L) {
            for (long double width = 1e-6L; width < 1e9L; width *= 3.7L) {
                for (const long double dir : {1.0L, -1.0L}) {
                    const TTickSpacing s = CalcTickSpacing(n, low, low + dir * width);
                    const long double steps = width / std::fabs(s.Step);
                    ASSERT_GE(steps, n * (1 - 1e-9L));
                    ASSERT_LT(steps, 2.5L * n);
                    ASSERT_EQ(s.Step < 0, dir < 0);
                    const long double mantissa = std::fabs(s.Step)
                        / std::pow(10.0L, std::floor(std::log10(std::fabs(s.Step)) + 1e-12L));
                    ASSERT_NEAR(static_cast<double>(mantissa), std::round(static_cast<double>(mantissa)),
                                1e-9);
                    ASSERT_EQ(s.SubIntervals, std::lround(static_cast<double>(mantissa)) == 2 ? 4 : 5);
                    const long double ahead = dir * (s.FirstTick - low) / std::fabs(s.Step);
                    ASSERT_GE(ahead, -0.001L);
                    ASSERT_LT(ahead, 0.999L);
                    const long double multiple = s.FirstTick / s.Step;
                    ASSERT_NEAR(static_cast<double>(multiple - std::round(multiple)), 0, 1e-6);
                }
            }
        }
    }
}

TEST(CalcTickSpacing, ToleranceAtLowAndUnusableInput)
{
    // 0.30000000000000004 misses the tick at 0.3 by noise only; 0.302 misses it for real.
    EXPECT_NEAR(static_cast<double>(CalcTickSpacing(3, 0.1 + 0.2, 0.9L).FirstTick), 0.3, 1e-15);
    EXPECT_NEAR(static_cast<double>(CalcTickSpacing(3, 0.302L, 0.9L).FirstTick), 0.4, 1e-15);
    // No hang on infinities or NaN; a count below 1 counts as 1.
    CalcTickSpacing(3, 0, std::numeric_limits<long double>::infinity());
    CalcTickSpacing(3, std::numeric_limits<long double>::quiet_NaN(), 1);
    EXPECT_DOUBLE_EQ(static_cast<double>(CalcTickSpacing(0, 0, 10).Step), 10);
}

TEST(NumericUtilities, SignFloorCeiling)
{
    EXPECT_EQ(Sign(0.0), 1);
    EXPECT_EQ(Sign(-0.0), 1);
    EXPECT_EQ(Sign(-1e-300), -1);
    EXPECT_EQ(Floor(2.5), 2); // 2.5 rounds to the even 2
    EXPECT_EQ(Floor(3.5), 3); // 3.5 rounds up to 4, which is above it
    EXPECT_EQ(Floor(-2.5), -3);
    EXPECT_EQ(Floor(-3.0), -3);
    EXPECT_EQ(Ceiling(2.5), 3);
    EXPECT_EQ(Ceiling(-3.5), -3);
    EXPECT_EQ(Ceiling(7.0), 7);
    // Beyond the int range the results saturate instead of wrapping.
    EXPECT_EQ(Floor(-1e20), std::numeric_limits<int>::min());
    EXPECT_EQ(Ceiling(1e20), std::numeric_limits<int>::max());
}

TEST(Decimals, AutomaticChoice)
{
    const struct {
        double width;
        int decimals;
    } linear[] = {{50, 0}, {10, 1}, {3, 2}, {1, 2}, {0.1, 3}, {0.001, 5}, {100, 0}, {1e6, -1}, {0.0001, -1}};
    for (const auto& row : linear) {
        EXPECT_EQ(LinearDecimals(kAutomaticDecimals, 5, 5 + row.width), row.decimals) << row.width;
        EXPECT_EQ(LinearDecimals(kExponentLabels, 5 + row.width, 5), row.decimals) << row.width;
    }
    EXPECT_EQ(LinearDecimals(7, 0, 1e9), 7);

    EXPECT_EQ(LogarithmicDecimals(kAutomaticDecimals, 0.1, 50), 2);
    EXPECT_EQ(LogarithmicDecimals(kAutomaticDecimals, 100, 0.01), 3);
    EXPECT_EQ(LogarithmicDecimals(kAutomaticDecimals, 1, 1000), 0);
    EXPECT_EQ(LogarithmicDecimals(kAutomaticDecimals, 1, 1e7), kScientificLabels);
    EXPECT_EQ(LogarithmicDecimals(kExponentLabels, 1, 1000), kExponentLabels);
}
