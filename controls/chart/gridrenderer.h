#pragma once
// The grid of a chart's data area: where its lines go along each axis, and drawing
// them as lines, dotted lines or points.
#include "controls/chart/renderscene.h"

#include <vector>

// Most grid lines per direction, and most grid points in all.
constexpr int kMaxGridLines = 1000;

// The values along one axis where grid lines go, in order, each below the upper end
// of the axis range (whichever end that is).
std::vector<double> GridPositions(const TGridAxis& axis);

// Draws grid's lines or points on the canvas in the grid color.
void DrawGrid(const TGridSettings& grid, TCanvas& canvas, const TPixelPlacer& placer);
