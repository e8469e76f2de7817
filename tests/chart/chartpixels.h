#pragma once
// Helpers of the chart's drawing tests: a chart whose data units are pixels, and
// pixel reads.
#include "controls/chart/plotta.h"
#include "platform/bitmap.h"

#include <QImage>

// A new chart (280 x 200, rims 50, 20, 20, 40) whose layer-1 data units are pixels of
// its data area: x runs 0..210 from left to right, y 0..140 from bottom to top, so data
// point (x, y) is pixel (x, 140 - y) of the data-area picture.
inline void UsePixelUnits(TPlotta& chart)
{
    chart.Scale1X()->SetRangeHigh(210);
    chart.Scale1Y()->SetRangeHigh(140);
}

inline TColor ColorAt(const TBitmap& bitmap, int x, int y)
{
    const QRgb rgb = bitmap.Image().pixel(x, y);
    return RGBColor(qRed(rgb), qGreen(rgb), qBlue(rgb));
}

// Color of data point (x, y) of a chart set up by UsePixelUnits.
inline TColor DataColorAt(const TPlotta& chart, int x, int y)
{
    return ColorAt(chart.DataAreaPicture(), x, 140 - y);
}
