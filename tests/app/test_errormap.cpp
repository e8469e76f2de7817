// The regression model and the error map, without any window.
#include "app/dataview.h"
#include "app/errormap.h"
#include "app/regression.h"
#include "controls/common/colorramp.h"
#include "platform/bitmap.h"
#include "platform/random.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

struct Points {
    TPointArray x{};
    TPointArray y{};
    std::uint16_t n = 0;
};

Points RandomPoints(std::uint64_t seed, std::uint16_t n)
{
    Points p;
    p.n = n;
    Random::SetSeed(seed);
    GenerateRandomPoints(p.x, p.y, n);
    return p;
}

} // namespace

TEST(RegressionModel, RandomPointsStayInsideTheirBand)
{
    for (std::uint64_t seed = 1; seed <= 50; ++seed) {
        const Points p = RandomPoints(seed, MaxDataPoints);
        for (int m = 1; m <= MaxDataPoints; ++m) {
            EXPECT_GE(p.x[m], 0.05);
            EXPECT_LT(p.x[m], 1.95);
            EXPECT_GT(p.y[m], 0.05);
            EXPECT_LT(p.y[m], 1.95);
            EXPECT_LE(std::abs(p.y[m] - p.x[m]), 0.3 + 1e-12);
        }
    }
    // The same seed gives the same points.
    const Points a = RandomPoints(7, 20), b = RandomPoints(7, 20);
    EXPECT_EQ(a.x, b.x);
    EXPECT_EQ(a.y, b.y);
}

TEST(RegressionModel, SumOfSquaresCountsEveryPointUpToTheArraysEnd)
{
    Points p;
    p.x[1] = 1;
    p.y[1] = 2; // residual 1 for y = x
    p.x[2] = 2;
    p.y[2] = 0; // residual −2
    p.n = 2;
    EXPECT_DOUBLE_EQ(SumOfSquares(p.x, p.y, p.n, 1, 0), 5.0);
    EXPECT_DOUBLE_EQ(SumOfSquares(p.x, p.y, 0, 1, 0), 0.0);
    // A data file brings hundreds of points: all of them count.
    for (int m = 3; m <= 257; ++m) {
        p.x[m] = 0;
        p.y[m] = 1;
    }
    EXPECT_DOUBLE_EQ(SumOfSquares(p.x, p.y, 257, 1, 0), 5.0 + 255);
    EXPECT_EQ(PointLoopCount(MaxDataPoints + 1), MaxDataPoints);
}

TEST(ErrorMap, GridCoordinates)
{
    EXPECT_EQ(GridSize(200), 101);
    EXPECT_DOUBLE_EQ(GridK(0, 101), -3);
    EXPECT_DOUBLE_EQ(GridK(101, 101), 3);
    EXPECT_DOUBLE_EQ(GridD(0), -2);
    EXPECT_DOUBLE_EQ(GridD(100), 2);
    EXPECT_DOUBLE_EQ(GridD(101), 2.04);
    EXPECT_LE((101 + 1) * (101 + 1), ErrGridCapacity);
}

// Every cell holds exactly the bits of the direct sum, whatever the number of points.
TEST(ErrorMap, OptimumIsTheFirstBruteForceMinimum)
{
    const int n = GridSize(200);
    for (std::uint64_t seed = 1; seed <= 40; ++seed) {
        const Points p = RandomPoints(seed, std::uint16_t(seed == 1 ? 1 : seed * 5 % 101));
        TErrGrid grid{};
        const TErrExtremes e = FillErrorGrid(grid, n, p.x, p.y, p.n);
        double best = 100.0, worst = 0;
        int bi = 0, bj = 0;
        for (int i = 0; i <= n; ++i)
            for (int j = 0; j <= n; ++j) {
                const double s = SumOfSquares(p.x, p.y, p.n, GridK(i, n), GridD(j));
                EXPECT_EQ(grid[GridIndex(i, j, n)], s);
                worst = std::max(worst, s);
                if (s < best) {
                    best = s;
                    bi = i;
                    bj = j;
                }
            }
        EXPECT_EQ(e.ErrMin, best);
        EXPECT_EQ(e.ErrMax, worst);
        EXPECT_EQ(e.BestI, bi);
        EXPECT_EQ(e.BestJ, bj);
    }
}

TEST(ErrorMap, TiesAndLargeErrorsKeepTheFirstCell)
{
    const int n = GridSize(200);
    TErrGrid grid{};
    // No points: every cell is 0, the first cell wins.
    Points none;
    TErrExtremes e = FillErrorGrid(grid, n, none.x, none.y, 0);
    EXPECT_EQ(e.ErrMin, 0);
    EXPECT_EQ(e.ErrMax, 0);
    EXPECT_EQ(e.BestI, 0);
    EXPECT_EQ(e.BestJ, 0);

    // Every cell is 100 or more, as for most data sets in their own units: the optimum
    // is still the smallest cell, here the top row (d nearest to 20), first column.
    Points far;
    far.n = 1;
    far.x[1] = 0;
    far.y[1] = 20;
    e = FillErrorGrid(grid, n, far.x, far.y, far.n);
    EXPECT_EQ(e.ErrMin, (20 - GridD(n)) * (20 - GridD(n)));
    EXPECT_EQ(e.BestI, 0);
    EXPECT_EQ(e.BestJ, n);
    EXPECT_GT(e.ErrMax, 400);
}

TEST(ErrorMap, LevelsOfBothEncodings)
{
    const TErrExtremes e{10, 2, 0, 0};
    EXPECT_DOUBLE_EQ(ErrorLevel(2, e, false), 0);
    EXPECT_DOUBLE_EQ(ErrorLevel(10, e, false), 1);
    EXPECT_DOUBLE_EQ(ErrorLevel(6, e, false), 0.5);
    EXPECT_NEAR(ErrorLevel(2, e, true), 0, 1e-15);
    EXPECT_NEAR(ErrorLevel(10, e, true), 1.0022, 1e-4);
    // The logarithmic encoding spreads the colors near the minimum.
    EXPECT_GT(ErrorLevel(3, e, true), ErrorLevel(3, e, false));

    // A flat surface gives the lowest level, never NaN or infinity.
    const TErrExtremes flat{0, 0, 0, 0};
    EXPECT_EQ(ErrorLevel(0, flat, false), 0);
    EXPECT_EQ(ErrorLevel(0, flat, true), 0);
}

TEST(ErrorMap, CellsArePaintedAsTwoByTwoBlocksWithDUpwards)
{
    const int n = GridSize(200);
    for (std::uint64_t seed : {5u, 6u}) {
        const Points p = RandomPoints(seed, 20);
        TErrGrid grid{};
        const TErrExtremes e = FillErrorGrid(grid, n, p.x, p.y, p.n);
        for (bool logarithmic : {false, true}) {
            TBitmap bitmap(200, 200);
            PaintErrorMap(bitmap, grid, n, e, logarithmic);
            // Row j = 0 shows only its upper pixel row, column i = 100 not at all.
            for (int y = 0; y < 200; ++y)
                for (int x = 0; x < 200; ++x) {
                    const int i = x / 2, j = (200 - y) / 2;
                    const TColor color = ColorRamp3(MapColorLow, MapColorMid, MapColorHigh,
                                                    ErrorLevel(grid[GridIndex(i, j, n)], e, logarithmic));
                    ASSERT_EQ(bitmap.Canvas().Pixel(x, y), color) << x << "," << y;
                }
        }
    }
}

TEST(ErrorMap, FlatSurfaceShowsTheSmallResidualColorEverywhere)
{
    const int n = GridSize(200);
    Points none;
    TErrGrid grid{};
    const TErrExtremes e = FillErrorGrid(grid, n, none.x, none.y, 0);
    for (bool logarithmic : {false, true}) {
        TBitmap bitmap(200, 200);
        PaintErrorMap(bitmap, grid, n, e, logarithmic);
        for (int y = 0; y < 200; y += 7)
            for (int x = 0; x < 200; x += 7)
                ASSERT_EQ(bitmap.Canvas().Pixel(x, y), MapColorLow);
    }
}

TEST(ErrorMap, PixelsAndParameters)
{
    EXPECT_EQ(MapXOfK(1, 200), 133);
    EXPECT_EQ(MapYOfD(0, 200), 100);
    EXPECT_DOUBLE_EQ(KOfMapX(0, 200), -3);
    EXPECT_DOUBLE_EQ(KOfMapX(100, 200), 0);
    EXPECT_DOUBLE_EQ(DOfMapY(100, 200), 0);
    EXPECT_DOUBLE_EQ(DOfMapY(1, 200), 1.98);
    EXPECT_DOUBLE_EQ(DOfMapY(199, 200), -1.98);
    EXPECT_TRUE(IsPickable(0, 1, 200, 200));
    EXPECT_TRUE(IsPickable(199, 199, 200, 200));
    EXPECT_FALSE(IsPickable(0, 0, 200, 200));
    EXPECT_FALSE(IsPickable(200, 100, 200, 200));
    EXPECT_FALSE(IsPickable(-1, 100, 200, 200));
    EXPECT_FALSE(IsPickable(10, 200, 200, 200));
}

TEST(ErrorMap, ScaleStripsAndColorBar)
{
    TBitmap vertical(9, 209);
    DrawVerticalTickStrip(vertical.Canvas(), 9, 209);
    for (int y : {2, 102, 202})
        for (int x = 1; x < 8; ++x)
            EXPECT_EQ(vertical.Canvas().Pixel(x, y), clBlack) << x << "," << y;
    EXPECT_EQ(vertical.Canvas().Pixel(0, 2), clWhite);
    EXPECT_EQ(vertical.Canvas().Pixel(8, 2), clWhite);
    EXPECT_EQ(vertical.Canvas().Pixel(4, 150), clBlack);
    EXPECT_EQ(vertical.Canvas().Pixel(4, 1), clWhite);
    EXPECT_EQ(vertical.Canvas().Pixel(4, 203), clWhite); // the axis ends at 202

    TBitmap horizontal(201, 9);
    DrawHorizontalTickStrip(horizontal.Canvas(), 201, 9);
    for (int x : {0, 34, 67, 100, 134, 168})
        for (int y = 1; y < 8; ++y)
            EXPECT_EQ(horizontal.Canvas().Pixel(x, y), clBlack) << x << "," << y;
    EXPECT_EQ(horizontal.Canvas().Pixel(34, 8), clWhite);
    EXPECT_EQ(horizontal.Canvas().Pixel(33, 1), clWhite);
    EXPECT_EQ(horizontal.Canvas().Pixel(197, 4), clBlack);
    EXPECT_EQ(horizontal.Canvas().Pixel(198, 4), clWhite); // the axis ends before width − 3

    TBitmap bar(201, 17);
    DrawColorBar(bar.Canvas(), 201, 17);
    EXPECT_EQ(bar.Canvas().Pixel(0, 0), MapColorLow);
    EXPECT_EQ(bar.Canvas().Pixel(0, 16), MapColorLow);
    EXPECT_EQ(bar.Canvas().Pixel(200, 8), ColorRamp3(MapColorLow, MapColorMid, MapColorHigh, 200.0 / 201));
    EXPECT_EQ(bar.Canvas().Pixel(100, 8), ColorRamp3(MapColorLow, MapColorMid, MapColorHigh, 100.0 / 201));
}

TEST(RegressionModel, RemovingAPickedPoint)
{
    Points p;
    p.n = 4;
    const double xs[] = {0, 0.5, 1.0, 1.5, 1.9};
    const double ys[] = {0, 0.6, 1.1, 1.4, 1.8};
    for (int m = 1; m <= 4; ++m) {
        p.x[m] = xs[m];
        p.y[m] = ys[m];
    }
    // A middle point goes wherever the click was; later points move down.
    EXPECT_TRUE(RemovePickedPoint(p.x, p.y, p.n, 1.0, 1.1, 0.9, 0.2));
    EXPECT_EQ(p.n, 3);
    EXPECT_EQ(p.x[2], 1.5);
    EXPECT_EQ(p.x[3], 1.9);

    // The last point goes only for a click within 0.02 in both coordinates.
    EXPECT_FALSE(RemovePickedPoint(p.x, p.y, p.n, 1.9, 1.8, 1.9, 1.75));
    EXPECT_EQ(p.n, 3);
    EXPECT_FALSE(RemovePickedPoint(p.x, p.y, p.n, 1.9, 1.8, 1.92, 1.8)); // 0.02 is not within
    EXPECT_TRUE(RemovePickedPoint(p.x, p.y, p.n, 1.9, 1.8, 1.91, 1.79));
    EXPECT_EQ(p.n, 2);
    EXPECT_EQ(p.x[1], 0.5);
    EXPECT_EQ(p.x[2], 1.5);

    std::uint16_t none = 0;
    EXPECT_FALSE(RemovePickedPoint(p.x, p.y, none, 0, 0, 0, 0));
}

TEST(ErrorMap, SumsGiveEveryCellAsTheDirectSumDoes)
{
    // Random lesson points, a large set far from the origin, and points on one line
    // (whose smallest sum is 0): the closed form agrees with summing point by point.
    struct Case {
        const char* name;
        std::uint16_t n;
        double x0, xScale, y0, slope, noise;
    } cases[] = {{"lesson", 20, 0, 0, 0, 0, 0},
                 {"far from 0", 10000, 1850, 150, 3e5, -40, 2500},
                 {"exact line", 300, -5, 10, 2, 0.5, 0}};
    const int n = GridSize(200);
    for (const Case& c : cases) {
        Points p = RandomPoints(11, c.n);
        if (c.xScale > 0)
            for (int m = 1; m <= c.n; ++m) {
                p.x[m] = c.x0 + c.xScale * p.x[m];
                p.y[m] = c.y0 + c.slope * p.x[m] + c.noise * (p.y[m] - 1);
            }
        const TSquareSums sums(PointsOf(p.x, p.n), PointsOf(p.y, p.n));
        const std::optional<TDataView> view = FitDataView(PointsOf(p.x, p.n), PointsOf(p.y, p.n));
        ASSERT_TRUE(view) << c.name;
        double worst = 0;
        for (int i = 0; i <= n; i += 3)
            for (int j = 0; j <= n; j += 3) {
                const double k = GridK(i, n, view->Map), d = GridD(j, view->Map);
                const double direct = SumOfSquares(p.x, p.y, p.n, k, d);
                worst = std::max(worst, std::abs(sums(k, d) - direct) / direct);
            }
        EXPECT_LT(worst, 1e-9) << c.name;
    }
}

TEST(ErrorMap, TheLessonsWindowMapsExactlyAsDesigned)
{
    // The general window formulas give the design's numbers to the last bit.
    const int n = GridSize(200);
    for (int i = 0; i <= n; ++i)
        ASSERT_EQ(GridK(i, n, LessonWindow), 6.0 * i / n - 3) << i;
    for (int j = 0; j <= n; ++j)
        ASSERT_EQ(GridD(j, LessonWindow), j / 25.0 - 2) << j;
    for (int x = 0; x < 200; ++x)
        ASSERT_EQ(KOfMapX(x, 200, LessonWindow), 6.0 * x / 200 - 3) << x;
    for (int y = 1; y < 200; ++y)
        ASSERT_EQ(DOfMapY(y, 200, LessonWindow), 2 * ((200 - y) - 100.0) / 100.0) << y;
    EXPECT_EQ(TickValues(LessonWindow.KTicks, 3), (std::vector<double>{-3, -2, -1, 0, 1, 2, 3}));
    EXPECT_EQ(TickValues(LessonWindow.DTicks, 2), (std::vector<double>{-2, 0, 2}));
}

TEST(ErrorMap, ADataWindowMapsPixelsToItsOwnKAndD)
{
    TMapWindow window;
    window.KLow = 2;
    window.KHigh = 12;
    window.DLow = -300;
    window.DHigh = 100;
    window.KTicks = CalcTickSpacing(2, 2, 12);
    window.DTicks = CalcTickSpacing(2, -300, 100);
    const int n = GridSize(200);
    EXPECT_EQ(GridK(0, n, window), 2);
    EXPECT_EQ(GridK(n, n, window), 12);
    EXPECT_EQ(GridD(0, window), -300);
    EXPECT_EQ(GridD(100, window), 100);
    EXPECT_EQ(KOfMapX(100, 200, window), 7);
    EXPECT_EQ(DOfMapY(100, 200, window), -100);
    EXPECT_EQ(DOfMapY(50, 200, window), 0);
    EXPECT_EQ(MapXOfK(7, 200, window), 100);
    EXPECT_EQ(MapYOfD(0, 200, window), 50);
    // Strips: ticks at 2, 4, …, 12 and −300, −200, …, 100, at the ends of the strips.
    EXPECT_EQ(TickValues(window.KTicks, 12), (std::vector<double>{2, 4, 6, 8, 10, 12}));
    EXPECT_EQ(TickValues(window.DTicks, 100), (std::vector<double>{-300, -200, -100, 0, 100}));
    EXPECT_EQ(StripXOfK(12, 201, window), 201);
    EXPECT_EQ(StripYOfD(100, 209, window), 2);
    EXPECT_EQ(StripYOfD(-300, 209, window), 202);
    TBitmap vertical(9, 209);
    DrawVerticalTickStrip(vertical.Canvas(), 9, 209, window);
    for (int y : {2, 52, 102, 152, 202})
        EXPECT_EQ(vertical.Canvas().Pixel(1, y), clBlack) << y;
    EXPECT_EQ(vertical.Canvas().Pixel(1, 27), clWhite);
}
