#include "app/regression.h"

#include "platform/random.h"

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
