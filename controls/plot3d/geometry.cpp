#include "controls/plot3d/geometry.h"

#include "platform/rounding.h"

#include <cmath>
#include <numbers>

namespace {

// Rotation elements below this magnitude are rounding noise of sin and cos.
constexpr double kNegligible = 1e-6;

double Radians(double degrees) { return degrees * std::numbers::pi / 180; }

double Cleaned(double element) { return std::fabs(element) < kNegligible ? 0.0 : element; }

} // namespace

TCubePoint UnitCorner(int k) { return {(k & 4) ? 1.0 : -1.0, (k & 2) ? 1.0 : -1.0, (k & 1) ? 1.0 : -1.0}; }

TCubePoint CubeCorner(int k)
{
    const TCubePoint unit = UnitCorner(k);
    return {unit.X * kCubeHalfEdge, unit.Y * kCubeHalfEdge, unit.Z * kCubeHalfEdge};
}

double NormalizeViewAngle(double degrees)
{
    if (degrees > kFullTurn)
        degrees = std::fmod(degrees, kFullTurn);
    if (degrees < 0)
        degrees = std::fmod(degrees, kFullTurn) + kFullTurn;
    return degrees;
}

TViewMatrix TViewMatrix::FromAngles(double angleX, double angleZ)
{
    const double sinX = std::sin(Radians(angleX));
    const double cosX = std::cos(Radians(angleX));
    const double sinZ = std::sin(Radians(angleZ));
    const double cosZ = std::cos(Radians(angleZ));
    TViewMatrix m;
    m.m11 = Cleaned(cosZ);
    m.m12 = Cleaned(-sinZ);
    m.m13 = 0;
    m.m21 = Cleaned(cosX * sinZ);
    m.m22 = Cleaned(cosZ * cosX);
    m.m23 = Cleaned(-sinX);
    m.m31 = Cleaned(sinX * sinZ);
    m.m32 = Cleaned(sinX * cosZ);
    m.m33 = Cleaned(cosX);
    return m;
}

THeightMapping THeightMapping::FromRange(double low, double high)
{
    THeightMapping mapping;
    mapping.Factor = kCubeEdge / (high - low);
    mapping.Offset = -kCubeEdge / 2 - low * mapping.Factor;
    return mapping;
}

double GridCoordinate(int index, int count)
{
    const double spacing = count == 1 ? 1.0 : kCubeEdge / (count - 1);
    return spacing * (index - count / 2.0 - 0.5);
}

QPoint TProjection::Project(const TCubePoint& p) const
{
    const TCubePoint scaled{ScaleX * p.X, ScaleY * p.Y, ScaleZ * p.Z};
    return {Round(View.ScreenX(scaled) * Magnification + CentX),
            Round(View.ScreenY(scaled) * Magnification + CentY)};
}
