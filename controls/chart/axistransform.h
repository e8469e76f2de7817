#pragma once
// The linear maps between an axis's values and the chart's pixels:
// pixel = K * f(value) + D, where f is the identity on a linear axis and the natural
// logarithm on a logarithmic one.
#include "controls/chart/chartgeometry.h"

class TScaleProps;

struct TAxisTransform {
    bool Logarithmic = false;
    // Where a value without a logarithm (<= 1e-100) goes on a logarithmic axis.
    int UnderflowPixel = 0;
    // The range end the inverse map returns when the axis has no extent.
    double RangeLow = 0;

    // The pixel of value, limited to +-2147483647 and rounded half to even.
    int ToPixel(double value) const;
    // The value at pixel; RangeLow when the axis has no extent (K = 0).
    double ToValue(double pixel) const;

    // Sets scale K and offset D, and their double copies the quick pixel path uses.
    void SetMap(long double k, long double d);

private:
    long double m_k = 0;
    long double m_d = 0;
    double m_kQuick = 0;
    double m_dQuick = 0;
};

// Both maps of one layer.
struct TLayerTransform {
    TAxisTransform X;
    TAxisTransform Y;
};

// The map that puts the axis's RangeLow at the data area's left edge and RangeHigh
// at its right edge. Without room (or without a usable range) every value maps to
// the middle of the control.
TAxisTransform HorizontalTransform(const TChartGeometry& geometry, const TScaleProps& axis);
// The map that puts RangeLow at the data area's bottom edge and RangeHigh at its top.
TAxisTransform VerticalTransform(const TChartGeometry& geometry, const TScaleProps& axis);
