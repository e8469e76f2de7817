#pragma once
// The error map: the sum of squares over a grid of (k, d), its color image,
// and the mapping between map pixels and (k, d).
//
// The map covers a window of (k, d): the lesson's from k = −3 to 3 and d = −2 to 2, a
// data set's around its own least-squares line. Grid cell (i, j), i, j = 0..N with
// N = width div 2 + 1, stands for k = KLow + (KHigh − KLow)·i / N and
// d = DLow + (DHigh − DLow)·j / 100. Each cell is drawn as a 2 × 2 pixel block,
// k growing to the right and d upwards.
#include "app/regression.h"
#include "controls/scale/ticks.h"
#include "platform/color.h"

#include <QPoint>
#include <vector>

class TBitmap;
class TCanvas;

// Room for the grid of map images up to 205 pixels wide.
constexpr int ErrGridCapacity = 11001;
using TErrGrid = std::array<double, ErrGridCapacity>;

// The three colors of the map and of the color bar.
constexpr TColor MapColorLow = clGreen;
constexpr TColor MapColorMid = 0x14698B;
constexpr TColor MapColorHigh = clWhite;

// The window of (k, d) that the map shows, with the ticks of the strips beside it.
struct TMapWindow {
    double KLow = -3;
    double KHigh = 3;
    double DLow = -2;
    double DHigh = 2;
    TTickSpacing KTicks{-3, 1, 5};
    TTickSpacing DTicks{-2, 2, 4};

    double KSpan() const { return KHigh - KLow; }
    double DSpan() const { return DHigh - DLow; }
    double DCenter() const { return (DLow + DHigh) / 2; }
    // Whether (k, d) lies at least `share` of the window's width and height inside it.
    bool HoldsWellInside(double k, double d, double share) const;
};

// The lesson's window: k from −3 to 3 with a tick at every integer, d from −2 to 2
// with ticks at −2, 0 and 2.
inline const TMapWindow LessonWindow{};

// Rows of the grid from DLow to DHigh (the lesson's d step of 0.04).
constexpr int GridRowsPerWindow = 100;

int GridSize(int imageWidth); // N
double GridK(int i, int gridN, const TMapWindow& window = LessonWindow); // k of column i
double GridD(int j, const TMapWindow& window = LessonWindow); // d of row j
inline int GridIndex(int i, int j, int gridN) { return i * (gridN + 1) + j; }

// Extremes and optimum of one computation. The search starts at max 0 and at the
// first cell (0, 0); a cell replaces the minimum only when strictly smaller, so
// ties keep the first cell in column-major order.
struct TErrExtremes {
    double ErrMax = 0;
    double ErrMin = 100.0;
    int BestI = 0;
    int BestJ = 0;
};

// Fills cells (0..N) × (0..N) of grid with the sum of squares and returns the extremes:
// summed over the points for every cell, or from the point set's sums at once.
TErrExtremes FillErrorGrid(TErrGrid& grid, int gridN, const TPointArray& dataX, const TPointArray& dataY,
                           std::uint16_t numPoints, const TMapWindow& window = LessonWindow);
TErrExtremes FillErrorGrid(TErrGrid& grid, int gridN, const TSquareSums& sums, const TMapWindow& window);

// The color level 0..1 (logarithmic: up to about 1.0022) of one cell.
// A flat surface (ErrMax ≤ ErrMin, e.g. no points at all) gives level 0 everywhere:
// every line fits equally well, so the whole map shows the "small residual" color.
double ErrorLevel(double cell, const TErrExtremes& extremes, bool logarithmic);

// Paints every cell of the grid as its 2 × 2 block into bitmap; pixels outside are dropped.
void PaintErrorMap(TBitmap& bitmap, const TErrGrid& grid, int gridN, const TErrExtremes& extremes,
                   bool logarithmic);

// Map pixel ↔ (k, d) for a map of width w and height h.
int MapXOfK(double k, int w, const TMapWindow& window = LessonWindow);
int MapYOfD(double d, int h, const TMapWindow& window = LessonWindow);
double KOfMapX(int x, int w, const TMapWindow& window = LessonWindow);
double DOfMapY(int y, int h, const TMapWindow& window = LessonWindow);
// Whether a mouse position picks a point: 0 ≤ x < w and 0 < y < h.
bool IsPickable(int x, int y, int w, int h);
// The pixels a grid cell covers across and up.
constexpr int MapCellPixels = 2;
// The position a keyboard step picks: from (x, y), stepsK cells to the right and
// stepsD cells up, held inside the positions that pick a point.
QPoint StepPick(QPoint from, int stepsK, int stepsD, int w, int h);

// The map's markers: black pixels at (x + a, y + b) for a, b in from..to.
void DrawMarkerBlock(TCanvas& canvas, int x, int y, int from, int to);

// The tick values of a spacing from its first tick up to high.
std::vector<double> TickValues(const TTickSpacing& ticks, double high);

// The tick strips beside the map: the vertical one has its ticks for d = DHigh .. DLow
// at y = 2 .. 2 + 2·((height − 8) div 2), the horizontal one for k = KLow .. KHigh at
// x = 0 .. width.
int StripYOfD(double d, int height, const TMapWindow& window);
int StripXOfK(double k, int width, const TMapWindow& window);
void DrawVerticalTickStrip(TCanvas& canvas, int width, int height, const TMapWindow& window = LessonWindow);
void DrawHorizontalTickStrip(TCanvas& canvas, int width, int height, const TMapWindow& window = LessonWindow);
// The color bar under the map.
void DrawColorBar(TCanvas& canvas, int width, int height);
