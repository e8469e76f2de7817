// The chart's display list: growth, counters, queries and the attributes items carry.
#include "controls/chart/plotta.h"
#include "controls/chart/plottaerror.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TPlottaItem ItemAt(const TPlotta& chart, int index)
{
    TPlottaItem item;
    chart.GetItem(index, item);
    return item;
}

} // namespace

TEST(DisplayList, GrowsByWholeBlocksAndIsReleasedByClearItems)
{
    TPlotta chart;
    const TDisplayList& list = chart.DisplayList();
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(list.Capacity(), 0);

    chart.AddMark(7, 0, 0);
    EXPECT_EQ(list.Capacity(), 1000);
    for (int i = 1; i < 1000; ++i)
        chart.AddLineTo(i, i);
    EXPECT_EQ(list.Count(), 1000);
    EXPECT_EQ(list.Capacity(), 1000);
    chart.AddLineTo(1000, 1000);
    EXPECT_EQ(list.Count(), 1001);
    EXPECT_EQ(list.Capacity(), 2000);
    EXPECT_EQ(ItemAt(chart, 0).Kind, TItemKind::ikMark);
    EXPECT_EQ(ItemAt(chart, 1000).X, 1000);

    chart.ShowItems();
    EXPECT_EQ(list.LastShown(), 1000);
    chart.ClearItems();
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(list.Capacity(), 0);
    EXPECT_EQ(list.LastShown(), 0);

    chart.AddMoveTo(1, 2);
    EXPECT_EQ(list.Capacity(), 1000);
    EXPECT_EQ(ItemAt(chart, 0).Kind, TItemKind::ikMoveTo);
}

TEST(DisplayList, AllocSizeAcceptsOneToAMillionAndSetsTheGrowthStep)
{
    TPlotta chart;
    for (int rejected : {0, -5, 1000001}) {
        chart.SetAllocSize(rejected);
        EXPECT_EQ(chart.AllocSize(), 1000) << rejected;
    }
    chart.SetAllocSize(1000000);
    EXPECT_EQ(chart.AllocSize(), 1000000);
    chart.SetAllocSize(1);
    EXPECT_EQ(chart.AllocSize(), 1);

    chart.SetAllocSize(3);
    for (int i = 0; i < 4; ++i)
        chart.AddLineTo(i, i);
    EXPECT_EQ(chart.DisplayList().Capacity(), 6);
}

TEST(DisplayList, CountsEveryKindUntilClearItems)
{
    TPlotta chart;
    chart.AddMark(7, 0, 0);
    chart.AddMark(1, 0, 0);
    chart.AddMoveTo(0, 0);
    chart.AddLineTo(1, 1);
    chart.AddLine(0, 0, 1, 1);
    chart.AddRectangle(0, 0, 1, 1, clRed, false);
    chart.Add3DBox(0, 0, 1, 1, clSilver, clGray, clWhite, TFrameStyle::fsLowered);
    chart.Add3DBar(0, 0, 1, 1, clBlue, 45, 5);
    chart.AddText(0, 0, QStringLiteral("t"), 8);
    chart.AddEllipse(0, 0, 1, 1, clLime, true);
    chart.AddRelMoveTo(3, 4);
    chart.AddRelLineTo(-3, -4);
    chart.AddArrow(0, 0, 1, 1, 6, clBlack, true);

    const TDisplayList& list = chart.DisplayList();
    const int expected[kItemKindCodes] = {0, 2, 1, 1, 1, 1, 1, 1, 1, 1, 0, 0, 1, 1, 1};
    for (int kind = 0; kind < kItemKindCodes; ++kind)
        EXPECT_EQ(list.KindCount(kind), expected[kind]) << kind;
    EXPECT_EQ(list.KindCount(-1), 0);
    EXPECT_EQ(list.KindCount(kItemKindCodes), 0);

    chart.ClearItems();
    for (int kind = 0; kind < kItemKindCodes; ++kind)
        EXPECT_EQ(list.KindCount(kind), 0) << kind;
}

TEST(DisplayList, FindNearestItemHonoursWildcardsAndKeepsTheFirstOfEqualDistances)
{
    TPlotta chart;
    chart.AddMoveTo(0, 0); // 0: the nearest of all, but a move-to
    chart.AddMark(7, 1, 0); // 1
    chart.SetClassDefault(3);
    chart.AddLineTo(0, 1); // 2: as near as item 1, class 3
    chart.AddMark(7, 5, 5); // 3: class 3

    double dist = 0;
    EXPECT_EQ(chart.FindNearestItem(0, kAnyItemClass, 0, 0, dist), -1);
    EXPECT_DOUBLE_EQ(dist, std::sqrt(1.7e308));

    EXPECT_EQ(chart.FindNearestItem(TKindWildcard::AnyKind, kAnyItemClass, 0, 0, dist), 0);
    EXPECT_DOUBLE_EQ(dist, 0);
    EXPECT_EQ(chart.FindNearestItem(TKindWildcard::AnyButMoveTo, kAnyItemClass, 0, 0, dist), 1);
    EXPECT_DOUBLE_EQ(dist, 1);
    EXPECT_EQ(chart.FindNearestItem(TKindWildcard::AnyButMoveTo, 3, 0, 0, dist), 2);
    EXPECT_EQ(chart.FindNearestItem(11, 3, 0, 0, dist), 2); // callers may pass the number
    EXPECT_EQ(chart.FindNearestItem(TItemKind::ikMark, 3, 0, 0, dist), 3);
    EXPECT_DOUBLE_EQ(dist, std::sqrt(50.0));
    EXPECT_EQ(chart.FindNearestItem(TItemKind::ikMark, 0, 4, 4, dist), 1); // distances in data units
    EXPECT_DOUBLE_EQ(dist, 5);
    EXPECT_EQ(chart.FindNearestItem(TItemKind::ikEllipse, kAnyItemClass, 0, 0, dist), -1);
    EXPECT_DOUBLE_EQ(dist, std::sqrt(1.7e308));
}

TEST(DisplayList, ItemsKeepTheAttributesCurrentWhenTheyWereAppended)
{
    TPlotta chart;
    // The main window's sequence: a black mark, a red residual, a wide black line.
    chart.AddMark(7, 1, 1);
    chart.AddMoveTo(1, 1);
    chart.SetDataColor(clRed);
    chart.AddLineTo(1, 2);
    chart.SetDataColor(clBlack);
    chart.SetLineWidth(2);
    chart.AddMoveTo(-0.5, -0.5);
    chart.AddLineTo(2.5, 2.5);
    chart.SetLineWidth(1);

    const TPlottaItem mark = ItemAt(chart, 0);
    EXPECT_EQ(mark.Color, clBlack);
    EXPECT_EQ(mark.LineWidth, 1);
    EXPECT_EQ(mark.MarkType, 7);
    EXPECT_EQ(mark.Layer, 1);
    EXPECT_EQ(mark.PenStyle, TPenStyle::psSolid);
    EXPECT_EQ(ItemAt(chart, 2).Color, clRed);
    EXPECT_EQ(ItemAt(chart, 2).LineWidth, 1);
    EXPECT_EQ(ItemAt(chart, 4).Color, clBlack);
    EXPECT_EQ(ItemAt(chart, 4).LineWidth, 2);

    chart.SetPenStyle(TPenStyle::psDot);
    chart.SetClassDefault(9);
    chart.SetClassDefault(255); // the wildcard is no class
    chart.SetCurrentLayer(4);
    chart.SetCurrentLayer(17); // no such layer
    chart.SetItemTag(-12);
    chart.SetLineWidth(256); // not a byte
    chart.AddLine(0, 1, 2, 3);
    const TPlottaItem line = ItemAt(chart, 5);
    EXPECT_EQ(line.PenStyle, TPenStyle::psDot);
    EXPECT_EQ(line.ItemClass, 9);
    EXPECT_EQ(line.Layer, 4);
    EXPECT_EQ(line.Tag, -12);
    EXPECT_EQ(line.LineWidth, 1);
    EXPECT_EQ(line.X2, 2);
    EXPECT_EQ(line.Y2, 3);
    EXPECT_EQ(line.FillColor, 0u);
    EXPECT_EQ(ItemAt(chart, 0).PenStyle, TPenStyle::psSolid);
}

TEST(DisplayList, TextItemsKeepSeventeenCharacters)
{
    TPlotta chart;
    chart.AddText(0, 0, QStringLiteral("abcdefghijklmnopqrstuvwxyz"), 10);
    EXPECT_EQ(ItemAt(chart, 0).Text, QStringLiteral("abcdefghijklmnopq"));
    EXPECT_EQ(ItemAt(chart, 0).Size, 10);
}

TEST(DisplayList, GetItemRefusesIndicesOutsideTheList)
{
    TPlotta chart;
    TPlottaItem item;
    EXPECT_THROW(chart.GetItem(0, item), EGryphPlottaError);
    chart.AddMark(7, 0.25, 0.5);
    chart.AddMark(7, 1, 1);
    chart.ClearItems();
    chart.AddMark(7, 0.25, 0.5);
    EXPECT_THROW(chart.GetItem(1, item), EGryphPlottaError);
    try {
        chart.GetItem(-1, item);
        FAIL() << "no error for index -1";
    } catch (const EGryphPlottaError& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("Item index -1 is out of range"));
    }
    chart.GetItem(0, item);
    EXPECT_EQ(item.X, 0.25);
    EXPECT_EQ(item.Y, 0.5);
}

TEST(DisplayList, ShowItemsOnAHiddenChartLeavesTheListAlone)
{
    TPlotta chart;
    chart.AddMark(7, 0, 0);
    chart.AddMark(7, 1, 1);
    chart.hide();
    chart.ShowItems();
    EXPECT_EQ(chart.DisplayList().LastShown(), 0);
    chart.show();
    chart.ShowItems();
    EXPECT_EQ(chart.DisplayList().LastShown(), 1);
}

TEST(DisplayList, FigureAttributesStayWithTheirOwnItem)
{
    TPlotta chart;
    chart.AddLineTo(1, 1);
    chart.Add3DBox(0, 0, 1, 1, clSilver, clGray, clWhite, TFrameStyle::fsLowered);
    chart.AddLineTo(2, 2);
    chart.Add3DBar(0, 0, 1, 1, clBlue, 45, 5);
    chart.AddArrow(0, 0, 1, 1, 8, clRed, true);
    chart.AddText(0, 0, QString(), 9);
    chart.AddMark(3, 1, 1);
    chart.AddLine(0, 0, -0.0, std::nan(""));

    const TPlottaItem line = ItemAt(chart, 7);
    EXPECT_TRUE(line.X2 == 0 && std::signbit(line.X2) && std::isnan(line.Y2));
    const TPlottaItem box = ItemAt(chart, 1);
    EXPECT_EQ(box.FillColor, clSilver);
    EXPECT_EQ(box.Color2, clGray);
    EXPECT_EQ(box.Color3, clWhite);
    EXPECT_EQ(box.BorderStyle, TFrameStyle::fsLowered);
    const TPlottaItem bar = ItemAt(chart, 3);
    EXPECT_EQ(bar.Size, 45);
    EXPECT_EQ(bar.Size2, 5);
    EXPECT_EQ(bar.Color2, 0u);
    const TPlottaItem arrow = ItemAt(chart, 4);
    EXPECT_EQ(arrow.Size, 8);
    EXPECT_TRUE(arrow.Transparent);
    EXPECT_EQ(ItemAt(chart, 5).Size, 9);
    for (int plain : {0, 2, 6}) {
        const TPlottaItem item = ItemAt(chart, plain);
        EXPECT_EQ(item.FillColor, 0u) << plain;
        EXPECT_EQ(item.Size, 0) << plain;
        EXPECT_TRUE(item.Text.isNull()) << plain;
    }
    EXPECT_EQ(ItemAt(chart, 6).MarkType, 3);
}

// A cleared list refills the memory it had; what the refill does not use is released
// when the list is shown.
TEST(DisplayList, HoldsAPlainItemInAtMostSixtyFourBytes)
{
    TPlotta chart;
    constexpr int kItems = 100000;
    for (int i = 0; i < kItems; ++i)
        chart.AddLineTo(i, i);
    const std::size_t full = chart.DisplayList().MemoryBytes();
    EXPECT_LE(full, std::size_t(kItems) * 64 * 105 / 100);
    chart.ClearItems();
    EXPECT_EQ(chart.DisplayList().Capacity(), 0);
    for (int i = 0; i < kItems; ++i)
        chart.AddLineTo(i, i);
    EXPECT_EQ(chart.DisplayList().MemoryBytes(), full);
    chart.ClearItems();
    chart.ShowItems();
    EXPECT_EQ(chart.DisplayList().MemoryBytes(), 0u);
}
