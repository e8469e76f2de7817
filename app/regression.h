#pragma once
// The regression model behind the lesson: data points, the learner's line
// y = k·x + d and the sum of squared residuals.
#include "dataset/pointfile.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <span>

// The point arrays are 1-based: slot 0 is never used. They hold as many points as a
// data file may bring; the lesson's own sets are far smaller.
constexpr int MaxDataPoints = kMaxPoints;
using TPointArray = std::array<double, MaxDataPoints + 1>;

// The points 1..n that a stored count stands for; a count beyond the arrays stops at
// their end.
inline int PointLoopCount(std::uint16_t numPoints) { return std::min<int>(numPoints, MaxDataPoints); }

// Points 1..n of an array.
inline std::span<const double> PointsOf(const TPointArray& data, std::uint16_t numPoints)
{
    return {data.data() + 1, static_cast<std::size_t>(PointLoopCount(numPoints))};
}

// Sum over the points of (y − (k·x + d))², accumulated in index order.
double SumOfSquares(const TPointArray& dataX, const TPointArray& dataY, std::uint16_t numPoints, double k,
                    double d);

// The sums of a point set that give its sum of squared residuals for any line in a few
// operations: with the means x̄, ȳ and the sums Sxx, Sxy, Syy of the squares and
// products of the deviations from them,
//   S(k, d) = Sxx·(k − k̂)² + (Syy − Sxy²/Sxx) + n·(d + k·x̄ − ȳ)²,  k̂ = Sxy / Sxx,
// a sum of terms that are never negative, so that nothing cancels near the minimum.
// Equals SumOfSquares up to rounding, for any number of points. x and y have the same
// length.
class TSquareSums {
public:
    TSquareSums(std::span<const double> x, std::span<const double> y);
    double operator()(double k, double d) const;

private:
    long double m_n = 0;
    long double m_meanX = 0;
    long double m_meanY = 0;
    long double m_sxx = 0;
    long double m_slope = 0; // k̂; 0 when all x are equal
    long double m_residual = 0; // the smallest sum for a line through the means
};

// Fresh random points 1..numPoints near the diagonal: 0.05 ≤ x < 1.95,
// 0.05 < y < 1.95 and |y − x| ≤ 0.3. Draws from the program's random source.
void GenerateRandomPoints(TPointArray& dataX, TPointArray& dataY, std::uint16_t numPoints);

// The editor's removal of a picked point. (ix, iy) is the point whose mark lies nearest
// to the click at (mx, my). Among points 1..n−1 the first one at exactly (ix, iy) goes
// and the later points move down; the last point goes only when the click lies within
// reachX and reachY of it (0.02 in the lesson's units). Returns whether a point was
// removed.
bool RemovePickedPoint(TPointArray& dataX, TPointArray& dataY, std::uint16_t& numPoints, double ix, double iy,
                       double mx, double my, double reachX = 0.02, double reachY = 0.02);
