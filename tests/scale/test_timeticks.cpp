#include "controls/scale/axisticks.h"

#include "axistesting.h"

#include <cmath>
#include <gtest/gtest.h>
#include <iomanip>

using namespace axistesting;
using testing::ElementsAre;

namespace {

TAxisSettings TimeAxis(double low, double high, int minTicks = 3)
{
    TAxisSettings axis = Axis(low, high, minTicks);
    axis.LabelType = TFigType::ftTime;
    return axis;
}

} // namespace

TEST(TimeTicks, StepsFromTheTable)
{
    TAxisSettings axis = TimeAxis(0, 600);
    TAxisTicks ticks = ComputeAxisTicks(axis);
    EXPECT_EQ(ticks.Kind, TAxisKind::Time);
    EXPECT_THAT(LongValues(ticks), ElementsAre(0, 180, 360, 540));
    EXPECT_EQ(LongLabels(ticks), (QStringList{" 00:00:00", " 00:03:00", " 00:06:00", " 00:09:00"}));
    EXPECT_EQ(ShortValues(ticks).size(), 21u); // every 30 s, 0 and 600 included
    EXPECT_EQ(RecordedValues(ticks), ShortValues(ticks));
    axis.ShortTicks = false;
    EXPECT_EQ(RecordedValues(ComputeAxisTicks(axis)), (std::vector<double>{0, 180, 360, 540}));

    // Steps below a second get milliseconds; no inscription applies.
    axis = TimeAxis(3599, 3601.5);
    axis.ScaleInscript = "& s";
    EXPECT_EQ(LongLabels(ComputeAxisTicks(axis)).mid(0, 3),
              (QStringList{" 00:59:59.000", " 00:59:59.500", " 01:00:00.000"}));
    ticks = ComputeAxisTicks(TimeAxis(-0.01, 0.01, 4));
    EXPECT_EQ(
        LongLabels(ticks),
        (QStringList{"-00:00:00.010", "-00:00:00.005", " 00:00:00.000", " 00:00:00.005", " 00:00:00.010"}));
}

TEST(TimeTicks, RangesOutsideTheTableFallBackToNumbers)
{
    TAxisSettings axis = TimeAxis(0, 300000);
    axis.DecPlaces = 4;
    TAxisTicks ticks = ComputeAxisTicks(axis);
    EXPECT_EQ(ticks.Kind, TAxisKind::Linear);
    EXPECT_EQ(LongLabels(ticks), (QStringList{"0.0", "100000.0000", "200000.0000", "300000.0000"}));

    axis = TimeAxis(0, 0.002);
    axis.DecPlaces = 4;
    axis.ScaleInscript = "& s";
    EXPECT_EQ(LongLabels(ComputeAxisTicks(axis)).first(), "0.0000 s");
}

TEST(TimeTicks, NegativeAndReversedRangesReachBothEnds)
{
    TAxisTicks ticks = ComputeAxisTicks(TimeAxis(-540, 60));
    EXPECT_EQ(LongLabels(ticks), (QStringList{"-00:09:00", "-00:06:00", "-00:03:00", " 00:00:00"}));
    EXPECT_EQ(ShortValues(ticks).front(), -540);
    EXPECT_EQ(ShortValues(ticks).back(), 60);

    ticks = ComputeAxisTicks(TimeAxis(600, 0));
    EXPECT_THAT(LongValues(ticks), ElementsAre(540, 360, 180, 0));
    EXPECT_EQ(ShortValues(ticks).size(), 21u);
    EXPECT_EQ(ShortValues(ticks).front(), 600);

    // A range that starts just before a step and ends on a long tick keeps that tick.
    ticks = ComputeAxisTicks(TimeAxis(719.9, 1260));
    EXPECT_THAT(LongValues(ticks), ElementsAre(720, 900, 1080, 1260));
    EXPECT_EQ(ShortValues(ticks).back(), 1260);
}

TEST(TimeTicks, CoverEveryRangeAndStayInsideItAtAnyMagnitude)
{
    const auto check = [](const TAxisSettings& axis) {
        const TAxisTicks ticks = ComputeAxisTicks(axis);
        SCOPED_TRACE(testing::Message() << std::setprecision(15) << axis.RangeLow << ".." << axis.RangeHigh);
        ASSERT_EQ(ticks.Kind, TAxisKind::Time);
        EXPECT_THAT(OutsideValues(ticks, axis), testing::IsEmpty());
        EXPECT_GE(LongValues(ticks).size(), 3u);
        // The short ticks reach both ends to within one short step.
        const std::vector<double> shorts = ShortValues(ticks);
        ASSERT_GE(shorts.size(), 2u);
        const double shortStep = std::fabs(shorts[1] - shorts[0]);
        EXPECT_LT(std::fabs(shorts.front() - axis.RangeLow), shortStep);
        EXPECT_LT(std::fabs(axis.RangeHigh - shorts.back()), shortStep);
    };
    for (const double start : {0.0, 3600.5, 1.7e9, -1.7e9, 1e11}) {
        for (const double width : {0.003, 0.1, 1.0, 10.0, 1000.0, 50000.0}) {
            check(TimeAxis(start, start + width));
            check(TimeAxis(start + width, start));
        }
    }
}
