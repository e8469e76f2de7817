#include "app/errorsurface.h"

#include "controls/common/matrix.h"

#include <cmath>

double SurfaceHeight(double cell, bool logarithmic, double zeroLogHeight)
{
    if (!logarithmic)
        return cell;
    return cell > 0 ? std::log(cell) : zeroLogHeight;
}

double ZeroCellLogHeight(const TErrGrid& grid, int gridN)
{
    double smallest = 0;
    for (int i = 1; i <= SurfaceSize; ++i)
        for (int j = 1; j <= SurfaceSize; ++j) {
            const double cell = grid[GridIndex(2 * i, 2 * j, gridN)];
            if (cell > 0 && (smallest == 0 || cell < smallest))
                smallest = cell;
        }
    return smallest > 0 ? std::log(smallest) : 0.0;
}

double SurfaceTop(double errMax, bool logarithmic)
{
    if (!logarithmic)
        return errMax;
    return errMax > 0 ? std::log(errMax) : 0.0;
}

double SurfaceBottom(double errMin, const TErrGrid& grid, int gridN, bool logarithmic)
{
    if (!logarithmic)
        return errMin;
    return errMin > 0 ? std::log(errMin) : ZeroCellLogHeight(grid, gridN);
}

void FillSurfaceMatrix(TMatrix& matrix, const TErrGrid& grid, int gridN, bool logarithmic)
{
    const double zeroLogHeight = logarithmic ? ZeroCellLogHeight(grid, gridN) : 0.0;
    matrix.Resize(SurfaceSize, SurfaceSize);
    for (int i = 1; i <= SurfaceSize; ++i)
        for (int j = 1; j <= SurfaceSize; ++j)
            matrix.SetElem(i, SurfaceSize + 1 - j,
                           SurfaceHeight(grid[GridIndex(2 * i, 2 * j, gridN)], logarithmic, zeroLogHeight));
}
