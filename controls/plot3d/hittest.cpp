#include "controls/plot3d/hittest.h"

#include <array>
#include <cstdint>
#include <cstdlib>
#include <limits>

namespace {

// -1, 0 or +1: on which side of the edge a -> b the point p lies. Exact for any int
// coordinates.
int SideOf(QPoint a, QPoint b, QPoint p)
{
    const __int128 cross = __int128(std::int64_t(b.x()) - a.x()) * (std::int64_t(p.y()) - a.y())
        - __int128(std::int64_t(b.y()) - a.y()) * (std::int64_t(p.x()) - a.x());
    return (cross > 0) - (cross < 0);
}

// Inside, or on at most one edge: all four edges agree but for at most one zero.
bool Covers(const std::array<QPoint, 4>& quad, QPoint p)
{
    int sum = 0;
    for (std::size_t e = 0; e < quad.size(); ++e)
        sum += SideOf(quad[e], quad[(e + 1) % quad.size()], p);
    return std::abs(sum) >= 3;
}

} // namespace

TCellHit CellUnderPointer(const TIntMatrix& screenX, const TIntMatrix& screenY, const TIntMatrix& drawKey,
                          QPoint pointer)
{
    const auto at = [&](int column, int row) {
        return QPoint(screenX.GetElem(column, row), screenY.GetElem(column, row));
    };
    TCellHit hit;
    int best = -std::numeric_limits<int>::max();
    for (int i = 1; i < screenX.NrOfColumns(); ++i) {
        for (int j = 1; j < screenX.NrOfRows(); ++j) {
            const std::array<QPoint, 4> quad{at(i, j), at(i, j + 1), at(i + 1, j + 1), at(i + 1, j)};
            const int key = drawKey.GetElem(i, j);
            if (key > best && Covers(quad, pointer)) {
                best = key;
                hit = {true, i, j};
            }
        }
    }
    return hit;
}
