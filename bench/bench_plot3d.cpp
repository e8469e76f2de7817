// The 3-D plot while it is dragged: every step renders the whole scene, and every
// mouse move looks for the cell under the pointer. Each frame is measured beside
// the same quadrilaterals drawn straight with QPainter, the floor for this picture.
#include "controls/plot3d/hittest.h"
#include "controls/plot3d/plot3d.h"

#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>
#include <memory>
#include <vector>

namespace {

// The error surface window's plot: 615 x 434 below its button bar and memo.
constexpr int kPlotWidth = 615;
constexpr int kPlotHeight = 434;

// A plot set up as the error surface window shows it, holding an n x n paraboloid.
std::unique_ptr<TPlot3D> SurfacePlot(int n)
{
    auto plot = std::make_unique<TPlot3D>();
    plot->resize(kPlotWidth, kPlotHeight);
    plot->SetCentX(kPlotWidth / 2);
    plot->SetCentY(kPlotHeight / 2);
    plot->SetColorBakGnd(0x804000);
    plot->SetMeshVisible(false);
    plot->SetColorHigh(clWhite);
    plot->SetColorMid(0x14698B);
    plot->SetColorLow(clGreen);
    plot->SetColorCodingMode(TColorCodingMode::ccmThreeColors);
    plot->SetVisibleXCoords(false);
    plot->SetVisibleYCoords(false);
    plot->SetVisibleZCoords(false);
    plot->SetMagnification(0.7);
    TMatrix& surface = *plot->SurfaceMatrix();
    surface.Resize(n, n);
    const double middle = (n + 1) / 2.0;
    for (int c = 1; c <= n; ++c) {
        for (int r = 1; r <= n; ++r) {
            const double x = (c - middle) / (middle - 1);
            const double y = (r - middle) / (middle - 1);
            surface.SetElem(c, r, 50 * (x * x + y * y));
        }
    }
    plot->SetRangeZLow(-50);
    plot->SetRangeZHigh(100);
    return plot;
}

// A repaint per iteration, the view turning by a degree each time.
void BM_Plot3DFrame(benchmark::State& state)
{
    const auto plot = SurfacePlot(int(state.range(0)));
    int step = 0;
    for (auto _ : state) {
        plot->SetViewAngles(60, 15 + step % 2);
        ++step;
    }
    state.counters["cells"] = double((state.range(0) - 1) * (state.range(0) - 1));
}
BENCHMARK(BM_Plot3DFrame)->Arg(50)->Arg(200)->Unit(benchmark::kMillisecond);

struct TPlainQuad {
    QPoint Corners[4];
    QColor Color;
};

// The cells of the last rendered frame, in drawing order, with their colors.
std::vector<TPlainQuad> RenderedQuads(TPlot3D& plot)
{
    std::vector<TPlainQuad> quads;
    plot.OnBeforeRenderPolygon = [&](QObject*, TCanvas&, bool&, int, int, const TQuad& quad, TColor& color) {
        quads.push_back({{quad[0], quad[1], quad[2], quad[3]}, ToQColor(color)});
    };
    plot.SetViewAngles(60, 16);
    plot.OnBeforeRenderPolygon = nullptr;
    return quads;
}

// The same background and cells through QPainter alone (no cube, no frame).
void BM_QPainterQuads(benchmark::State& state)
{
    const auto plot = SurfacePlot(int(state.range(0)));
    const std::vector<TPlainQuad> quads = RenderedQuads(*plot);
    QImage image(kPlotWidth, kPlotHeight, QImage::Format_RGB32);
    for (auto _ : state) {
        image.fill(ToQColor(0x804000));
        QPainter painter(&image);
        for (const TPlainQuad& quad : quads) {
            painter.setPen(quad.Color);
            painter.setBrush(quad.Color);
            painter.drawPolygon(quad.Corners, 4);
        }
    }
}
BENCHMARK(BM_QPainterQuads)->Arg(50)->Arg(200)->Unit(benchmark::kMillisecond);

// One hit test, as every mouse move runs it, with the pointer over the surface.
void BM_Plot3DHitTest(benchmark::State& state)
{
    const auto plot = SurfacePlot(int(state.range(0)));
    const QPoint pointer(plot->CentX(), plot->CentY());
    for (auto _ : state) {
        const TCellHit hit =
            CellUnderPointer(plot->ScreenXMatrix(), plot->ScreenYMatrix(), plot->DrawKeyMatrix(), pointer);
        benchmark::DoNotOptimize(hit);
    }
}
BENCHMARK(BM_Plot3DHitTest)->Arg(50)->Arg(200)->Unit(benchmark::kMicrosecond);

} // namespace
