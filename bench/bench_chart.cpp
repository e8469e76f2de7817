// The chart showing a long display list (ShowItems redraws the data area), each case
// measured beside the same polylines or marks drawn straight with QPainter on an
// image of the data area's size, the floor for this picture.
#include "controls/chart/plotta.h"

#include <QImage>
#include <QPainter>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <cmath>
#include <memory>
#include <random>
#include <vector>

namespace {

// The main window's chart: 353 x 257 with rims 41, 20, 20, 40 and both axes -0.5..2.5.
std::unique_ptr<TPlotta> MainWindowChart()
{
    auto chart = std::make_unique<TPlotta>();
    chart->resize(353, 257);
    chart->SetLRim(41);
    for (TScaleProps* axis :
         {static_cast<TScaleProps*>(chart->Scale1X()), static_cast<TScaleProps*>(chart->Scale1Y())}) {
        axis->SetRangeLow(-0.5);
        axis->SetRangeHigh(2.5);
    }
    return chart;
}

// n points of a noisy wave running once across the horizontal axis.
std::vector<QPointF> Signal(int n)
{
    std::mt19937 random(7);
    std::uniform_real_distribution<double> noise(-0.15, 0.15);
    std::vector<QPointF> points;
    for (int i = 0; i < n; ++i) {
        const double x = -0.5 + 3.0 * i / (n - 1);
        points.emplace_back(x, 1 + std::sin(2 * x) + noise(random));
    }
    return points;
}

// n points scattered over the whole data area.
std::vector<QPointF> Scatter(int n)
{
    std::mt19937 random(11);
    std::uniform_real_distribution<double> coordinate(-0.5, 2.5);
    std::vector<QPointF> points;
    for (int i = 0; i < n; ++i)
        points.emplace_back(coordinate(random), coordinate(random));
    return points;
}

// The data-area pixels of the points, as the chart places them.
QVector<QPoint> DataAreaPixels(const TPlotta& chart, const std::vector<QPointF>& points)
{
    QVector<QPoint> pixels;
    for (const QPointF& p : points)
        pixels.append(chart.DataToPixel(1, p.x(), p.y()) - QPoint(chart.LRim(), chart.TRim()));
    return pixels;
}

QImage DataAreaImage(const TPlotta& chart)
{
    return QImage(chart.DataAreaPicture().Width(), chart.DataAreaPicture().Height(), QImage::Format_RGB32);
}

void BM_ChartLineTo(benchmark::State& state)
{
    const auto chart = MainWindowChart();
    const std::vector<QPointF> points = Signal(int(state.range(0)));
    chart->AddMoveTo(points.front().x(), points.front().y());
    for (const QPointF& p : points)
        chart->AddLineTo(p.x(), p.y());
    chart->ShowItems();
    for (auto _ : state)
        chart->ShowItems();
    state.counters["items"] = double(points.size());
}
BENCHMARK(BM_ChartLineTo)->Arg(1000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

// Building the list: ClearItems and a move-to plus n line-tos; "bytes/item" is what
// the list holds for them.
void BM_ChartListBuild(benchmark::State& state)
{
    const auto chart = MainWindowChart();
    const std::vector<QPointF> points = Signal(int(state.range(0)));
    for (auto _ : state) {
        chart->ClearItems();
        chart->AddMoveTo(points.front().x(), points.front().y());
        for (const QPointF& p : points)
            chart->AddLineTo(p.x(), p.y());
    }
    state.counters["bytes/item"] = double(chart->DisplayList().MemoryBytes()) / double(points.size() + 1);
}
BENCHMARK(BM_ChartListBuild)->Arg(1000)->Arg(1000000)->Unit(benchmark::kMillisecond);

// White background, the line in polylines of 200 points as the chart batches them,
// and the frame.
void BM_QPainterPolylines(benchmark::State& state)
{
    const auto chart = MainWindowChart();
    chart->ShowItems();
    QVector<QPoint> pixels = DataAreaPixels(*chart, Signal(int(state.range(0))));
    pixels.prepend(pixels.front());
    QImage image = DataAreaImage(*chart);
    for (auto _ : state) {
        image.fill(Qt::white);
        QPainter painter(&image);
        for (qsizetype start = 0; start + 1 < pixels.size(); start += 199)
            painter.drawPolyline(pixels.constData() + start,
                                 int(std::min<qsizetype>(200, pixels.size() - start)));
        painter.drawRect(0, 0, image.width() - 1, image.height() - 1);
    }
}
BENCHMARK(BM_QPainterPolylines)->Arg(1000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

void BM_ChartMarks(benchmark::State& state)
{
    const auto chart = MainWindowChart();
    for (const QPointF& p : Scatter(int(state.range(0))))
        chart->AddMark(7, p.x(), p.y());
    chart->ShowItems();
    for (auto _ : state)
        chart->ShowItems();
    state.counters["bytes/item"] = double(chart->DisplayList().MemoryBytes()) / double(state.range(0));
}
BENCHMARK(BM_ChartMarks)->Arg(100000)->Unit(benchmark::kMillisecond);

// The main window chart's data area, white, with a 3 x 3 square (what mark type 7
// draws) written by drawSquares at each of n scattered points in every round.
template <class DrawSquares>
void MarksOnDataArea(benchmark::State& state, DrawSquares drawSquares)
{
    const auto chart = MainWindowChart();
    chart->ShowItems();
    const QVector<QPoint> pixels = DataAreaPixels(*chart, Scatter(int(state.range(0))));
    QImage image = DataAreaImage(*chart);
    for (auto _ : state) {
        image.fill(Qt::white);
        drawSquares(image, pixels);
    }
}

// The squares and the frame drawn with QPainter.
void BM_QPainterMarks(benchmark::State& state)
{
    MarksOnDataArea(state, [](QImage& image, const QVector<QPoint>& pixels) {
        QPainter painter(&image);
        for (const QPoint& p : pixels)
            painter.fillRect(p.x() - 1, p.y() - 1, 3, 3, Qt::black);
        painter.drawRect(0, 0, image.width() - 1, image.height() - 1);
    });
}
BENCHMARK(BM_QPainterMarks)->Arg(100000)->Unit(benchmark::kMillisecond);

// The floor for marks: the squares written straight into the image's rows.
void BM_DirectMarks(benchmark::State& state)
{
    MarksOnDataArea(state, [](QImage& image, const QVector<QPoint>& pixels) {
        QRgb* const bits = reinterpret_cast<QRgb*>(image.bits());
        const qsizetype row = image.bytesPerLine() / qsizetype(sizeof(QRgb));
        for (const QPoint& p : pixels)
            for (int y = std::max(0, p.y() - 1); y <= std::min(image.height() - 1, p.y() + 1); ++y)
                for (int x = std::max(0, p.x() - 1); x <= std::min(image.width() - 1, p.x() + 1); ++x)
                    bits[y * row + x] = 0xFF000000u;
    });
}
BENCHMARK(BM_DirectMarks)->Arg(100000)->Unit(benchmark::kMillisecond);

} // namespace
