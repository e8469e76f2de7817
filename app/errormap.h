#pragma once
// The error map: the sum of squares over a grid of (k, d), its color image,
// and the mapping between map pixels and (k, d).
//
// Grid cell (i, j), i, j = 0..N with N = width div 2 + 1, stands for
// k = 6·i / N − 3 and d = j / 25 − 2. Each cell is drawn as a 2 × 2 pixel block,
// k growing to the right and d upwards.
#include "app/regression.h"
#include "platform/color.h"

#include <QPoint>

class TBitmap;
class TCanvas;

// Room for the grid of map images up to 205 pixels wide.
constexpr int ErrGridCapacity = 11001;
using TErrGrid = std::array<double, ErrGridCapacity>;

// The three colors of the map and of the color bar.
constexpr TColor MapColorLow = clGreen;
constexpr TColor MapColorMid = 0x14698B;
constexpr TColor MapColorHigh = clWhite;

int GridSize(int imageWidth);                 // N
double GridK(int i, int gridN);               // k of column i
double GridD(int j);                          // d of row j
inline int GridIndex(int i, int j, int gridN) { return i * (gridN + 1) + j; }

// Extremes and optimum of one computation. The search starts at max 0, min 100
// and cell (0, 0); a cell replaces the minimum only when strictly smaller, so
// ties keep the first cell in column-major order.
struct TErrExtremes {
    double ErrMax = 0;
    double ErrMin = 100.0;
    int BestI = 0;
    int BestJ = 0;
};

// Fills cells (0..N) × (0..N) of grid with the sum of squares and returns the extremes.
TErrExtremes FillErrorGrid(TErrGrid& grid, int gridN, const TPointArray& dataX,
                           const TPointArray& dataY, std::uint16_t numPoints);

// The color level 0..1 (logarithmic: up to about 1.0022) of one cell.
// A flat surface (ErrMax ≤ ErrMin, e.g. no points at all) gives level 0 everywhere:
// every line fits equally well, so the whole map shows the "small residual" color.
double ErrorLevel(double cell, const TErrExtremes& extremes, bool logarithmic);

// Paints every cell of the grid as its 2 × 2 block into bitmap; pixels outside are dropped.
void PaintErrorMap(TBitmap& bitmap, const TErrGrid& grid, int gridN, const TErrExtremes& extremes,
                   bool logarithmic);

// Map pixel ↔ (k, d) for a map of width w and height h.
int MapXOfK(double k, int w);
int MapYOfD(double d, int h);
double KOfMapX(int x, int w);
double DOfMapY(int y, int h);
// Whether a mouse position picks a point: 0 ≤ x < w and 0 < y < h.
bool IsPickable(int x, int y, int w, int h);
// The pixels a grid cell covers across and up.
constexpr int MapCellPixels = 2;
// The position a keyboard step picks: from (x, y), stepsK cells to the right and
// stepsD cells up, held inside the positions that pick a point.
QPoint StepPick(QPoint from, int stepsK, int stepsD, int w, int h);

// The map's markers: black pixels at (x + a, y + b) for a, b in from..to.
void DrawMarkerBlock(TCanvas& canvas, int x, int y, int from, int to);

// The tick strips and the color bar beside the map.
void DrawVerticalTickStrip(TCanvas& canvas, int width, int height);
void DrawHorizontalTickStrip(TCanvas& canvas, int width, int height);
void DrawColorBar(TCanvas& canvas, int width, int height);
