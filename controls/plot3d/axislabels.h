#pragma once
// Texts and places of the tick labels on the cube's axes.
#include "controls/plot3d/plot3dtypes.h"

#include <QString>

// The label of tick on an axis from low to high (which differ). decimals >= 0 gives
// fixed-point text, -1 scientific text with two significant digits and a four-digit
// exponent (" 1.5E+0003"). Zero ticks and the length as on a scale's linear axis
// (LinearTickText).
QString TickLabel(long double tick, long double low, long double high, int decimals);

// Left edge of a label halfWidth wide whose tick mark ends at tickEndX, so that the
// label moves away from the cube as the view turns.
int TickLabelLeft(TP3ScaleKind axis, int tickEndX, int halfWidth, double viewAngleX, double viewAngleZ);
