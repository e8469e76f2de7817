#include "datafiles.h"
#include "dataset/examples.h"
#include "dataset/linefit.h"
#include "dataset/pointfile.h"

#include <QFileInfo>
#include <gtest/gtest.h>

#include <cmath>

namespace {

// A value as published: rounded to the given number of decimals, or cut off there.
struct Published {
    double value;
    int decimals;
    bool cut = false;
};

void ExpectRoundsTo(double computed, Published published, const char* what)
{
    const double unit = std::pow(10.0, -published.decimals);
    if (published.cut) {
        EXPECT_GE(computed, published.value) << what;
        EXPECT_LT(computed, published.value + unit) << what;
    } else {
        EXPECT_NEAR(computed, published.value, 0.5 * unit) << what;
    }
}

} // namespace

TEST(Examples, AreFoundBesideTheProgramByName)
{
    EXPECT_EQ(ExampleNames(BuiltExamples()),
              QStringList({"anscombe-1", "anscombe-2", "anscombe-3", "anscombe-4", "cars", "women"}));
    EXPECT_TRUE(ExampleFile("cars", BuiltExamples()).endsWith("/share/slopelab/examples/cars.csv"));
    EXPECT_TRUE(QFileInfo(ExampleFile("cars", BuiltExamples())).isFile());
    EXPECT_EQ(ExampleFile("README", BuiltExamples()), "");
    EXPECT_EQ(ExampleFile("../examples/cars", BuiltExamples()), "");
}

// The lines published with the data sets, to their stated digits.
TEST(Examples, ReproduceTheirPublishedLines)
{
    const struct {
        const char* name;
        Published slope, intercept, r;
    } lines[] = {
        {"anscombe-1", {0.500, 3}, {3.00, 2}, {0.816, 3}},
        {"anscombe-2", {0.500, 3}, {3.00, 2}, {0.816, 3}},
        {"anscombe-3", {0.500, 3}, {3.00, 2}, {0.816, 3}},
        // r of the fourth set is 0.81652: the shared value 0.816 is cut off, not rounded.
        {"anscombe-4", {0.500, 3}, {3.00, 2}, {0.816, 3, true}},
        {"women", {3.450, 3}, {-87.52, 2}, {0.995, 3}},
        {"cars", {3.932, 3}, {-17.58, 2}, {0.807, 3}},
    };
    for (const auto& line : lines) {
        SCOPED_TRACE(line.name);
        const Result<PointSet> points = ReadPointFile(ExampleFile(line.name, BuiltExamples()));
        ASSERT_TRUE(points.Ok()) << points.Message().toStdString();
        const Result<LineFit> fit = FitLine(points.Value());
        ASSERT_TRUE(fit.Ok());
        ExpectRoundsTo(fit.Value().slope, line.slope, "slope");
        ExpectRoundsTo(fit.Value().intercept, line.intercept, "intercept");
        ExpectRoundsTo(fit.Value().r, line.r, "r");
        EXPECT_DOUBLE_EQ(fit.Value().rSquared, fit.Value().r * fit.Value().r);
        if (QString(line.name).startsWith("anscombe")) {
            ExpectRoundsTo(fit.Value().meanX, {9, 0}, "mean x");
            ExpectRoundsTo(fit.Value().meanY, {7.50, 2}, "mean y");
        }
    }
    EXPECT_EQ(ReadPointFile(ExampleFile("cars", BuiltExamples())).Value().xName, "speed_mph");
}
