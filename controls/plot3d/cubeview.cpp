#include "controls/plot3d/cubeview.h"

#include "platform/rounding.h"

namespace {

constexpr int kFullShade = 200;
// Four corner depths of at most 1 each make the full shade.
constexpr double kShadePerDepth = kFullShade / 4.0;

int ShadeChannel(int low, int high, int shade) { return low + (high - low) * shade / kFullShade; }

} // namespace

double CornerDepth(const TViewMatrix& view, int corner) { return view.Depth(UnitCorner(corner)); }

int BackCorner(const TViewMatrix& view)
{
    int back = 0;
    for (int k = 1; k < 8; ++k)
        if (CornerDepth(view, k) < CornerDepth(view, back))
            back = k;
    return back;
}

int RightmostCorner(const TViewMatrix& view)
{
    int rightmost = 0;
    for (int k = 1; k < 8; ++k)
        if (view.ScreenX(UnitCorner(k)) > view.ScreenX(UnitCorner(rightmost)))
            rightmost = k;
    return rightmost;
}

int WallShade(const TViewMatrix& view, int wall)
{
    double depth = 0;
    for (int corner : kWallCorners[wall])
        depth += CornerDepth(view, corner);
    return Round(kShadePerDepth * depth);
}

TColor ShadeColor(TColor low, TColor high, int shade)
{
    low = ResolveColor(low);
    high = ResolveColor(high);
    return RGBColor(ShadeChannel(RedOf(low), RedOf(high), shade),
                    ShadeChannel(GreenOf(low), GreenOf(high), shade),
                    ShadeChannel(BlueOf(low), BlueOf(high), shade));
}
