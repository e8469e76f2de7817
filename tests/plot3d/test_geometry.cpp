#include "controls/plot3d/geometry.h"

#include <cmath>
#include <gtest/gtest.h>
#include <numbers>

TEST(Plot3DGeometry, ViewAnglesAreBroughtIntoOneTurn)
{
    EXPECT_EQ(NormalizeViewAngle(370), 10);
    EXPECT_EQ(NormalizeViewAngle(-90), 270);
    EXPECT_EQ(NormalizeViewAngle(-30), 330);
    EXPECT_EQ(NormalizeViewAngle(360), 360);
    EXPECT_EQ(NormalizeViewAngle(720), 0);
    EXPECT_EQ(NormalizeViewAngle(-720), 360);
    EXPECT_EQ(NormalizeViewAngle(0), 0);
    EXPECT_EQ(NormalizeViewAngle(1000.5), 280.5);
}

TEST(Plot3DGeometry, ViewMatrixIsCleanedOfRoundingNoise)
{
    const TViewMatrix flat = TViewMatrix::FromAngles(0, 0);
    EXPECT_EQ(flat.m11, 1);
    EXPECT_EQ(flat.m22, 1);
    EXPECT_EQ(flat.m33, 1);
    for (double element : {flat.m12, flat.m13, flat.m21, flat.m23, flat.m31, flat.m32})
        EXPECT_EQ(element, 0);

    const TViewMatrix edgeOn = TViewMatrix::FromAngles(90, 90);
    EXPECT_EQ(edgeOn.m33, 0.0); // cos 90 degrees is not exactly 0 before cleaning
    EXPECT_EQ(edgeOn.m11, 0.0);
    EXPECT_EQ(edgeOn.m22, 0.0);
    EXPECT_DOUBLE_EQ(edgeOn.m12, -1);
    EXPECT_DOUBLE_EQ(edgeOn.m23, -1);
    EXPECT_DOUBLE_EQ(edgeOn.m31, 1);

    const TViewMatrix usual = TViewMatrix::FromAngles(60, 15);
    EXPECT_DOUBLE_EQ(usual.m21, 0.5 * std::sin(15 * std::numbers::pi / 180));
    EXPECT_DOUBLE_EQ(usual.m32,
                     std::sin(60 * std::numbers::pi / 180) * std::cos(15 * std::numbers::pi / 180));
    // The depth of the unit corners: 0 is the farthest and 7 the nearest.
    EXPECT_LT(usual.Depth(UnitCorner(0)), usual.Depth(UnitCorner(6)));
    EXPECT_DOUBLE_EQ(usual.Depth(UnitCorner(7)), -usual.Depth(UnitCorner(0)));
}

TEST(Plot3DGeometry, HeightAndGridFillTheCube)
{
    const THeightMapping initial;
    EXPECT_EQ(initial.CubeZ(-1), -150);
    EXPECT_EQ(initial.CubeZ(1), 150);

    const THeightMapping mapping = THeightMapping::FromRange(-0.5, 1);
    EXPECT_DOUBLE_EQ(mapping.CubeZ(1), 150);
    EXPECT_DOUBLE_EQ(mapping.CubeZ(-0.5), -150);
    EXPECT_DOUBLE_EQ(mapping.CubeZ(2.5), 450); // not clipped
    const THeightMapping reversed = THeightMapping::FromRange(1, -1);
    EXPECT_DOUBLE_EQ(reversed.CubeZ(1), -150);

    EXPECT_DOUBLE_EQ(GridCoordinate(1, 50), -150);
    EXPECT_DOUBLE_EQ(GridCoordinate(50, 50), 150);
    EXPECT_DOUBLE_EQ(GridCoordinate(2, 3), 0); // count/2 is not truncated
    EXPECT_DOUBLE_EQ(GridCoordinate(2, 2), 150);
    EXPECT_DOUBLE_EQ(GridCoordinate(1, 1), 0);
    EXPECT_DOUBLE_EQ(GridCoordinate(3, 1), 2); // spacing 1 outside a single line
}

TEST(Plot3DGeometry, ProjectionScalesRotatesZoomsAndRoundsHalvesToEven)
{
    TProjection p;
    p.CentX = 325;
    p.CentY = 250;
    p.Magnification = 2;
    EXPECT_EQ(p.Project(CubeCorner(7)), QPoint(625, 550));
    EXPECT_EQ(p.Project(CubeCorner(0)), QPoint(25, -50));
    p.ScaleX = 0.5;
    p.ScaleY = 1.5;
    EXPECT_EQ(p.Project(CubeCorner(6)), QPoint(475, 700));

    // Turned by 90 degrees about the vertical: x goes down the screen, y to the left.
    p.View = TViewMatrix::FromAngles(0, 90);
    EXPECT_EQ(p.Project(CubeCorner(6)), QPoint(325 - 450, 250 + 150));
    // Seen edge-on: only z (scaled) reaches screen y, upwards.
    p.View = TViewMatrix::FromAngles(90, 0);
    p.ScaleZ = 2;
    EXPECT_EQ(p.Project(CubeCorner(1)), QPoint(325 - 150, 250 - 600));

    TProjection unit;
    EXPECT_EQ(unit.Project({0.5, 1.5, 0}), QPoint(0, 2));
    EXPECT_EQ(unit.Project({2.5, -0.5, 0}), QPoint(2, 0));
}
