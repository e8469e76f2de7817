#include "controls/scale/axisticks.h"
#include "controls/scale/ticklist.h"

#include "axistesting.h"

#include <QSet>
#include <gtest/gtest.h>
#include <limits>

using namespace axistesting;
using testing::DoubleNear;
using testing::ElementsAre;
using testing::Pointwise;

namespace {

std::vector<double> Series(double first, double step, int count)
{
    std::vector<double> values;
    for (int i = 0; i < count; ++i)
        values.push_back(first + i * step);
    return values;
}

TAxisSettings LogAxis(double low, double high, int minTicks = 3)
{
    TAxisSettings axis = Axis(low, high, minTicks);
    axis.Logarithmic = true;
    return axis;
}

TAxisSettings WithDecPlaces(TAxisSettings axis, int decPlaces)
{
    axis.DecPlaces = decPlaces;
    return axis;
}

TAxisSettings TimeAxis(double low, double high)
{
    TAxisSettings axis = Axis(low, high);
    axis.LabelType = TFigType::ftTime;
    axis.DecPlaces = 4; // as the scale sets it for time labels
    return axis;
}

} // namespace

TEST(LinearTicks, WorkedExampleWithAndWithoutShortTicks)
{
    TAxisSettings axis = Axis(-0.5, 2.5);
    TAxisTicks ticks = ComputeAxisTicks(axis);
    EXPECT_EQ(ticks.Kind, TAxisKind::Linear);
    EXPECT_THAT(ShortValues(ticks), Pointwise(DoubleNear(1e-12), Series(-0.4, 0.2, 15)));
    EXPECT_THAT(LongValues(ticks), Pointwise(DoubleNear(1e-12), Series(0, 1, 3)));
    EXPECT_EQ(LongLabels(ticks), (QStringList{"0.00", "1.00", "2.00"}));
    // Short ticks come first and alone are recorded, long positions included.
    EXPECT_FALSE(ticks.Ticks.front().Long);
    EXPECT_EQ(RecordedValues(ticks), ShortValues(ticks));

    axis.ShortTicks = false;
    ticks = ComputeAxisTicks(axis);
    EXPECT_TRUE(ShortValues(ticks).empty());
    EXPECT_EQ(RecordedValues(ticks).size(), 3u);
}

TEST(LinearTicks, EndsReversalAndDefaults)
{
    // 1.0 is kept although the summed steps miss it by noise.
    TAxisTicks ticks = ComputeAxisTicks(Axis(0, 1));
    EXPECT_EQ(LongLabels(ticks), (QStringList{"0.00", "0.20", "0.40", "0.60", "0.80", "1.00"}));
    EXPECT_EQ(ShortValues(ticks).size(), 21u);
    ticks = ComputeAxisTicks(Axis(0, 25, 5));
    EXPECT_THAT(LongValues(ticks), Pointwise(DoubleNear(1e-12), Series(0, 2, 13)));
    EXPECT_EQ(ShortValues(ticks).size(), 51u);

    ticks = ComputeAxisTicks(Axis(10, 0, 5));
    EXPECT_THAT(LongValues(ticks), Pointwise(DoubleNear(1e-12), Series(10, -1, 11)));
    EXPECT_THAT(ShortValues(ticks), Pointwise(DoubleNear(1e-12), Series(10, -0.2, 51)));

    EXPECT_EQ(LongLabels(ComputeAxisTicks(TAxisSettings())),
              (QStringList{"0", "20", "40", "60", "80", "100"}));

    EXPECT_TRUE(ComputeAxisTicks(Axis(5, 5)).Ticks.empty());
    EXPECT_TRUE(ComputeAxisTicks(Axis(0, std::numeric_limits<double>::infinity())).Ticks.empty());
    EXPECT_EQ(LongValues(ComputeAxisTicks(Axis(0, 1, 1000))).size(), 11u); // counts above 10 count as 10
}

TEST(LinearTicks, TicksWithinTheEndToleranceLieOnTheEnds)
{
    // 0 and 1 miss the range by less than 0.1 % of a step, 1 by less than 1e-9 of itself.
    for (const TAxisSettings& axis : {Axis(0.0001, 0.9999), Axis(0.9999, 0.0001), LogAxis(1 + 1e-10, 1000)}) {
        const TAxisTicks ticks = ComputeAxisTicks(axis);
        EXPECT_THAT(OutsideValues(ticks, axis), testing::IsEmpty());
        EXPECT_EQ(LongValues(ticks).front(), axis.RangeLow);
        EXPECT_EQ(LongValues(ticks).back(), axis.RangeHigh);
    }
    EXPECT_EQ(LongLabels(ComputeAxisTicks(Axis(0.0001, 0.9999))).front(), "0.00");
}

TEST(NumericLabels, ZeroRuleScientificAndCut)
{
    EXPECT_EQ(LongLabels(ComputeAxisTicks(Axis(-1e7, 1e7))),
              (QStringList{"-1.0E+07", "-5.0E+06", "0.0", " 5.0E+06", " 1.0E+07"}));
    // Wide ranges write zero as "0.0" whatever the decimals; narrow ones in the label's
    // format, also when the tick misses zero by noise.
    TAxisSettings axis = Axis(-3e5, 3e5);
    axis.DecPlaces = 3;
    EXPECT_EQ(LongLabels(ComputeAxisTicks(axis)).mid(2, 3),
              (QStringList{"-100000.000", "0.0", "100000.000"}));
    axis = Axis(-0.7, 0.7, 7);
    axis.DecPlaces = -1;
    EXPECT_EQ(LongLabels(ComputeAxisTicks(axis)).at(7), " 0.0E+00");

    axis = Axis(0, 1e6);
    axis.DecPlaces = 12;
    EXPECT_EQ(LongLabels(ComputeAxisTicks(axis)).at(1), "200000.0000000");
}

TEST(NumericLabels, NoTwoTicksReadAlike)
{
    // Labels carry at least the digits of the spacing between their ticks.
    const struct {
        TAxisSettings axis;
        QStringList labels;
    } rows[] = {
        {LogAxis(1.1, 1.5), {"1.1", "1.2", "1.3", "1.4", "1.5"}},
        {LogAxis(1, 3), {"1.0", "1.5", "2.0", "2.5", "3.0"}},
        {LogAxis(1.6, 2.8, 2), {"2.0", "2.5"}},
        {WithDecPlaces(LogAxis(0.01, 100), 0), {"0.01", "0.10", "1.00", "10.00", "100.00"}},
        {LogAxis(0.03, 3000), {"0.1", "1", "10", "100", "1000"}},
        {Axis(1e6, 1e6 + 1),
         {"1000000.00", "1000000.20", "1000000.40", "1000000.60", "1000000.80", "1000001.00"}},
        {Axis(1, 1.00001),
         {" 1.000000E+00", " 1.000002E+00", " 1.000004E+00", " 1.000006E+00", " 1.000008E+00",
          " 1.000010E+00"}},
        {Axis(1e7, 1.2e7), {" 1.00E+07", " 1.05E+07", " 1.10E+07", " 1.15E+07", " 1.20E+07"}},
        // Where one notation cannot write the ticks apart within 14 characters, the other does.
        {Axis(1e6, 1e6 + 6e-6), {"1000000.000000", "1000000.000002", "1000000.000004", "1000000.000006"}},
        {WithDecPlaces(LogAxis(1e-14, 1e-13, 2), 0), {" 1.0E-14", " 2.0E-14", " 5.0E-14", " 1.0E-13"}},
        {Axis(0, 1e-5), {" 0.0E+00", " 2.0E-06", " 4.0E-06", " 6.0E-06", " 8.0E-06", " 1.0E-05"}},
        {WithDecPlaces(Axis(0, 1), 0), {"0.0", "0.2", "0.4", "0.6", "0.8", "1.0"}},
        {TimeAxis(0, 0.0002), {"0.00000", "0.00005", "0.00010", "0.00015", "0.00020"}},
        {TimeAxis(86399.997, 86400.001),
         {" 23:59:59.997", " 23:59:59.998", " 23:59:59.999", " 24:00:00.000", " 24:00:00.001"}},
    };
    for (const auto& row : rows) {
        const QStringList labels = LongLabels(ComputeAxisTicks(row.axis));
        EXPECT_EQ(labels.join('|').toStdString(), row.labels.join('|').toStdString());
        EXPECT_EQ(QSet<QString>(labels.begin(), labels.end()).size(), labels.size());
    }
}

TEST(NumericLabels, InscriptionsUserTextsAndNoFigures)
{
    TAxisSettings axis = Axis(0, 100);
    axis.ScaleInscript = "&°C";
    EXPECT_EQ(LongLabels(ComputeAxisTicks(axis)).at(1), "20°C");

    axis = Axis(0, 4, 4);
    axis.LabelType = TFigType::ftUserText;
    axis.UserTickText = "Mon|Tue|Wed";
    axis.ScaleInscript = "&!"; // user texts take no inscription
    EXPECT_EQ(LongLabels(ComputeAxisTicks(axis)), (QStringList{"Mon", "Tue", "Wed", "Wed", "Wed"}));

    axis.LabelType = TFigType::ftNoFigs;
    const TAxisTicks ticks = ComputeAxisTicks(axis);
    EXPECT_EQ(LongLabels(ticks), QStringList(5, QString()));
}

TEST(LogarithmicTicks, DecadesAndIntermediateTicks)
{
    TAxisTicks ticks = ComputeAxisTicks(LogAxis(1, 1000));
    EXPECT_EQ(ticks.Kind, TAxisKind::Logarithmic);
    EXPECT_THAT(LongValues(ticks), ElementsAre(1, 10, 100, 1000));
    EXPECT_TRUE(ShortValues(ticks).empty());

    TAxisSettings axis = LogAxis(1, 100, 4);
    ticks = ComputeAxisTicks(axis);
    EXPECT_THAT(LongValues(ticks), ElementsAre(1, 2, 5, 10, 20, 50, 100));
    EXPECT_THAT(ShortValues(ticks), ElementsAre(3, 4, 6, 7, 8, 9, 30, 40, 60, 70, 80, 90));
    EXPECT_EQ(ticks.Ticks.at(1).Value, 2); // in value order
    EXPECT_EQ(RecordedValues(ticks).size(), 19u);
    axis.ShortTicks = false;
    EXPECT_EQ(RecordedValues(ComputeAxisTicks(axis)).size(), 7u);
    std::swap(axis.RangeLow, axis.RangeHigh); // reversed: the same ticks
    EXPECT_THAT(LongValues(ComputeAxisTicks(axis)), ElementsAre(1, 2, 5, 10, 20, 50, 100));

    // Less than a decade: linear ticks; limits at or below zero: none (and no hang).
    ticks = ComputeAxisTicks(LogAxis(2, 8));
    EXPECT_EQ(ticks.Kind, TAxisKind::Linear);
    EXPECT_EQ(LongLabels(ticks), (QStringList{"2", "3", "4", "5", "6", "7", "8"}));
    EXPECT_TRUE(ComputeAxisTicks(LogAxis(0, 100)).Ticks.empty());
}

TEST(LogarithmicTicks, LabelsTrimmedOrAsExponents)
{
    TAxisSettings axis = LogAxis(0.01, 100);
    EXPECT_EQ(LongLabels(ComputeAxisTicks(axis)), (QStringList{"0.01", "0.1", "1", "10", "100"}));
    axis.DecPlaces = 3; // fixed decimals keep their zeros
    EXPECT_EQ(LongLabels(ComputeAxisTicks(axis)).front(), "0.010");

    axis = LogAxis(1, 1000);
    axis.DecPlaces = -3;
    EXPECT_EQ(LongLabels(ComputeAxisTicks(axis)), (QStringList{"0", "1", "2", "3"}));
    axis = LogAxis(0.01, 1, 5);
    axis.DecPlaces = -3;
    axis.ScaleInscript = "10^";
    EXPECT_EQ(LongLabels(ComputeAxisTicks(axis)), (QStringList{"10^-2", "", "", "10^-1", "", "", "10^0"}));
    axis.LabelType = TFigType::ftUserText; // the empty 2 and 5 labels count as labeled ticks
    axis.UserTickText = "a|b|c|d";
    EXPECT_EQ(LongLabels(ComputeAxisTicks(axis)).mid(3), (QStringList{"d", "d", "d", "d"}));

    axis = LogAxis(2, 8); // linear ticks: exponent labels fall back to automatic decimals
    axis.DecPlaces = -3;
    EXPECT_EQ(LongLabels(ComputeAxisTicks(axis)).front(), "2.0");
}

TEST(TickList, KeepsTheFirstFiftyRecordedTicks)
{
    const TAxisTicks ticks = ComputeAxisTicks(Axis(0, 1, 10)); // 51 short ticks at 0.02
    TTickList list;
    for (const TAxisTick& tick : ticks.Ticks)
        list.Offer(tick);
    EXPECT_EQ(list.NumTicks(), 50);
    EXPECT_NEAR(list.TickValue(50), 0.98, 1e-12);
    EXPECT_EQ(list.TickValue(0), 0);
    EXPECT_EQ(list.TickValue(51), 0);
    list.Clear();
    list.Offer({3.5, true, false, {}, {}}); // not a recorded tick
    EXPECT_EQ(list.NumTicks(), 0);
}
