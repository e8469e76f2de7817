#include "controls/common/axismap.h"

#include "platform/rounding.h"

#include <algorithm>

namespace {

constexpr long double kPixelLimit = 2147483647.0L;

} // namespace

int BeyondLowEnd(bool horizontal, bool reversed, int width, int height)
{
    if (horizontal)
        return reversed ? width : 0;
    return reversed ? 0 : height;
}

int RoundToPixel(long double pixel)
{
    return int(RoundHalfEven(std::clamp(pixel, -kPixelLimit, kPixelLimit)));
}
