// How a data set is shown in its own units: the chart's axes, the map's window.
#include "app/dataview.h"
#include "app/programfolders.h"
#include "dataset/examples.h"
#include "dataset/linefit.h"
#include "platform/random.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

// The least-squares line lies well inside the map and off its middle; the chart holds
// every point; k and d show what one pixel resolves.
void ExpectViewFits(const PointSet& points, const std::string& name)
{
    const std::optional<TDataView> view = FitDataView(points.x, points.y);
    ASSERT_TRUE(view) << name;
    const LineFit fit = FitLine(points).Value();
    const TMapWindow& map = view->Map;
    EXPECT_TRUE(map.HoldsWellInside(fit.slope, fit.intercept, MapMarginShare))
        << name << ": k " << fit.slope << " in " << map.KLow << ".." << map.KHigh << ", d " << fit.intercept
        << " in " << map.DLow << ".." << map.DHigh;
    const double offK = (fit.slope - view->StartK) / map.KSpan();
    const double offD = (fit.intercept - view->StartD) / map.DSpan();
    EXPECT_GT(std::hypot(offK, offD), 0.05) << name << ": the line lies at the map's middle";
    EXPECT_EQ(view->StartK, (map.KLow + map.KHigh) / 2) << name;
    for (std::size_t m = 0; m < points.x.size(); ++m) {
        EXPECT_GE(points.x[m], view->ChartX.Low) << name;
        EXPECT_LE(points.x[m], view->ChartX.High) << name;
        EXPECT_GE(points.y[m], view->ChartY.Low) << name;
        EXPECT_LE(points.y[m], view->ChartY.High) << name;
    }
    EXPECT_LE(std::pow(10.0, -view->KDecimals), map.KSpan() / 200) << name;
    if (view->KDecimals > 0) {
        EXPECT_GT(std::pow(10.0, 1 - view->KDecimals), map.KSpan() / 200) << name;
    }
    EXPECT_TRUE(ViewFitsPoints(*view, points.x, points.y)) << name;
}

} // namespace

TEST(DataView, TheExamplesLineLiesWellInsideTheMap)
{
    const QString dir = TProgramFolders::OfRunningProgram().ExamplesDir();
    ASSERT_EQ(ExampleNames(dir).size(), 6);
    for (const QString& name : ExampleNames(dir)) {
        const Result<PointSet> points = ReadPointFile(ExampleFile(name, dir));
        ASSERT_TRUE(points) << name.toStdString();
        ExpectViewFits(points.Value(), name.toStdString());
    }
}

TEST(DataView, AnySetsLineLiesWellInsideTheMap)
{
    // Sets of every size, far from the origin or around it, steep, flat, falling, noisy
    // or exact, in tiny and in huge units.
    struct Shape {
        double x0, xSpread, y0, slope, noise;
    } shapes[] = {{0, 1, 0, 1, 0.3},
                  {1850, 150, 3e5, -40, 2500},
                  {-5, 10, 2, 0.5, 0},
                  {1e-6, 1e-7, 5e-9, 3, 1e-10},
                  {1e9, 1e8, -1e12, 7e3, 1e11},
                  {0, 100, 7, 0, 1},
                  {40, 2, 1000, 0, 0}};
    Random::SetSeed(17);
    int sets = 0;
    for (const Shape& shape : shapes)
        for (int n : {2, 3, 20, 500, 10000}) {
            PointSet points;
            for (int m = 0; m < n; ++m) {
                const double x = shape.x0 + shape.xSpread * (Random::Next() - 0.5);
                points.x.push_back(m == 1 && n == 2 ? shape.x0 + shape.xSpread : x);
                points.y.push_back(shape.y0 + shape.slope * points.x.back()
                                   + shape.noise * (Random::Next() - 0.5));
            }
            ExpectViewFits(points, "set " + std::to_string(sets++));
        }
}

TEST(DataView, TheSameSetGetsTheSameWindowAndTheLessonKeepsItsDesign)
{
    const PointSet points{"x", "y", {1, 2, 3, 4}, {2, 1, 4, 3}};
    const TDataView a = *FitDataView(points.x, points.y);
    const TDataView b = *FitDataView(points.x, points.y);
    EXPECT_EQ(a.Map.KLow, b.Map.KLow);
    EXPECT_EQ(a.Map.DHigh, b.Map.DHigh);

    // No line, no view.
    EXPECT_FALSE(FitDataView(std::vector<double>{5, 5}, std::vector<double>{1, 2}));
    EXPECT_FALSE(FitDataView(std::vector<double>{1}, std::vector<double>{1}));

    EXPECT_EQ(LessonView.ChartX, (TChartRange{-0.5, 2.5}));
    EXPECT_EQ(LessonView.Map.KLow, -3);
    EXPECT_EQ(LessonView.Map.DHigh, 2);
    EXPECT_EQ(LessonView.StartK, 1);
    EXPECT_EQ(LessonView.StartD, 0);
    // The design's two decimals are what one pixel of the lesson's map resolves.
    EXPECT_EQ(DecimalsForResolution(6.0 / 200), LessonView.KDecimals);
    EXPECT_EQ(DecimalsForResolution(4.0 / 200), LessonView.DDecimals);
    EXPECT_EQ(DecimalsForResolution(5), 0);
    EXPECT_EQ(DecimalsForResolution(0.001), 3);
}
