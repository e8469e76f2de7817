#include "controls/scale/axisticks.h"
#include "platform/format.h"

#include "axistesting.h"

#include <gtest/gtest.h>
#include <iomanip>

using namespace axistesting;
using testing::ElementsAre;

namespace {

double Day(int year, int month, int day, int hour = 0, int minute = 0, int second = 0, int msec = 0)
{
    return EncodeDateTime({year, month, day, hour, minute, second, msec}).value();
}

TAxisSettings DateAxis(double low, double high, int minTicks = 3, TScaleType type = TScaleType::sctXB)
{
    TAxisSettings axis = Axis(low, high, minTicks);
    axis.LabelType = TFigType::ftDateTime;
    axis.ScaleType = type;
    axis.DateFormat.Locale = QLocale(QLocale::English, QLocale::UnitedStates);
    return axis;
}

QStringList DateLines(const TAxisTicks& ticks)
{
    QStringList lines;
    for (const TAxisTick& tick : ticks.Ticks) {
        if (tick.Long)
            lines << tick.DateLine;
    }
    return lines;
}

} // namespace

TEST(DateTimeTicks, MessagesInsteadOfTicks)
{
    for (const auto& [low, high] : {std::pair{1.0, 0.0}, {-693594.0, 0.0}, {0.0, 3000001.0}}) {
        const TAxisTicks ticks = ComputeAxisTicks(DateAxis(low, high));
        EXPECT_TRUE(ticks.Ticks.empty());
        EXPECT_EQ(ticks.Message, "invalid DateTime scale");
        EXPECT_EQ(ticks.MessageLines, (QStringList{"invalid", "DateTime", "scale"}));
    }
    EXPECT_TRUE(ComputeAxisTicks(DateAxis(-693593, 3000000)).Message.isEmpty());

    const TAxisTicks ticks = ComputeAxisTicks(DateAxis(0, 2e-5));
    EXPECT_TRUE(ticks.Ticks.empty());
    EXPECT_EQ(ticks.Message, "DateTime range is below 1 second");
    EXPECT_EQ(ticks.MessageLines, (QStringList{"DateTime", "range is", "below 1", "second"}));
    // Vertical axes go down to hundredths of a second.
    EXPECT_FALSE(ComputeAxisTicks(DateAxis(0, 2e-5, 3, TScaleType::sctYR)).Ticks.empty());
    EXPECT_FALSE(ComputeAxisTicks(DateAxis(0, 3e-7, 3, TScaleType::sctYR)).Message.isEmpty());
}

TEST(DateTimeTicks, OneDayInSixHourSteps)
{
    TAxisSettings axis = DateAxis(0, 1, 4);
    TAxisTicks ticks = ComputeAxisTicks(axis);
    EXPECT_EQ(ticks.Kind, TAxisKind::DateTime);
    EXPECT_THAT(LongValues(ticks), ElementsAre(0, 0.25, 0.5, 0.75, 1));
    EXPECT_EQ(ShortValues(ticks).size(), 8u); // every 2 hours between them
    EXPECT_EQ(RecordedValues(ticks).size(), 13u);
    EXPECT_EQ(LongLabels(ticks), (QStringList{"00:00", "06:00", "12:00", "18:00", "00:00"}));
    EXPECT_EQ(DateLines(ticks), (QStringList{"30-Dec-1899", "", "", "", "31-Dec-1899"}));

    axis.ShortTicks = false;
    EXPECT_EQ(RecordedValues(ComputeAxisTicks(axis)).size(), 5u);
    axis.DateFormat.DateForTime = TDateForTime::dtOnePerChart;
    EXPECT_EQ(DateLines(ComputeAxisTicks(axis)), (QStringList{"30-Dec-1899", "", "", "", ""}));
    axis.DateFormat.DateForTime = TDateForTime::dtAllTicks;
    EXPECT_EQ(DateLines(ComputeAxisTicks(axis)).count("30-Dec-1899"), 4);
    axis.DateFormat.DateForTime = TDateForTime::dtNone;
    EXPECT_EQ(DateLines(ComputeAxisTicks(axis)), QStringList(5, QString()));

    axis.DateFormat.TimeFormat = TTimeFormat::tfHHhMM;
    EXPECT_EQ(LongLabels(ComputeAxisTicks(axis)), (QStringList{"0h", "6h", "12h", "18h", "0h"}));
    axis.DateFormat.TimeFormat = TTimeFormat::tfAMPM;
    EXPECT_EQ(LongLabels(ComputeAxisTicks(axis)), (QStringList{"12am", "6am", "12pm", "6pm", "12am"}));

    // From 01:30 the first 6-hour tick is 06:00; the 2-hour ticks before it come first.
    ticks = ComputeAxisTicks(DateAxis(Day(2007, 3, 15, 1, 30), Day(2007, 3, 16)));
    EXPECT_DOUBLE_EQ(ticks.Ticks.front().Value, Day(2007, 3, 15, 2));
    EXPECT_DOUBLE_EQ(LongValues(ticks).front(), Day(2007, 3, 15, 6));
    EXPECT_EQ(DateLines(ticks).front(), "15-Mar-2007");
}

TEST(DateTimeTicks, ClockLabelsAtEachLevel)
{
    TAxisSettings minutes = DateAxis(Day(2007, 3, 15, 14), Day(2007, 3, 15, 14, 30));
    TAxisSettings seconds = DateAxis(Day(2007, 3, 15, 14, 5), Day(2007, 3, 15, 14, 5, 30));
    TAxisSettings hundredths =
        DateAxis(Day(2007, 3, 15, 14, 5, 30), Day(2007, 3, 15, 14, 5, 30, 300), 3, TScaleType::sctYL);
    const auto second = [](const TAxisSettings& axis) { return LongLabels(ComputeAxisTicks(axis)).at(1); };
    EXPECT_EQ(LongLabels(ComputeAxisTicks(minutes)), (QStringList{"14:00", "14:10", "14:20", "14:30"}));
    EXPECT_EQ(second(seconds), "14:05:10");
    EXPECT_EQ(second(hundredths), "14:05:30.10");

    for (TAxisSettings* axis : {&minutes, &seconds, &hundredths})
        axis->DateFormat.TimeFormat = TTimeFormat::tfHHhMM;
    EXPECT_EQ(second(minutes), "14h10");
    EXPECT_EQ(second(seconds), "14h05:10");
    EXPECT_EQ(second(hundredths), "14h05:30.10");
    for (TAxisSettings* axis : {&minutes, &seconds, &hundredths})
        axis->DateFormat.TimeFormat = TTimeFormat::tfAMPM;
    EXPECT_EQ(second(minutes), "2:10pm");
    EXPECT_EQ(second(seconds), "2:05.10pm");
    EXPECT_EQ(second(hundredths), "2:05.30.10pm");

    // The separator is written as it is, even a quote; hundredths keep two digits.
    hundredths.DateFormat.TimeFormat = TTimeFormat::tfHHMMSS;
    hundredths.DateFormat.TimeSeparator = u'"';
    hundredths.RangeHigh = Day(2007, 3, 15, 14, 5, 30, 60);
    EXPECT_EQ(second(hundredths), "14\"05\"30.02");
}

TEST(DateTimeTicks, StepsAcrossTheStartOfTheTimeLine)
{
    // 28 December 1899 18:00 to 29 December 06:00 in 3-hour steps.
    TAxisTicks ticks = ComputeAxisTicks(DateAxis(-1.25, -0.75));
    EXPECT_EQ(LongLabels(ticks), (QStringList{"18:00", "21:00", "00:00", "03:00", "06:00"}));
    EXPECT_EQ(DateLines(ticks), (QStringList{"28-Dec-1899", "", "29-Dec-1899", "", ""}));
    // Two-day steps counted from 1 January 1899 stay two days apart across day 0.
    ticks = ComputeAxisTicks(DateAxis(-4, 4));
    EXPECT_THAT(LongValues(ticks), ElementsAre(-3, -1, 1, 3));
    EXPECT_THAT(ShortValues(ticks), ElementsAre(-4, -2, 0, 2, 4));
}

TEST(DateTimeTicks, DaysCountFromNewYear)
{
    // Weekly steps from 1 January fall on 5 March in 2007 and on 4 March in leap 2008.
    TAxisSettings axis = DateAxis(Day(2007, 3, 1), Day(2007, 3, 31));
    TAxisTicks ticks = ComputeAxisTicks(axis);
    EXPECT_EQ(LongLabels(ticks), (QStringList{"05-Mar-2007", "12-Mar-2007", "19-Mar-2007", "26-Mar-2007"}));
    EXPECT_EQ(ShortValues(ticks).size(), 27u);
    EXPECT_EQ(LongLabels(ComputeAxisTicks(DateAxis(Day(2008, 3, 1), Day(2008, 3, 31)))).front(),
              "04-Mar-2008");

    axis.ShortTicks = false;
    axis.DateFormat.MonthName = false;
    axis.DateFormat.YearLength = TYearLength::ylYY;
    axis.DateFormat.DateOrder = TDateOrder::doMMDDYY;
    EXPECT_EQ(LongLabels(ComputeAxisTicks(axis)).front(), "03-05-07");
    axis.DateFormat.DateOrder = TDateOrder::doYYMMDD;
    axis.DateFormat.DateSeparator = u'/';
    EXPECT_EQ(LongLabels(ComputeAxisTicks(axis)).front(), "07/03/05");
    axis.DateFormat.YearLength = TYearLength::ylNone;
    EXPECT_EQ(LongLabels(ComputeAxisTicks(axis)).front(), "03/05");
    axis.DateFormat.DateOrder = TDateOrder::doDDMMYY;
    axis.DateFormat.MonthName = true;
    EXPECT_EQ(LongLabels(ComputeAxisTicks(axis)).front(), "05/Mar");
}

TEST(DateTimeTicks, MonthsAlignToJanuary)
{
    // A range that starts on 1 January keeps its January tick, with or without short ticks.
    TAxisSettings axis = DateAxis(Day(2007, 1, 1), Day(2007, 12, 31));
    axis.ShortTicks = false;
    EXPECT_EQ(LongLabels(ComputeAxisTicks(axis)),
              (QStringList{"Jan-2007", "Apr-2007", "Jul-2007", "Oct-2007"}));
    axis.ShortTicks = true;
    TAxisTicks ticks = ComputeAxisTicks(axis);
    EXPECT_EQ(ticks.Ticks.size(), 12u);
    EXPECT_EQ(LongLabels(ticks), (QStringList{"Jan-2007", "Apr-2007", "Jul-2007", "Oct-2007"}));

    axis = DateAxis(Day(2007, 11, 15), Day(2008, 10, 15));
    axis.ShortTicks = false;
    axis.DateFormat.YearLength = TYearLength::ylYY;
    EXPECT_EQ(LongLabels(ComputeAxisTicks(axis)), (QStringList{"Jan-08", "Apr-08", "Jul-08", "Oct-08"}));
    axis.DateFormat.DateOrder = TDateOrder::doYYMMDD;
    EXPECT_EQ(LongLabels(ComputeAxisTicks(axis)).front(), "08-Jan");
    axis.DateFormat.YearLength = TYearLength::ylNone;
    EXPECT_EQ(LongLabels(ComputeAxisTicks(axis)).front(), "Jan");
}

TEST(DateTimeTicks, YearsOnRoundNumbers)
{
    TAxisSettings axis = DateAxis(Day(1900, 1, 1), Day(2000, 1, 1));
    axis.ShortTicks = false;
    EXPECT_EQ(LongLabels(ComputeAxisTicks(axis)),
              (QStringList{"1900", "1920", "1940", "1960", "1980", "2000"}));
    axis.ShortTicks = true;
    axis.DateFormat.YearLength = TYearLength::ylYY;
    const TAxisTicks ticks = ComputeAxisTicks(axis);
    EXPECT_EQ(ticks.Ticks.size(), 11u);
    EXPECT_EQ(LongLabels(ticks), (QStringList{"00", "20", "40", "60", "80", "00"}));

    axis = DateAxis(Day(1900, 7, 1), Day(2000, 1, 1)); // starts after New Year
    axis.ShortTicks = false;
    EXPECT_EQ(LongLabels(ComputeAxisTicks(axis)).front(), "1920");
    axis = DateAxis(Day(950, 1, 1), Day(1050, 1, 1));
    axis.ShortTicks = false;
    EXPECT_EQ(LongLabels(ComputeAxisTicks(axis)).front(), "960");
}

TEST(DateTimeTicks, NoTickBeyondTheEndOfYear9999)
{
    // Five-year steps: the step after 9995 is cut back to the last day of the calendar.
    const double lastDay = Day(9999, 12, 31);
    TAxisSettings axis = DateAxis(Day(9980, 1, 1), lastDay, 2);
    axis.ShortTicks = false;
    TAxisTicks ticks = ComputeAxisTicks(axis);
    EXPECT_EQ(LongLabels(ticks), (QStringList{"9980", "9985", "9990", "9995", "9999"}));
    EXPECT_DOUBLE_EQ(ticks.Ticks.back().Value, lastDay);

    for (const auto& [low, high] :
         {std::pair{lastDay - 20, lastDay + 5}, {lastDay - 200, 3000000.0}, {lastDay - 1, lastDay + 1}}) {
        ticks = ComputeAxisTicks(DateAxis(low, high));
        ASSERT_FALSE(ticks.Ticks.empty());
        EXPECT_LT(ticks.Ticks.back().Value, lastDay + 1);
    }
}

TEST(DateTimeTicks, StayInsideTheRangeAtEveryLevelAndMagnitude)
{
    // Each range starts 0.4 ms after a whole day and ends 0.4 ms before a round width.
    constexpr double kNoise = 0.0004 / 86400;
    for (const double day : {-693000.0, 0.0, 45000.0, 2950000.0}) {
        for (const double width : {3e-5, 2e-4, 0.01, 0.5, 20.0, 200.0, 3000.0}) {
            for (const TScaleType type : {TScaleType::sctXB, TScaleType::sctYL}) {
                const TAxisSettings axis = DateAxis(day + kNoise, day + width - kNoise, 3, type);
                const TAxisTicks ticks = ComputeAxisTicks(axis);
                SCOPED_TRACE(testing::Message()
                             << std::setprecision(15) << axis.RangeLow << ".." << axis.RangeHigh);
                // Only vertical axes go below seconds.
                EXPECT_EQ(ticks.Ticks.empty(), IsHorizontal(type) && width < 1e-4);
                EXPECT_THAT(OutsideValues(ticks, axis), testing::IsEmpty());
            }
        }
    }
}
