#pragma once
// Where a chart's data area lies: the control's size less the rims and the shadow.
struct TChartGeometry {
    int Width = 0;
    int Height = 0;
    int LRim = 0;
    int RRim = 0;
    int TRim = 0;
    int BRim = 0;
    int ShadowWidth = 0;

    bool operator==(const TChartGeometry&) const = default;

    // Pixel column of the right edge and row of the bottom edge of the data area.
    int DataRight() const { return Width - RRim - ShadowWidth; }
    int DataBottom() const { return Height - BRim - ShadowWidth; }
    // Extent of the data area from its left (top) edge to its right (bottom) edge.
    int DataWidth() const { return DataRight() - LRim; }
    int DataHeight() const { return DataBottom() - TRim; }
    // Size of the bitmap that holds the data area, edges included; never negative.
    int DataBitmapWidth() const { return DataWidth() + 1 > 0 ? DataWidth() + 1 : 0; }
    int DataBitmapHeight() const { return DataHeight() + 1 > 0 ? DataHeight() + 1 : 0; }
    // Whether control pixel (x, y) lies in the data area, edges included.
    bool InDataArea(int x, int y) const
    {
        return x >= LRim && x <= DataRight() && y >= TRim && y <= DataBottom();
    }
};
