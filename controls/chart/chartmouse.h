#pragma once
// What the chart's mouse handling reports and keeps beyond the axis ranges: its
// events and the state of the selection rectangle.
#include "platform/events.h"

#include <functional>

class QObject;

// Every mouse move over the chart: whether the pixel lies in the data area (edges
// included) and the pixel in data units of the current layer.
using TMouseMoveInChartEvent = std::function<void(QObject* Sender, bool InChart, TShiftState Shift,
                                                  double rMousePosX, double rMousePosY)>;
// Each move of a dragged crosshair (1..4) or text label (1..20).
using TCrossHairMoveEvent = std::function<void(QObject* Sender, int WhichCrossHair)>;
using TTextLabelMoveEvent = std::function<void(QObject* Sender, int WhichTextLabel)>;

// The selection rectangle: armed by the owner, dragged open by the next press, and
// finished when that button is released (or back to idle when it is the right one).
enum class TSelectionState { Idle, Armed, Dragging, Finished };
