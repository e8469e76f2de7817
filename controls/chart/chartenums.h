#pragma once
// Enumerations the chart publishes as property types. Their ordinals and value names
// are the ones stored with forms.
#include <QObject>
#include <cstdint>

namespace ChartEnums {
Q_NAMESPACE

// The edge of the data area a horizontal axis runs along.
enum TScaleLocationHoriz : std::uint8_t { slTop, slBottom };
Q_ENUM_NS(TScaleLocationHoriz)

// The edge of the data area a vertical axis runs along.
enum TScaleLocationVert : std::uint8_t { slLeft, slRight };
Q_ENUM_NS(TScaleLocationVert)

// What the chart caption's horizontal position is measured from.
enum TCaptionAnchorHoriz : std::uint8_t {
    cahControlLeft,
    cahChartLeft,
    cahChartCenter,
    cahChartRight,
    cahControlRight,
};
Q_ENUM_NS(TCaptionAnchorHoriz)

// What the chart caption's vertical position is measured from.
enum TCaptionAnchorVert : std::uint8_t {
    cavControlTop,
    cavChartTop,
    cavChartCenter,
    cavChartBottom,
    cavControlBottom,
};
Q_ENUM_NS(TCaptionAnchorVert)

// The ready-made arrangements of rims and axes of layers 1 to 4.
enum TrcLayout : std::uint8_t {
    rcl_X1Bottom_Y1Left,
    rcl_X1Bottom_Y2Left,
    rcl_X1Bottom_Y3Left,
    rcl_X1Bottom_Y4Left,
    rcl_X1Bottom_Y2Both,
    rcl_X2Bottom_Y2Left,
    rcl_X2Both_Y2Both,
};
Q_ENUM_NS(TrcLayout)

// Where the data area's grid lines (or grid points) go.
enum GridStyleType : std::uint8_t {
    gsNone,
    gsPoints,
    gsVertLines,
    gsHorizLines,
    gsLines,
    gsHorizDotLines,
    gsVertDotLines,
    gsDotLines,
};
Q_ENUM_NS(GridStyleType)

// Whether text items get a box in the text background color.
enum TTextBkg : std::uint8_t { tbClear, tbSolid };
Q_ENUM_NS(TTextBkg)

} // namespace ChartEnums

using ChartEnums::GridStyleType;
using ChartEnums::TCaptionAnchorHoriz;
using ChartEnums::TCaptionAnchorVert;
using ChartEnums::TrcLayout;
using ChartEnums::TScaleLocationHoriz;
using ChartEnums::TScaleLocationVert;
using ChartEnums::TTextBkg;
