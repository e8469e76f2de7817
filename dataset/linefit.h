#pragma once
// The least-squares line y = slope·x + intercept of a point set.
#include "dataset/pointfile.h"
#include "dataset/result.h"

#include <span>

struct LineFit {
    double slope = 0;
    double intercept = 0;
    double r = 0; // correlation coefficient; NaN when all y values are equal
    double rSquared = 0; // r², the share of the variance of y that the line explains
    double meanX = 0;
    double meanY = 0;
};

// The means of a point set and the sums of the squares and products of the deviations
// from them (Sxx, Sxy, Syy), each summed in index order in long double. x and y have the
// same length, which is not 0.
struct DeviationSums {
    long double n = 0;
    long double meanX = 0;
    long double meanY = 0;
    long double sxx = 0;
    long double sxy = 0;
    long double syy = 0;
};
DeviationSums SumDeviations(std::span<const double> x, std::span<const double> y);

// The line that minimizes the sum of squared residuals, from sums of deviations from the
// means in long double, so that large offsets and many points lose no accuracy. Refuses
// what CheckPoints refuses, with its message (all x equal: no slope).
Result<LineFit> FitLine(std::span<const double> x, std::span<const double> y);
Result<LineFit> FitLine(const PointSet& points);
