#pragma once
// The data-area renderer: grid, display-list items, text labels and the data-area
// frame, drawn in that order onto a canvas whose pixel (OffsetX, OffsetY) stands for
// the data area's top-left corner.
#include "controls/chart/renderscene.h"

// Canvas is the canvas to start on; the render events may replace it, and the render
// carries on, and ends, on the one they leave.
void RenderDataArea(const TRenderScene& scene, TCanvas*& canvas, const TRenderOptions& options);
