#include "app/regression.h"

#include "platform/random.h"

#include <cmath>

double SumOfSquares(const TPointArray& dataX, const TPointArray& dataY, std::uint16_t numPoints,
                    double k, double d)
{
    double sum = 0;
    for (int m = 1; m <= PointLoopCount(numPoints); ++m) {
        const double residual = dataY[m] - (k * dataX[m] + d);
        sum += residual * residual;
    }
    return sum;
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

bool RemovePickedPoint(TPointArray& dataX, TPointArray& dataY, std::uint16_t& numPoints, double ix,
                       double iy, double mx, double my)
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
    if (std::abs(mx - dataX[n]) < 0.02 && std::abs(my - dataY[n]) < 0.02)
        found = true;
    if (found)
        --numPoints;
    return found;
}
