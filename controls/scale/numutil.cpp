#include "controls/scale/numutil.h"

#include "platform/rounding.h"

#include <limits>

int Sign(double x) { return x >= 0 ? 1 : -1; }

int Floor(double x)
{
    const int nearest = Round(x);
    const bool aboveX = nearest > x && nearest > std::numeric_limits<int>::min();
    return aboveX ? nearest - 1 : nearest;
}

int Ceiling(double x)
{
    const int nearest = Round(x);
    const bool belowX = nearest < x && nearest < std::numeric_limits<int>::max();
    return belowX ? nearest + 1 : nearest;
}
