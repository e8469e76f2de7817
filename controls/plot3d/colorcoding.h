#pragma once
// How a surface cell gets its color: one value from its corner heights, then a
// ramp from that value to a color.
#include "controls/plot3d/plot3dtypes.h"
#include "platform/color.h"

#include <array>

// Heights ScaleLow and below get Low, ScaleHigh and above get High; in between the
// channels are interpolated and rounded, halves to even. The three-color ramp passes
// through Mid halfway. ScaleLow must lie below ScaleHigh.
struct TColorRamp {
    TColor Low = clBlack;
    TColor Mid = clBlack;
    TColor High = clBlack;
    double ScaleLow = 0;
    double ScaleHigh = 1;
    TColorCodingMode Mode = TColorCodingMode::ccmTwoColors;

    // NaN counts as ScaleLow.
    TColor ColorOf(double value) const;
};

// The mean of the four corner heights when average, else the largest of them.
double CellValue(const std::array<double, 4>& cornerHeights, bool average);
