// The data-area renderer: item geometry, line-to batching, labels, grid and options.
#include "chartpixels.h"
#include "controls/chart/gridrenderer.h"
#include "controls/scale/scale.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

constexpr TColor kWhite = clWhite;

QVector<QPoint> HorizontalRun(int fromX, int toX, int y)
{
    QVector<QPoint> points;
    for (int x = fromX; x <= toX; ++x)
        points.append(QPoint(x, y));
    return points;
}

void ExpectPositions(const std::vector<double>& actual, const std::vector<double>& expected)
{
    ASSERT_EQ(actual.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i)
        EXPECT_NEAR(actual[i], expected[i], 1e-9 * std::abs(expected[i])) << i;
}

} // namespace

TEST(ChartRenderer, ClosedFiguresCoverBothCornersAndShrinkToOnePixel)
{
    TPlotta chart;
    UsePixelUnits(chart);
    chart.SetDataColor(clRed);
    chart.AddRectangle(10, 10, 10, 10, clBlue, false);
    chart.AddRectangle(30, 10, 20, 20, clBlue, false);
    chart.AddRectangle(40, 10, 50, 20, clBlue, true);
    chart.Add3DBox(70, 20, 60, 10, clYellow, clAqua, clGray, TFrameStyle::fsLowered);
    chart.ShowItems();

    EXPECT_EQ(DataColorAt(chart, 10, 10), clRed);
    for (QPoint around : {QPoint(9, 10), QPoint(11, 10), QPoint(10, 9), QPoint(10, 11)})
        EXPECT_EQ(DataColorAt(chart, around.x(), around.y()), kWhite);

    for (QPoint corner : {QPoint(20, 10), QPoint(30, 10), QPoint(20, 20), QPoint(30, 20)})
        EXPECT_EQ(DataColorAt(chart, corner.x(), corner.y()), clRed);
    EXPECT_EQ(DataColorAt(chart, 25, 15), clBlue);
    EXPECT_EQ(DataColorAt(chart, 31, 15), kWhite);
    EXPECT_EQ(DataColorAt(chart, 45, 15), kWhite) << "transparent rectangles are not filled";
    EXPECT_EQ(DataColorAt(chart, 50, 15), clRed);

    // A lowered box: left and top edge in the second color, right and bottom edge in
    // the third, whichever way its corners were given.
    EXPECT_EQ(DataColorAt(chart, 60, 15), clAqua);
    EXPECT_EQ(DataColorAt(chart, 65, 20), clAqua);
    EXPECT_EQ(DataColorAt(chart, 70, 15), clGray);
    EXPECT_EQ(DataColorAt(chart, 65, 10), clGray);
    EXPECT_EQ(DataColorAt(chart, 65, 15), clYellow);
}

TEST(ChartRenderer, LineToRunsAreDrawnAsPolylinesOf200Points)
{
    // A dotted pen starts its pattern afresh with every polyline, which shows where
    // each batch begins.
    TPlotta chart;
    chart.resize(600, 200);
    chart.Scale1X()->SetRangeHigh(530);
    chart.Scale1Y()->SetRangeHigh(140);
    chart.SetPenStyle(TPenStyle::psDot);
    chart.AddMoveTo(10, 70);
    for (int i = 1; i <= 450; ++i)
        chart.AddLineTo(10 + i, 70);
    chart.ShowItems();

    TBitmap batched(531, 141);
    batched.Canvas().Pen.Style = TPenStyle::psDot;
    batched.Canvas().Polyline(HorizontalRun(10, 209, 70));
    batched.Canvas().Polyline(HorizontalRun(209, 408, 70));
    batched.Canvas().Polyline(HorizontalRun(408, 460, 70));
    TBitmap unbatched(531, 141);
    unbatched.Canvas().Pen.Style = TPenStyle::psDot;
    unbatched.Canvas().Polyline(HorizontalRun(10, 460, 70));

    bool batchesShow = false;
    for (int x = 1; x < 530; ++x) {
        EXPECT_EQ(ColorAt(chart.DataAreaPicture(), x, 70), ColorAt(batched, x, 70)) << x;
        batchesShow = batchesShow || ColorAt(batched, x, 70) != ColorAt(unbatched, x, 70);
    }
    EXPECT_TRUE(batchesShow);
}

TEST(ChartRenderer, LinesLeaveTheBatchStartAndRelativeItemsFollowThePen)
{
    TPlotta chart;
    UsePixelUnits(chart);
    chart.SetDataColor(clRed);
    chart.AddMoveTo(10, 10);
    chart.AddLine(50, 50, 100, 50);
    chart.AddLineTo(30, 10);
    chart.AddRelLineTo(0, 5);
    chart.AddRelMoveTo(20, 0);
    chart.AddLineTo(50, 0);
    chart.ShowItems();

    EXPECT_EQ(DataColorAt(chart, 75, 50), clRed);
    EXPECT_EQ(DataColorAt(chart, 20, 10), clRed) << "the line-to starts at the move-to";
    EXPECT_EQ(DataColorAt(chart, 65, 30), kWhite) << "not at the end of the line";
    // Five pixels down (pixel offsets grow downwards), end pixel included.
    EXPECT_EQ(DataColorAt(chart, 30, 5), clRed);
    // The relative move leads the next line-to from (50, 5) to (50, 0).
    EXPECT_EQ(DataColorAt(chart, 50, 3), clRed);
    EXPECT_EQ(DataColorAt(chart, 40, 5), kWhite);
}

TEST(ChartRenderer, ArrowHeadsPointAlongTheLine)
{
    TPlotta chart;
    UsePixelUnits(chart);
    chart.SetDataColor(clRed);
    chart.AddArrow(10, 70, 60, 70, 10, clBlue, false);
    chart.AddArrow(10, 30, 60, 30, 10, clBlue, true);
    chart.ShowItems();
    const TBitmap& picture = chart.DataAreaPicture();
    // The shaft ends at (61, 71) (both ends widened); the head lies behind the tip.
    EXPECT_EQ(ColorAt(picture, 54, 72), clBlue);
    EXPECT_EQ(ColorAt(picture, 66, 71), kWhite);
    EXPECT_EQ(ColorAt(picture, 54, 112), kWhite) << "a transparent head is two strokes";
    const auto strokeCrosses = [&](int x, int fromY, int toY) {
        for (int y = fromY; y <= toY; ++y)
            if (ColorAt(picture, x, y) == clRed)
                return true;
        return false;
    };
    EXPECT_TRUE(strokeCrosses(56, 107, 110));
    EXPECT_TRUE(strokeCrosses(56, 112, 114));
}

TEST(ChartRenderer, FarAwayPointsAreLimitedTo30000Pixels)
{
    TPlotta chart;
    UsePixelUnits(chart);
    chart.SetDataColor(clRed);
    chart.AddLine(-1e9, 70, 100, 70);
    // Both ends limited: this line passes outside the data area.
    chart.AddLine(-1e9, -1e9, 1e9, 1e9);
    chart.ShowItems();
    for (int x : {1, 50, 99})
        EXPECT_EQ(DataColorAt(chart, x, 70), clRed) << x;
    EXPECT_EQ(DataColorAt(chart, 101, 70), kWhite);
    EXPECT_EQ(DataColorAt(chart, 35, 35), kWhite);
}

TEST(ChartRenderer, PointsThatAreNoNumbersBreakTheLineAndMarksThereAreLeftOut)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    TPlotta chart;
    UsePixelUnits(chart);
    chart.SetDataColor(clRed);
    chart.AddMoveTo(10, 10);
    chart.AddLineTo(30, 10);
    chart.AddLineTo(nan, 10);
    chart.AddLineTo(50, 10); // starts afresh
    chart.AddLineTo(70, 10);
    chart.AddLineTo(80, inf);
    chart.AddMoveTo(-inf, 10);
    chart.AddLineTo(90, 10); // starts afresh
    chart.AddLineTo(110, 10);
    chart.AddMark(0, 120, nan);
    // Rendered onto the whole control's area, which such points used to reach.
    TBitmap control(280, 200);
    TCanvas* canvas = &control.Canvas();
    chart.RenderData(canvas, {.OffsetX = 50, .OffsetY = 20});

    const int row = 160 - 10;
    for (int x : {20, 60, 100})
        EXPECT_EQ(ColorAt(control, 50 + x, row), clRed) << x;
    for (int x : {40, 80})
        EXPECT_EQ(ColorAt(control, 50 + x, row), kWhite) << x;
    int redElsewhere = 0;
    for (int y = 0; y < 200; ++y)
        for (int x = 0; x < 280; ++x)
            redElsewhere += y != row && ColorAt(control, x, y) == clRed;
    EXPECT_EQ(redElsewhere, 0);
}

TEST(ChartRenderer, RightAlignedLinesOfALabelEndTogether)
{
    // The label "a", line feed, "bb" must look like a label "bb" with a label "a"
    // one line above it, both right-aligned at the same point.
    const auto labeled = [](std::initializer_list<std::pair<QString, int>> labels) {
        auto chart = std::make_unique<TPlotta>();
        int n = 1;
        for (const auto& [caption, y] : labels) {
            TTextLabel* label = chart->TextLabel(n++);
            label->SetAttachToData(false);
            label->SetPosX(150);
            label->SetPosY(y);
            label->SetAlignment(TAlignment::taRightJustify);
            label->SetTransparent(true);
            label->SetCaption(caption);
            label->SetMode(TTxtLblMode::tlsimple);
        }
        chart->ShowItems();
        return chart;
    };
    TBitmap probe(1, 1);
    probe.Canvas().Font = TPlotta().TextLabel(1)->Font();
    const int lineHeight = probe.Canvas().TextHeight(QStringLiteral("a"));

    const auto together = labeled({{QStringLiteral("a\nbb"), 100}});
    const auto apart = labeled({{QStringLiteral("bb"), 100}, {QStringLiteral("a"), 100 - lineHeight}});
    const auto blank = labeled({});
    EXPECT_EQ(together->DataAreaPicture().Image(), apart->DataAreaPicture().Image());
    EXPECT_NE(together->DataAreaPicture().Image(), blank->DataAreaPicture().Image());
}

TEST(ChartRenderer, RenderDataTakesOffsetsMonochromeNoGridAndReplacedCanvases)
{
    TPlotta chart;
    UsePixelUnits(chart);
    chart.SetGridStyle(GridStyleType::gsLines);
    chart.SetGridColor(clLime);
    chart.SetGridDx(50);
    chart.SetGridDy(50);
    chart.SetDataColor(clRed);
    chart.AddRectangle(10, 10, 20, 20, clBlue, false);

    TBitmap target(300, 200);
    TCanvas* canvas = &target.Canvas();
    chart.RenderData(canvas, TRenderOptions{5, 7, true, true});
    EXPECT_EQ(ColorAt(target, 15, 137), clBlack);
    EXPECT_EQ(ColorAt(target, 20, 132), clSilver);
    EXPECT_EQ(ColorAt(target, 55, 87), kWhite) << "no grid";
    EXPECT_EQ(ColorAt(target, 5, 50), clBlack) << "frame";

    TBitmap redirected(300, 200);
    chart.OnBeforeRenderData = [&](QObject* sender, TCanvas*& c, int top, int left) {
        EXPECT_EQ(sender, &chart);
        EXPECT_EQ(top, 20 - 7);
        EXPECT_EQ(left, 50 - 5);
        c = &redirected.Canvas();
    };
    TCanvas* seenAfter = nullptr;
    chart.OnDataRendered = [&](QObject*, TCanvas*& c, int, int) { seenAfter = c; };
    TBitmap untouched(300, 200);
    canvas = &untouched.Canvas();
    chart.RenderData(canvas, TRenderOptions{5, 7, false, false});
    EXPECT_EQ(canvas, &redirected.Canvas());
    EXPECT_EQ(seenAfter, &redirected.Canvas());
    EXPECT_EQ(ColorAt(redirected, 15, 137), clRed);
    EXPECT_EQ(ColorAt(redirected, 55, 87), clLime);
    EXPECT_EQ(ColorAt(untouched, 15, 137), kWhite);
}

TEST(ChartGrid, StepsBelowMinusThreeAreIgnored)
{
    TPlotta chart;
    chart.SetGridDx(-3);
    EXPECT_EQ(chart.GridDx(), -3);
    chart.SetGridDx(-3.5);
    EXPECT_EQ(chart.GridDx(), -3);
    chart.SetGridDy(-3.5);
    EXPECT_EQ(chart.GridDy(), 0);
}

TEST(ChartGrid, PositionsFollowTheStepRules)
{
    ExpectPositions(GridPositions({0.05, 1, false, 0.25, {}}), {0.25, 0.5, 0.75});
    ExpectPositions(GridPositions({1, 0.05, false, -0.25, {}}), {0.25, 0.5, 0.75});
    ExpectPositions(GridPositions({0, 10, false, -3, {}}), {0, 3, 6, 9});
    ExpectPositions(GridPositions({0.5, 2000, true, -1, {}}), {1, 10, 100, 1000});
    ExpectPositions(GridPositions({0.3, 30, true, -2, {}}), {0.5, 1, 2, 5, 10, 20});
    ExpectPositions(GridPositions({250, 700, true, -3, {}}), {200, 300, 400, 500, 600});
    ExpectPositions(GridPositions({0, 1, false, 0, {0.2, 0.4, 1, 0.6}}), {0.2, 0.4});
    ExpectPositions(GridPositions({0.5, 1.5, false, 0, {}}), {0.5});
    EXPECT_EQ(GridPositions({0, 1, false, 1e-6, {}}).size(), 1000u);
}

TEST(ChartGrid, LinesGoThroughTheTicksTheAxisDrew)
{
    TPlotta chart;
    UsePixelUnits(chart);
    chart.SetGridColor(clRed);
    chart.SetGridStyle(GridStyleType::gsVertLines);
    const TScale& axis = *chart.ScaleControlX(1);
    ASSERT_GE(axis.NumTicks(), 3);
    for (int i = 1; i <= axis.NumTicks(); ++i) {
        const int x = int(std::lround(axis.TickValue(i)));
        if (x > 0 && x < 210) {
            EXPECT_EQ(DataColorAt(chart, x, 70), clRed) << x;
        }
    }

    chart.SetGridDx(100);
    chart.SetGridDy(50);
    chart.SetGridStyle(GridStyleType::gsPoints);
    EXPECT_EQ(DataColorAt(chart, 100, 50), clRed);
    EXPECT_EQ(DataColorAt(chart, 100, 51), kWhite);
    EXPECT_EQ(DataColorAt(chart, 101, 50), kWhite);
}
