#pragma once
// The linear maps between an axis's values and the chart's pixels:
// pixel = K * f(value) + D, where f is the identity on a linear axis and the natural
// logarithm on a logarithmic one. What they share with the scale's pixel mapping, and
// why their factors are their own: controls/common/axismap.h.
#include "controls/chart/chartgeometry.h"

#include <QPoint>
#include <cmath>

class TScaleProps;

struct TAxisTransform {
    bool Logarithmic = false;
    // Where a value without a logarithm (<= 1e-100) goes on a logarithmic axis.
    int UnderflowPixel = 0;
    // The range end the inverse map returns when the axis has no extent.
    double RangeLow = 0;

    // The pixel of value, limited to +-2147483647 and rounded half to even.
    int ToPixel(double value) const
    {
        int pixel = 0;
        return !Logarithmic && RoundsInDouble(value, pixel) ? pixel : ToPixelExactly(value);
    }
    // The value at pixel; RangeLow when the axis has no extent (K = 0).
    double ToValue(double pixel) const;

    // Sets scale K and offset D, and their double copies the quick pixel path uses.
    void SetMap(long double k, long double d);

private:
    // Pixels whose double evaluation stays below this are far inside the pixel limit.
    static constexpr double kSafePixel = 2.0e9;

    // The pixel of a linear axis worked out in double, with the long double scale and
    // offset rounded to double, where that provably rounds to the same integer as the
    // long double evaluation: the two differ by less than a 64th of m_slack, so a double
    // result farther than m_slack from every half-integer lies strictly between the
    // same two half-integers. False when it is too close to call or too large.
    bool RoundsInDouble(double value, int& pixel) const
    {
        const double exact = m_kQuick * value + m_dQuick;
        if (!(std::fabs(exact) < kSafePixel))
            return false;
        const double distance = std::fabs(exact - int(exact)); // exact: both lie on one grid
        if (!(std::fabs(distance - 0.5) > m_slack))
            return false;
        // Away from the halves, rounding to the nearest integer; adding the half cannot
        // cross an integer, and there is no branch to mispredict on scattered data.
        pixel = int(exact + std::copysign(0.5, exact));
        return true;
    }
    int ToPixelExactly(double value) const;

    long double m_k = 0;
    long double m_d = 0;
    double m_kQuick = 0;
    double m_dQuick = 0;
    double m_slack = 0;
};

// Both maps of one layer.
struct TLayerTransform {
    TAxisTransform X;
    TAxisTransform Y;

    // The pixel of (x, y).
    QPoint ToPixels(double x, double y) const { return {X.ToPixel(x), Y.ToPixel(y)}; }
};

// The map that puts the axis's RangeLow at the data area's left edge and RangeHigh
// at its right edge. Without room (or without a usable range) every value maps to
// the middle of the control.
TAxisTransform HorizontalTransform(const TChartGeometry& geometry, const TScaleProps& axis);
// The map that puts RangeLow at the data area's bottom edge and RangeHigh at its top.
TAxisTransform VerticalTransform(const TChartGeometry& geometry, const TScaleProps& axis);
