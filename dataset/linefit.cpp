#include "dataset/linefit.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

long double Mean(std::span<const double> values)
{
    long double sum = 0;
    for (const double value : values)
        sum += value;
    return sum / static_cast<long double>(values.size());
}

} // namespace

DeviationSums SumDeviations(std::span<const double> x, std::span<const double> y)
{
    DeviationSums sums;
    sums.n = static_cast<long double>(x.size());
    sums.meanX = Mean(x);
    sums.meanY = Mean(y);
    for (std::size_t i = 0; i < x.size(); ++i) {
        const long double dx = x[i] - sums.meanX;
        const long double dy = y[i] - sums.meanY;
        sums.sxx += dx * dx;
        sums.sxy += dx * dy;
        sums.syy += dy * dy;
    }
    return sums;
}

Result<LineFit> FitLine(std::span<const double> x, std::span<const double> y)
{
    if (const Outcome check = CheckPoints(x, y); !check)
        return Result<LineFit>::Failure(check.Message());
    const auto [n, meanX, meanY, sxx, sxy, syy] = SumDeviations(x, y);
    const long double slope = sxy / sxx;
    const long double r = syy > 0 ? std::clamp(sxy / (std::sqrt(sxx) * std::sqrt(syy)), -1.0L, 1.0L)
                                  : std::numeric_limits<long double>::quiet_NaN();
    LineFit fit;
    fit.slope = static_cast<double>(slope);
    fit.intercept = static_cast<double>(meanY - slope * meanX);
    fit.r = static_cast<double>(r);
    fit.rSquared = static_cast<double>(r * r);
    fit.meanX = static_cast<double>(meanX);
    fit.meanY = static_cast<double>(meanY);
    return fit;
}

Result<LineFit> FitLine(const PointSet& points) { return FitLine(points.x, points.y); }
