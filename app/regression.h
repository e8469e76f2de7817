#pragma once
// The regression model behind the lesson: data points, the learner's line
// y = k·x + d and the sum of squared residuals.
#include <array>
#include <cstdint>

// The point arrays are 1-based: slot 0 is never used.
constexpr int MaxDataPoints = 100;
using TPointArray = std::array<double, MaxDataPoints + 1>;

// Points are counted with the low 8 bits of the stored count.
inline int PointLoopCount(std::uint16_t numPoints) { return numPoints & 0xFF; }

// Sum over the points of (y − (k·x + d))², accumulated in index order.
double SumOfSquares(const TPointArray& dataX, const TPointArray& dataY, std::uint16_t numPoints,
                    double k, double d);

// Fresh random points 1..numPoints near the diagonal: 0.05 ≤ x < 1.95,
// 0.05 < y < 1.95 and |y − x| ≤ 0.3. Draws from the program's random source.
void GenerateRandomPoints(TPointArray& dataX, TPointArray& dataY, std::uint16_t numPoints);

// The editor's removal of a picked point. (ix, iy) is the point whose mark lies nearest
// to the click at (mx, my). Among points 1..n−1 the first one at exactly (ix, iy) goes
// and the later points move down; the last point goes only when the click lies within
// 0.02 of it in both coordinates. Returns whether a point was removed.
bool RemovePickedPoint(TPointArray& dataX, TPointArray& dataY, std::uint16_t& numPoints, double ix,
                       double iy, double mx, double my);
