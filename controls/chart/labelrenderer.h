#pragma once
// Drawing a chart's text labels onto its data-area canvas.
#include "controls/chart/renderscene.h"

// Draws every label that is switched on and whose layer is shown, from label 20 down
// to label 1, so that label 1 ends up on top.
void DrawTextLabels(const TRenderScene& scene, TCanvas& canvas, const TPixelPlacer& placer);
