#pragma once
// The geometry of the 3-D plot: a fixed cube of edge 300 centered on the origin,
// the mapping of grid indices and heights into it, and its rotation and
// projection onto the screen.
#include <QPoint>

constexpr double kCubeEdge = 300;
constexpr double kCubeHalfEdge = kCubeEdge / 2;
// View angles are in degrees.
constexpr double kFullTurn = 360;
// The zoom factor stays within these limits.
constexpr double kMinMagnification = 0.001;
constexpr double kMaxMagnification = 3.0;

// A point in cube coordinates (or, for the unit corners, in units of half an edge).
struct TCubePoint {
    double X = 0;
    double Y = 0;
    double Z = 0;
};

// Corner k (0..7) has +x when bit value 4 is set in k, +y for bit value 2 and +z for
// bit value 1, and the negative coordinate otherwise. Unit corners have coordinates
// of ±1, cube corners of ±150.
TCubePoint UnitCorner(int k);
TCubePoint CubeCorner(int k);

// Brings a view angle in degrees into 0..360 (360 itself stays; -720 gives 360).
double NormalizeViewAngle(double degrees);

// The rotation from cube to view coordinates: row 1 gives screen x, row 2 screen y
// (growing downwards) and row 3 the depth, larger meaning nearer to the viewer.
struct TViewMatrix {
    double m11 = 1, m12 = 0, m13 = 0;
    double m21 = 0, m22 = 1, m23 = 0;
    double m31 = 0, m32 = 0, m33 = 1;

    // Elevation angleX and rotation angleZ about the vertical axis, in degrees.
    // Elements smaller in magnitude than 1e-6 are made exactly 0.
    static TViewMatrix FromAngles(double angleX, double angleZ);

    double ScreenX(const TCubePoint& p) const { return p.X * m11 + p.Y * m12 + p.Z * m13; }
    double ScreenY(const TCubePoint& p) const { return p.X * m21 + p.Y * m22 + p.Z * m23; }
    double Depth(const TCubePoint& p) const { return p.X * m31 + p.Y * m32 + p.Z * m33; }
};

// Heights to cube z: the low end of the range lands on the cube's bottom, the high
// end on its top. Heights outside the range leave the cube.
struct THeightMapping {
    double Factor = kCubeEdge / 2;
    double Offset = 0;

    // low and high must differ.
    static THeightMapping FromRange(double low, double high);
    double CubeZ(double height) const { return Factor * height + Offset; }
};

// Cube x (or y) of grid column (or row) index of count: index 1 lands on -150 and
// index count on +150. With count 1 the spacing is 1 and index 1 lies at 0.
double GridCoordinate(int index, int count);

// Everything that places a cube point on the screen.
struct TProjection {
    TViewMatrix View;
    double ScaleX = 1;
    double ScaleY = 1;
    double ScaleZ = 1;
    double Magnification = 1;
    int CentX = 0;
    int CentY = 0;

    // Stretches p by the scale factors, rotates it, zooms it about the center and
    // rounds to pixels, halves to even.
    QPoint Project(const TCubePoint& p) const;
};
