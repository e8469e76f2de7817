#include "app/errormap.h"

#include "controls/common/colorramp.h"
#include "platform/bitmap.h"
#include "platform/lanes.h"
#include "platform/rounding.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>

bool TMapWindow::HoldsWellInside(double k, double d, double share) const
{
    const double kMargin = share * KSpan();
    const double dMargin = share * DSpan();
    return k - KLow >= kMargin && KHigh - k >= kMargin && d - DLow >= dMargin && DHigh - d >= dMargin;
}

int GridSize(int imageWidth) { return imageWidth / 2 + 1; }

// Written so that the lesson's window gives exactly 6·i / N − 3 and j / 25 − 2.
double GridK(int i, int gridN, const TMapWindow& window) { return window.KSpan() * i / gridN + window.KLow; }

double GridD(int j, const TMapWindow& window) { return window.DSpan() * j / GridRowsPerWindow + window.DLow; }

namespace {

// The extremes of cells (0..N) × (0..N), searched column by column.
TErrExtremes FindExtremes(const TErrGrid& grid, int gridN)
{
    TErrExtremes result;
    result.ErrMin = std::numeric_limits<double>::infinity();
    for (int i = 0; i <= gridN; ++i) {
        for (int j = 0; j <= gridN; ++j) {
            const double cell = grid[GridIndex(i, j, gridN)];
            if (cell > result.ErrMax)
                result.ErrMax = cell;
            if (cell < result.ErrMin) {
                result.ErrMin = cell;
                result.BestI = i;
                result.BestJ = j;
            }
        }
    }
    return result;
}

// Four cells side by side (platform/lanes.h).
using FourDoubles = Lanes::Doubles4;

// A run of cells of one column: two vectors of rows.
constexpr int CellsPerRun = 8;

// The sums of squares of the CellsPerRun cells of k and the rows d[0..7]: the points go
// through all cells of the run together, yet each cell adds its residuals in index order
// with the very operations of SumOfSquares and so gets the same bits; only the additions
// of different cells overlap.
WITH_WIDER_VECTORS
void SumRun(double k, const double* d, const double* x, const double* y, std::size_t n, double* cells)
{
    FourDoubles low, high;
    std::memcpy(&low, d, sizeof low);
    std::memcpy(&high, d + 4, sizeof high);
    FourDoubles sumLow = {}, sumHigh = {};
    for (std::size_t m = 0; m < n; ++m) {
        const double kx = k * x[m];
        const FourDoubles residualLow = y[m] - (kx + low);
        const FourDoubles residualHigh = y[m] - (kx + high);
        sumLow += residualLow * residualLow;
        sumHigh += residualHigh * residualHigh;
    }
    std::memcpy(cells, &sumLow, sizeof sumLow);
    std::memcpy(cells + 4, &sumHigh, sizeof sumHigh);
}

} // namespace

TErrExtremes FillErrorGrid(TErrGrid& grid, int gridN, const TPointArray& dataX, const TPointArray& dataY,
                           std::uint16_t numPoints, const TMapWindow& window)
{
    grid.fill(0);
    const std::span<const double> x = PointsOf(dataX, numPoints);
    const std::span<const double> y = PointsOf(dataY, numPoints);
    const int rows = gridN + 1;
    // The last run is filled up with rows past the grid; their sums are dropped.
    const int runs = (rows + CellsPerRun - 1) / CellsPerRun;
    std::vector<double> rowD(runs * CellsPerRun);
    for (int j = 0; j < int(rowD.size()); ++j)
        rowD[j] = GridD(std::min(j, gridN), window);
    double sums[CellsPerRun];
    for (int i = 0; i <= gridN; ++i) {
        const double k = GridK(i, gridN, window);
        double* column = &grid[GridIndex(i, 0, gridN)];
        for (int j = 0; j < rows; j += CellsPerRun) {
            SumRun(k, &rowD[j], x.data(), y.data(), x.size(), sums);
            std::copy_n(sums, std::min(CellsPerRun, rows - j), column + j);
        }
    }
    return FindExtremes(grid, gridN);
}

TErrExtremes FillErrorGrid(TErrGrid& grid, int gridN, const TSquareSums& sums, const TMapWindow& window)
{
    grid.fill(0);
    for (int i = 0; i <= gridN; ++i)
        for (int j = 0; j <= gridN; ++j)
            grid[GridIndex(i, j, gridN)] = sums(GridK(i, gridN, window), GridD(j, window));
    return FindExtremes(grid, gridN);
}

double ErrorLevel(double cell, const TErrExtremes& extremes, bool logarithmic)
{
    const double range = extremes.ErrMax - extremes.ErrMin;
    if (!(range > 0))
        return 0.0;
    const double scale = 1 / range;
    const double u = (cell - extremes.ErrMin) * scale;
    if (!logarithmic)
        return u;
    return 1 - std::log(u + 0.01) / std::log(0.01);
}

void PaintErrorMap(TBitmap& bitmap, const TErrGrid& grid, int gridN, const TErrExtremes& extremes,
                   bool logarithmic)
{
    const int w = bitmap.Width();
    const int h = bitmap.Height();
    std::vector<QRgb*> rows(h);
    for (int y = 0; y < h; ++y)
        rows[y] = bitmap.ScanLine(y);
    for (int i = 0; i <= gridN; ++i) {
        for (int j = 0; j <= gridN; ++j) {
            const double level = ErrorLevel(grid[GridIndex(i, j, gridN)], extremes, logarithmic);
            // The ramp's colors are plain RGB, never system colors.
            const TColor color = ColorRamp3(MapColorLow, MapColorMid, MapColorHigh, level);
            const QRgb rgb = qRgb(RedOf(color), GreenOf(color), BlueOf(color));
            for (int x = 2 * i; x <= 2 * i + 1 && x < w; ++x)
                for (int y = h - 2 * j - 1; y <= h - 2 * j; ++y)
                    if (y >= 0 && y < h)
                        rows[y][x] = rgb;
        }
    }
}

// Written so that the lesson's window gives exactly round((k + 3)·w / 6),
// h − round((d + 2)·h / 4), 6·x / w − 3 and 2·((h − y) − h/2) / (h/2).
int MapXOfK(double k, int w, const TMapWindow& window)
{
    return Round((k - window.KLow) * w / window.KSpan());
}

int MapYOfD(double d, int h, const TMapWindow& window)
{
    return h - Round((d - window.DLow) * h / window.DSpan());
}

double KOfMapX(int x, int w, const TMapWindow& window) { return window.KSpan() * x / w + window.KLow; }

double DOfMapY(int y, int h, const TMapWindow& window)
{
    return window.DSpan() * ((h - y) - h / 2.0) / h + window.DCenter();
}

bool IsPickable(int x, int y, int w, int h) { return x >= 0 && x < w && y > 0 && y < h; }

QPoint StepPick(QPoint from, int stepsK, int stepsD, int w, int h)
{
    return {std::clamp(from.x() + stepsK * MapCellPixels, 0, w - 1),
            std::clamp(from.y() - stepsD * MapCellPixels, 1, h - 1)};
}

void DrawMarkerBlock(TCanvas& canvas, int x, int y, int from, int to)
{
    for (int a = from; a <= to; ++a)
        for (int b = from; b <= to; ++b)
            canvas.SetPixel(x + a, y + b, clBlack);
}

std::vector<double> TickValues(const TTickSpacing& ticks, double high)
{
    std::vector<double> values;
    if (ticks.Step <= 0)
        return values;
    // A tick that misses the end only by rounding noise still counts.
    const long double last = high + 0.001L * ticks.Step;
    for (int i = 0;; ++i) {
        const long double v = ticks.FirstTick + i * ticks.Step;
        if (v > last)
            break;
        // Zero, not a rounding remainder that would read "-0.0".
        values.push_back(std::abs(v) < 1e-9L * ticks.Step ? 0.0 : static_cast<double>(v));
    }
    return values;
}

namespace {

// Clears a strip for a fresh set of ticks.
void ClearStrip(TCanvas& canvas, int width, int height)
{
    canvas.Brush.Color = clWhite;
    canvas.Brush.Style = TBrushStyle::bsSolid;
    canvas.FillRect(Rect(0, 0, width, height));
}

} // namespace

// Written so that the lesson's window gives exactly the ticks at y = 2, 102, 202 and
// x = round(m·width / 6).
int StripYOfD(double d, int height, const TMapWindow& window)
{
    const int length = 2 * ((height - 8) / 2);
    return 2 + Round((window.DHigh - d) * length / window.DSpan());
}

int StripXOfK(double k, int width, const TMapWindow& window)
{
    return Round((k - window.KLow) * width / window.KSpan());
}

void DrawVerticalTickStrip(TCanvas& canvas, int width, int height, const TMapWindow& window)
{
    ClearStrip(canvas, width, height);
    const int axisX = width / 2;
    canvas.MoveTo(axisX, 2);
    canvas.LineTo(axisX, height - 7);
    for (const double d : TickValues(window.DTicks, window.DHigh)) {
        const int y = StripYOfD(d, height, window);
        canvas.MoveTo(1, y);
        canvas.LineTo(width - 1, y);
    }
}

void DrawHorizontalTickStrip(TCanvas& canvas, int width, int height, const TMapWindow& window)
{
    ClearStrip(canvas, width, height);
    canvas.MoveTo(1, height / 2);
    canvas.LineTo(width - 3, height / 2);
    for (const double k : TickValues(window.KTicks, window.KHigh)) {
        const int x = StripXOfK(k, width, window);
        canvas.MoveTo(x, 1);
        canvas.LineTo(x, height - 1);
    }
}

void DrawColorBar(TCanvas& canvas, int width, int height)
{
    for (int c = 0; c <= width; ++c) {
        canvas.Pen.Color = ColorRamp3(MapColorLow, MapColorMid, MapColorHigh, double(c) / width);
        canvas.MoveTo(c, 0);
        canvas.LineTo(c, height);
    }
}
