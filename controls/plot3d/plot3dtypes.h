#pragma once
// Enumerations and event types the 3-D plot publishes. Like the shared enumerations
// they live in a namespace known to the meta-object system; only the type names are
// declared globally.
#include "platform/color.h"
#include "platform/events.h"

#include <QObject>
#include <QPoint>
#include <QString>
#include <array>
#include <cstdint>
#include <functional>

class TCanvas;

namespace Plot3DEnums {
Q_NAMESPACE

// How heights become colors: a ramp from ColorLow to ColorHigh, or through ColorMid.
enum TColorCodingMode : std::uint8_t { ccmTwoColors, ccmThreeColors };
Q_ENUM_NS(TColorCodingMode)

// The axis a tick label belongs to; also indexes the per-axis settings.
enum TP3ScaleKind : std::uint8_t { skXAxis, skYAxis, skZAxis };
Q_ENUM_NS(TP3ScaleKind)

} // namespace Plot3DEnums

using Plot3DEnums::TColorCodingMode;
using Plot3DEnums::TP3ScaleKind;

// The screen corners of one surface cell, in drawing order.
using TQuad = std::array<QPoint, 4>;

// After the scene has been drawn.
using TRenderEvent = std::function<void(QObject* Sender, TCanvas& Canvas)>;
// During a drag, with the control's own view values, which the handler may change.
using TMouseActionEvent = std::function<void(QObject* Sender, int& CenterX, int& CenterY, double& RotXAngle,
                                             double& RotZAngle, double& Magnification, TShiftState Shift)>;
// After each mouse move, with the cell under the pointer ((0, 0) when none).
using TMouseMoveOverPlotEvent =
    std::function<void(QObject* Sender, bool OverPlot, TShiftState Shift, int MouseCellX, int MouseCellY)>;
// Before a cell is drawn; the handler may draw it itself and set Handled, or change its color.
using TBeforeRenderPolygonEvent = std::function<void(QObject* Sender, TCanvas& Canvas, bool& Handled,
                                                     int CellX, int CellY, const TQuad& quad, TColor& color)>;
// Before a tick label is drawn; the handler may change the text.
using Tp3BeforeDrawScaleLabelEvent =
    std::function<void(QObject* Sender, TCanvas& Canvas, TP3ScaleKind ScaleType, QString& CurrentTickLabel,
                       int ChartX, int ChartY)>;
