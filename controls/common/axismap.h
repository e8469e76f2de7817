#pragma once
// What every map between an axis's values and pixels has in common: where logarithms
// stop, the axis coordinate a value is scaled from, where values without a logarithm
// go, and how a real pixel becomes a whole one.
//
// The chart's layer transform (controls/chart/axistransform.h) and the scale's pixel
// mapping (controls/scale/pixelmap.h) are built on these but keep factors of their own,
// because their rules differ: the chart works its scale and offset out in long double
// from both ends of the data area and evaluates them in long double; the scale keeps a
// double pixels-per-unit and the double offset of the low end, and leaves its factors
// alone when a range cannot be mapped. The two round differently in the last bits, so a
// value near a half pixel lands on different pixels under each: one map for both would
// move points or ticks on one side. (They also part on NaN: the scale puts it with the
// values without a logarithm, the chart's logarithm carries it to pixel 0.)
#include <cmath>

// Values at or below this have no logarithm on a logarithmic axis.
constexpr double kLogFloor = 1e-100;

// Whether a logarithmic axis can show a range from low to high (NaN cannot).
constexpr bool RangeHasLogarithms(double low, double high) { return low >= kLogFloor && high >= kLogFloor; }

// Where value lies along an axis before scaling, in the precision Real: the value
// itself, or its natural logarithm on a logarithmic axis.
template <class Real>
Real AxisCoordinate(bool logarithmic, double value)
{
    return logarithmic ? std::log(static_cast<Real>(value)) : static_cast<Real>(value);
}

// The pixel just beyond the low end of an axis, where values without a logarithm go:
// the control's edge on that side (width or height when the range is reversed, else 0;
// the other way round on vertical axes, whose values grow upwards).
int BeyondLowEnd(bool horizontal, bool reversed, int width, int height);

// A real pixel coordinate as a whole one: limited to +-2147483647, then rounded to
// the nearest integer, halves to even. NaN gives 0.
int RoundToPixel(long double pixel);
