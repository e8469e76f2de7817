// What the learner waits for: recomputing the error map, and one pick in it.
#include "app/formkit.h"
#include "app/frmmain.h"
#include "app/regression.h"
#include "platform/image.h"
#include "platform/random.h"

#include <QCoreApplication>
#include <QTest>
#include <QToolButton>
#include <benchmark/benchmark.h>

static void BM_ComputeErrorMap(benchmark::State& state)
{
    TFrmMain form(1);
    form.NumPoints = std::uint16_t(state.range(0));
    form.GenerateRandomPoints();
    for (auto _ : state) {
        form.ComputeErrorMap();
        benchmark::DoNotOptimize(form.ErrMin);
    }
}
BENCHMARK(BM_ComputeErrorMap)->Arg(20)->Arg(100)->Unit(benchmark::kMicrosecond);

// One mouse move while the button is held, as the learner sees it: k and d, the map
// image with its markers, the chart and the sum of squares, painted on the shown window.
static void BM_MousePick(benchmark::State& state)
{
    TFrmMain form(1);
    for (int page = 1; page < 5; ++page)
        form.SBNext->click();
    form.show();
    // The splash that follows the first showing is no part of a pick.
    QCoreApplication::removePostedEvents(&form, QEvent::MetaCall);
    if (!QTest::qWaitForWindowExposed(&form)) {
        state.SkipWithError("the window was never exposed");
        return;
    }
    QTest::mousePress(form.Image1, Qt::LeftButton, {}, QPoint(100, 100));
    QCoreApplication::processEvents();
    int x = 0;
    for (auto _ : state) {
        QTest::mouseMove(form.Image1, QPoint(x, 80));
        QCoreApplication::processEvents();
        x = (x + 1) % 200;
    }
    QTest::mouseRelease(form.Image1, Qt::LeftButton, {}, QPoint(x, 80));
}
BENCHMARK(BM_MousePick)->Unit(benchmark::kMicrosecond);

// The chart part of a pick: points, residuals and the line rebuilt and shown.
static void BM_DrawChart(benchmark::State& state)
{
    TFrmMain form(1);
    for (int page = 1; page < 5; ++page)
        form.SBNext->click(); // residuals on from page 3
    for (auto _ : state)
        form.DrawChart();
}
BENCHMARK(BM_DrawChart)->Unit(benchmark::kMicrosecond);

// A loaded data set of n points: the map from the set's sums, and one pick with the
// residuals shown.
static TFrmMain& DataSetForm(int n)
{
    static TFrmMain form(1);
    PointSet points;
    Random::SetSeed(5);
    for (int m = 0; m < n; ++m) {
        points.x.push_back(1900 + 120 * Random::Next());
        points.y.push_back(3e4 - 12 * points.x.back() + 500 * Random::Next());
    }
    form.LoadPoints(points, QStringLiteral("bench.csv"));
    while (form.SBNext->isEnabled())
        form.SBNext->click();
    return form;
}

static void BM_ComputeErrorMapOfDataSet(benchmark::State& state)
{
    TFrmMain& form = DataSetForm(int(state.range(0)));
    for (auto _ : state) {
        form.ComputeErrorMap();
        benchmark::DoNotOptimize(form.ErrMin);
    }
}
BENCHMARK(BM_ComputeErrorMapOfDataSet)->Arg(100)->Arg(10000)->Unit(benchmark::kMicrosecond);

static void BM_MousePickOfDataSet(benchmark::State& state)
{
    TFrmMain& form = DataSetForm(int(state.range(0)));
    QTest::mousePress(form.Image1, Qt::LeftButton, {}, QPoint(100, 100));
    int x = 0;
    for (auto _ : state) {
        QTest::mouseMove(form.Image1, QPoint(x, 80));
        x = (x + 1) % 200;
    }
    QTest::mouseRelease(form.Image1, Qt::LeftButton, {}, QPoint(x, 80));
}
BENCHMARK(BM_MousePickOfDataSet)->Arg(100)->Arg(10000)->Unit(benchmark::kMillisecond);
