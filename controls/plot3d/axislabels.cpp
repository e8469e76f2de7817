#include "controls/plot3d/axislabels.h"

#include "controls/scale/numericlabels.h"
#include "platform/format.h"
#include "platform/rounding.h"

#include <cmath>
#include <numbers>

namespace {

constexpr int kScientificDigits = 2;
constexpr int kExponentDigits = 4;
constexpr int kLabelGap = 3;

QString NumberText(long double value, int decimals)
{
    if (decimals >= 0)
        return FormatFixed(value, decimals);
    return FormatExponent(value, kScientificDigits, kExponentDigits, TPositiveSign::Blank);
}

double Radians(double degrees) { return degrees * std::numbers::pi / 180; }

} // namespace

QString TickLabel(long double tick, long double low, long double high, int decimals)
{
    return LinearTickText(tick, high - low, decimals, NumberText);
}

int TickLabelLeft(TP3ScaleKind axis, int tickEndX, int halfWidth, double viewAngleX, double viewAngleZ)
{
    const int centered = tickEndX - halfWidth;
    const int away = viewAngleX > 180 ? -1 : 1;
    switch (axis) {
    case TP3ScaleKind::skXAxis: {
        const int shift = away * Round(std::sin(Radians(viewAngleZ)) * halfWidth);
        return viewAngleZ <= 90 || viewAngleZ > 270 ? centered - shift : centered + shift;
    }
    case TP3ScaleKind::skYAxis: {
        const int shift = away * Round(std::cos(Radians(viewAngleZ)) * halfWidth);
        return viewAngleZ <= 180 ? centered + shift : centered - shift;
    }
    case TP3ScaleKind::skZAxis:
        break;
    }
    return tickEndX + kLabelGap;
}
