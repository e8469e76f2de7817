#pragma once
// What a chart paints behind its data: the chart color, or the background picture
// placed as its fill mode says. The picture is read from its file at every paint, so
// that a changed or removed file shows at once.
#include "platform/bitmap.h"
#include "platform/color.h"

class TBakGndImg;
class TCanvas;

class TDataBackground {
public:
    // Covers the canvas's whole surface. A picture file that cannot be loaded leaves
    // the plain background and its name is forgotten.
    void Paint(TCanvas& canvas, TColor chartColor, TColor frameColor, TBakGndImg& image);

private:
    // Reads image's file; false (and the name forgotten) when there is no picture.
    bool LoadPicture(TBakGndImg& image);
    void PaintTiles(TCanvas& canvas) const;

    TBitmap m_picture;
};
