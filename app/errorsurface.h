#pragma once
// The error surface for the 3-D window: every second cell of the error grid as
// a 50 × 50 matrix of heights, linear or as natural logarithms.
#include "app/errormap.h"

class TMatrix;

constexpr int SurfaceSize = 50;

// Height of one grid cell. A logarithmic cell of 0 has no logarithm; it takes
// zeroLogHeight instead, so the surface stays finite.
double SurfaceHeight(double cell, bool logarithmic, double zeroLogHeight);

// The logarithmic height given to cells of exactly 0: the logarithm of the
// smallest positive sampled cell, or 0 when no sampled cell is positive.
double ZeroCellLogHeight(const TErrGrid& grid, int gridN);

// Top of the height range: ErrMax, or its logarithm (0 for a flat surface of zeros).
double SurfaceTop(double errMax, bool logarithmic);

// Bottom of the height range of a data set's surface: its smallest sum, or that sum's
// logarithm (for a sum of 0, the height zero cells get).
double SurfaceBottom(double errMin, const TErrGrid& grid, int gridN, bool logarithmic);

// Fills matrix (resized to 50 × 50) with cell (2i, 2j) at column i, row 51 − j, so
// rows run from high d (row 1, d = 2.0) down to low d (row 50, d = −1.92).
void FillSurfaceMatrix(TMatrix& matrix, const TErrGrid& grid, int gridN, bool logarithmic);
