#include "app/regression.h"

#include "dataset/linefit.h"
#include "platform/random.h"

#include <algorithm>
#include <cmath>

double SumOfSquares(const TPointArray& dataX, const TPointArray& dataY, std::uint16_t numPoints, double k,
                    double d)
{
    double sum = 0;
    for (int m = 1; m <= PointLoopCount(numPoints); ++m) {
        const double residual = dataY[m] - (k * dataX[m] + d);
        sum += residual * residual;
    }
    return sum;
}

TSquareSums::TSquareSums(std::span<const double> x, std::span<const double> y)
{
    if (x.empty())
        return;
    const DeviationSums sums = SumDeviations(x, y);
    m_n = sums.n;
    m_meanX = sums.meanX;
    m_meanY = sums.meanY;
    m_sxx = sums.sxx;
    m_slope = m_sxx > 0 ? sums.sxy / m_sxx : 0;
    m_residual = std::max(0.0L, sums.syy - m_slope * sums.sxy);
}

double TSquareSums::operator()(double k, double d) const
{
    const long double slopeOff = k - m_slope;
    const long double meanOff = d + k * m_meanX - m_meanY;
    return static_cast<double>(m_sxx * slopeOff * slopeOff + m_residual + m_n * meanOff * meanOff);
}

void GenerateRandomPoints(TPointArray& dataX, TPointArray& dataY, std::uint16_t numPoints)
{
    for (int m = 1; m <= PointLoopCount(numPoints); ++m) {
        double x, y;
        do {
            x = Random::Next() * 1.9 + 0.05;
            y = 0.3 - 0.6 * Random::Next() + x;
        } while (y <= 0.05 || y >= 1.95);
        dataX[m] = x;
        dataY[m] = y;
    }
}

bool RemovePickedPoint(TPointArray& dataX, TPointArray& dataY, std::uint16_t& numPoints, double ix, double iy,
                       double mx, double my, double reachX, double reachY)
{
    const int n = PointLoopCount(numPoints);
    if (n == 0)
        return false;
    bool found = false;
    for (int m = 1; m <= n - 1; ++m) {
        if (dataX[m] == ix && dataY[m] == iy)
            found = true;
        const int from = found ? m + 1 : m;
        dataX[m] = dataX[from];
        dataY[m] = dataY[from];
    }
    if (std::abs(mx - dataX[n]) < reachX && std::abs(my - dataY[n]) < reachY)
        found = true;
    if (found)
        --numPoints;
    return found;
}
