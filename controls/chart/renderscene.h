#pragma once
// Everything the data-area renderer reads from its chart, gathered before a render.
#include "controls/chart/axistransform.h"
#include "controls/chart/chartenums.h"
#include "controls/chart/chartgeometry.h"
#include "controls/common/enums.h"
#include "platform/canvas.h"
#include "platform/color.h"

#include <QPoint>
#include <algorithm>
#include <array>
#include <functional>
#include <span>
#include <vector>

class QObject;
class TDisplayList;
class TItemVisibility;
class TTextLabel;

// Raised around the drawing of a chart's parts with the canvas being drawn on and the
// control pixel the canvas's origin stands for. A handler that stores another canvas
// in Canvas redirects the rest of the drawing to it.
using TPlottaRenderEvent = std::function<void(QObject* Sender, TCanvas*& Canvas, int Top, int Left)>;

// One direction of the grid: the grid layer's axis range and how lines are spaced.
struct TGridAxis {
    double RangeLow = 0;
    double RangeHigh = 1;
    bool Logarithmic = false;
    // 0: at the axis's ticks; > 0, or any value on a linear axis: every |Step| units;
    // logarithmic axes: -1 decades, -2 a 1-2-5 sequence, -3 every whole mantissa.
    double Step = 0;
    // The values of the ticks the axis drew last, in drawing order.
    std::vector<double> Ticks;
};

struct TGridSettings {
    GridStyleType Style = GridStyleType::gsNone;
    TColor Color = clBlack;
    int Layer = 1;
    TGridAxis X;
    TGridAxis Y;
};

// How text items are written.
struct TTextItemStyle {
    TFontStyles FontStyle = 0;
    TTextBkg Background = TTextBkg::tbClear;
    TColor BackgroundColor = clWhite;
    TAlignment Alignment = TAlignment::taCenter;
};

struct TRenderScene {
    const TDisplayList& Items;
    const TItemVisibility& Visibility;
    // The pixel maps of layers 1 to 16.
    std::array<TLayerTransform, 16> Transforms{};
    TChartGeometry Geometry{};
    int LineWidth = 1;
    TColor ChartColor = clWhite;
    TColor ChartFrameColor = clBlack;
    TGridSettings Grid{};
    TTextItemStyle Text{};
    // Labels 1 to 20.
    std::array<const TTextLabel*, 20> Labels{};
    QObject* Sender = nullptr;
    TPlottaRenderEvent OnBeforeRenderData{};
    TPlottaRenderEvent OnDataRendered{};
};

// Where on the canvas the render goes, and how.
struct TRenderOptions {
    // The canvas pixel of the data area's top-left corner.
    int OffsetX = 0;
    int OffsetY = 0;
    // Every item in black, closed figures filled in silver.
    bool Monochrome = false;
    // Leave out the grid.
    bool NoGrid = false;
};

// Turns data points into canvas pixels: the layer's map, limited to +-30000, moved by
// the render offset less the rims.
class TPixelPlacer {
public:
    TPixelPlacer(const TRenderScene& scene, const TRenderOptions& options);

    // Layers outside 1..16 are taken as the nearest of them.
    QPoint Place(int layer, double x, double y) const
    {
        const QPoint p = TransformOf(layer).ToPixels(x, y);
        return OnCanvas(p.x(), p.y());
    }
    // Places (xs[i], ys[i]) into pixels[i] for every i; the spans are equally long.
    void PlaceAll(int layer, std::span<const double> xs, std::span<const double> ys,
                  std::span<QPoint> pixels) const;
    // A control pixel given as reals, rounded and limited like mapped ones.
    QPoint PlaceControlPixel(double x, double y) const;

private:
    // Pixels far outside the control are drawn at this distance at most.
    static constexpr int kPixelLimit = 30000;
    static int Limited(int pixel) { return std::clamp(pixel, -kPixelLimit, kPixelLimit); }
    // A control pixel, limited, as a canvas pixel.
    QPoint OnCanvas(int x, int y) const { return {Limited(x) + m_dx, Limited(y) + m_dy}; }
    const TLayerTransform& TransformOf(int layer) const
    {
        return m_transforms[std::clamp(layer, 1, int(m_transforms.size())) - 1];
    }

    const std::array<TLayerTransform, 16>& m_transforms;
    int m_dx;
    int m_dy;
};
