#include "app/errormap.h"

#include "controls/common/colorramp.h"
#include "platform/bitmap.h"
#include "platform/rounding.h"

#include <algorithm>
#include <cmath>

int GridSize(int imageWidth) { return imageWidth / 2 + 1; }

double GridK(int i, int gridN) { return 6.0 * i / gridN - 3; }

double GridD(int j) { return j / 25.0 - 2; }

TErrExtremes FillErrorGrid(TErrGrid& grid, int gridN, const TPointArray& dataX,
                           const TPointArray& dataY, std::uint16_t numPoints)
{
    grid.fill(0);
    TErrExtremes result;
    for (int i = 0; i <= gridN; ++i) {
        for (int j = 0; j <= gridN; ++j) {
            const double cell = SumOfSquares(dataX, dataY, numPoints, GridK(i, gridN), GridD(j));
            grid[GridIndex(i, j, gridN)] = cell;
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
    TCanvas& canvas = bitmap.Canvas();
    const int h = bitmap.Height();
    for (int i = 0; i <= gridN; ++i) {
        for (int j = 0; j <= gridN; ++j) {
            const double level = ErrorLevel(grid[GridIndex(i, j, gridN)], extremes, logarithmic);
            const TColor color = ColorRamp3(MapColorLow, MapColorMid, MapColorHigh, level);
            for (int dx = 0; dx <= 1; ++dx)
                for (int dy = 0; dy <= 1; ++dy)
                    canvas.SetPixel(2 * i + dx, h - 2 * j - dy, color);
        }
    }
}

int MapXOfK(double k, int w) { return Round((k + 3) * w / 6); }

int MapYOfD(double d, int h) { return h - Round((d + 2) * h / 4); }

double KOfMapX(int x, int w) { return 6.0 * x / w - 3; }

double DOfMapY(int y, int h)
{
    const double half = h / 2.0;
    return 2 * ((h - y) - half) / half;
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

void DrawVerticalTickStrip(TCanvas& canvas, int width, int height)
{
    const int axisX = width / 2;
    canvas.MoveTo(axisX, 2);
    canvas.LineTo(axisX, height - 7);
    for (int t = 0; t <= 2; ++t) {
        const int y = 2 + t * ((height - 8) / 2);
        canvas.MoveTo(1, y);
        canvas.LineTo(width - 1, y);
    }
}

void DrawHorizontalTickStrip(TCanvas& canvas, int width, int height)
{
    canvas.MoveTo(1, height / 2);
    canvas.LineTo(width - 3, height / 2);
    for (int m = 6; m >= 0; --m) {
        const int x = Round(double(m) * width / 6);
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
