#pragma once
// Rectangular frames in the shared frame styles.
#include "controls/common/enums.h"
#include "platform/color.h"

class TCanvas;

// Draws a frame whose outer edge runs through the inclusive pixel coordinates
// left, top, right, bottom. fsSimple outlines in lineColor; the 3-D styles draw
// two nested one-pixel rings from the four shading colors; fsNone and unknown
// styles draw nothing. The pen color is left at the last color used.
void DrawFrame(TCanvas& canvas, TFrameStyle style, int left, int top, int right, int bottom, TColor highlight,
               TColor lightFace, TColor shadow, TColor darkShadow, TColor lineColor);
