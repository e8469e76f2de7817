#pragma once
// The standard layouts: rims, chart caption and the axes of layers 1 to 4 for each
// TrcLayout.
#include "controls/chart/chartenums.h"
#include "controls/common/enums.h"

#include <array>

class TScalePropsHoriz;
class TScalePropsVert;

// How a layout sets up one axis.
struct TAxisLayout {
    bool Visible = false;
    bool FarSide = false; // a horizontal axis at the top, a vertical one at the right
    int ScalePos = 0;
    int CaptionPosX = 10;
    int CaptionPosY = 100;
    TAlignment CaptionAlignment = TAlignment::taCenter;
    TScaleUnitAnchor CaptionAnchor = TScaleUnitAnchor::uaSclCenter;
};

struct TChartLayout {
    int LRim = 50;
    int RRim = 20;
    int TRim = 24;
    int BRim = 40;
    int CaptionPosX = 0;
    int CaptionPosY = -16;
    TAlignment CaptionAlignment = TAlignment::taRightJustify;
    TCaptionAnchorHoriz CaptionAnchorHoriz = TCaptionAnchorHoriz::cahChartRight;
    TCaptionAnchorVert CaptionAnchorVert = TCaptionAnchorVert::cavChartTop;
    std::array<TAxisLayout, 4> X; // layers 1 to 4
    std::array<TAxisLayout, 4> Y;
};

TChartLayout StandardLayoutOf(TrcLayout layout);

// Applies an axis layout in the order location, caption position, caption alignment,
// caption anchor, ScalePos, visibility, each through its setter.
void ApplyAxisLayout(TScalePropsHoriz& axis, const TAxisLayout& layout);
void ApplyAxisLayout(TScalePropsVert& axis, const TAxisLayout& layout);
