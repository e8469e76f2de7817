#pragma once
// What a chart paints behind its data: the chart colour, or the background picture
// placed as its fill mode says. The picture is read from its file once and kept until
// the name changes.
#include "platform/bitmap.h"
#include "platform/color.h"

#include <QString>

class TBakGndImg;
class TCanvas;

class TDataBackground {
public:
    // Covers the canvas's whole surface. A picture file that cannot be loaded leaves
    // the plain background and its name is forgotten.
    void Paint(TCanvas& canvas, TColor chartColor, TColor frameColor, TBakGndImg& image);

private:
    // The picture of image's file, or nullptr when it cannot be loaded.
    const TBitmap* Picture(TBakGndImg& image);
    void PaintTiles(TCanvas& canvas) const;

    TBitmap m_picture;
    QString m_pictureName;   // file m_picture was loaded from; empty for none
};
