#pragma once
// The linear maps between an axis's values and the chart's pixels:
// pixel = K * f(value) + D, where f is the identity on a linear axis and the natural
// logarithm on a logarithmic one. What they share with the scale's pixel mapping, and
// why their factors are their own: controls/common/axismap.h.
#include "controls/chart/chartgeometry.h"

#include "platform/lanes.h"

#include <QPoint>
#include <cmath>
#include <limits>
#include <span>

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
        if (!Logarithmic) {
            // The value in both lanes of the narrowest group.
            Lanes::Two::Ints pixel;
            QuickPixels<Lanes::Two>(Lanes::Two::Doubles{value, value}, pixel);
            if (pixel[0] != kNotQuick)
                return pixel[0];
        }
        return ToPixelExactly(value);
    }
    // The pixels of values into pixels (as many), each as ToPixel gives it.
    void ToPixels(std::span<const double> values, std::span<int> pixels) const;
    // The value at pixel; RangeLow when the axis has no extent (K = 0).
    double ToValue(double pixel) const;

    // Sets scale K and offset D, and their double copies the quick pixel path uses.
    void SetMap(long double k, long double d);

private:
    // Pixels whose double evaluation stays below this are far inside the pixel limit.
    static constexpr double kSafePixel = 2.0e9;
    // What the quick path gives where it cannot tell; no pixel it tells is this far out.
    static constexpr int kNotQuick = std::numeric_limits<int>::min();

    // The pixels of a linear axis worked out in double, a few values at a time, with the
    // long double scale and offset rounded to double, where that provably rounds to the
    // same integer as the long double evaluation: the two differ by less than a 64th of
    // m_slack, so a double result farther than m_slack from every half-integer lies
    // strictly between the same two half-integers. kNotQuick where a value is too close
    // to call or too large. No branch: nothing to mispredict on scattered data.
    template <class Group>
    void QuickPixels(const typename Group::Doubles& values, typename Group::Ints& pixels) const
    {
        using Doubles = typename Group::Doubles;
        using Masks = typename Group::Masks;
        using Ints = typename Group::Ints;
        const Masks magnitude = Masks{} + 0x7FFF'FFFF'FFFF'FFFF; // all bits but the sign
        const Doubles exact = values * m_kQuick + m_dQuick;
        const Masks inRange = Doubles(Masks(exact) & magnitude) < kSafePixel;
        const Doubles held = inRange ? exact : Doubles{}; // converted only when in range
        const Doubles whole = __builtin_convertvector(__builtin_convertvector(held, Ints), Doubles);
        const Doubles distance = Doubles(Masks(held - whole) & magnitude); // exact: one grid
        const Doubles offHalf = distance - 0.5;
        const Masks clear = inRange & (Doubles(Masks(offHalf) & magnitude) > m_slack);
        // Away from the halves, rounding to the nearest integer: adding a half of the
        // value's sign cannot cross an integer.
        const Doubles signedHalf = Doubles((Masks(held) & ~magnitude) | Masks(Doubles{} + 0.5));
        pixels = __builtin_convertvector(clear ? held + signedHalf : Doubles{} + double(kNotQuick), Ints);
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
