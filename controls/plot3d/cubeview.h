#pragma once
// Which parts of the cube face the viewer: its corner and wall tables, the corner
// farthest from the viewer and the shading of the walls behind the surface.
#include "controls/plot3d/geometry.h"
#include "platform/color.h"

#include <array>

// The bit of a corner number that says the corner lies at +150 along x, y or z.
constexpr int kXBit = 4;
constexpr int kYBit = 2;
constexpr int kZBit = 1;

// The three corners joined to each corner by an edge, in drawing order.
inline constexpr std::array<std::array<int, 3>, 8> kCornerNeighbors{{
    {1, 2, 4},
    {0, 3, 5},
    {0, 3, 6},
    {1, 2, 7},
    {0, 5, 6},
    {1, 4, 7},
    {2, 4, 7},
    {3, 5, 6},
}};

// The three walls that meet at each corner, in drawing order.
inline constexpr std::array<std::array<int, 3>, 8> kCornerWalls{{
    {5, 3, 2},
    {0, 3, 5},
    {1, 2, 5},
    {0, 1, 5},
    {3, 4, 2},
    {0, 3, 4},
    {1, 2, 4},
    {0, 4, 1},
}};

// The corners of each wall in polygon order. Walls 0 and 2 lie at z = +150 and -150,
// walls 1 and 3 at y = +150 and -150, walls 4 and 5 at x = +150 and -150.
inline constexpr std::array<std::array<int, 4>, 6> kWallCorners{{
    {1, 5, 7, 3},
    {2, 3, 7, 6},
    {2, 6, 4, 0},
    {0, 4, 5, 1},
    {4, 5, 7, 6},
    {0, 1, 3, 2},
}};

// Depth of a unit corner; larger is nearer to the viewer.
double CornerDepth(const TViewMatrix& view, int corner);

// The corner farthest from the viewer (the first of equally far ones). The corner
// nearest to the viewer is 7 minus it.
int BackCorner(const TViewMatrix& view);

// The bottom corner that lies farthest right on the screen (the first of equal ones).
int RightmostCorner(const TViewMatrix& view);

// 0 for a wall seen edge-on up to 200 for a wall seen face-on, for the walls that
// meet at the front corner.
int WallShade(const TViewMatrix& view, int wall);

// low blended towards high by shade / 200, each channel truncated toward zero.
TColor ShadeColor(TColor low, TColor high, int shade);
