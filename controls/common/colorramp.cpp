#include "controls/common/colorramp.h"

namespace {

// t·(to − from) + from, truncated toward zero.
int BlendChannel(int from, int to, double t) { return static_cast<int>(t * (to - from) + from); }

TColor Blend(TColor from, TColor to, double t)
{
    return RGBColor(BlendChannel(RedOf(from), RedOf(to), t), BlendChannel(GreenOf(from), GreenOf(to), t),
                    BlendChannel(BlueOf(from), BlueOf(to), t));
}

} // namespace

TColor ColorRamp3(TColor low, TColor mid, TColor high, double x)
{
    if (x > 1)
        x = 1;
    if (!(x >= 0))
        x = 0;
    if (x > 0.5)
        return Blend(mid, high, (x - 0.5) * 2);
    return Blend(low, mid, 2 * x);
}
