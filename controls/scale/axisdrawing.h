#pragma once
// Drawing one axis onto a canvas: its ticks, labels, date lines, messages and caption.
// The base line, background and frame are left to the scale control.
#include "controls/common/enums.h"
#include "controls/scale/axissettings.h"
#include "controls/scale/pixelmap.h"
#include "controls/scale/ticklist.h"

#include <QString>
#include <functional>

class QObject;
class TCanvas;

// Raised for every tick drawn, long or short. (ChartX, ChartY) is where the tick meets
// the base line. A handler that stores another canvas in Canvas redirects the rest of
// the axis's drawing to it.
using TScaleTickDrawnEvent = std::function<void(QObject* Sender, TCanvas*& Canvas, TScaleType ScaleType,
                                                double CurrentTickPos, int ChartX, int ChartY)>;

struct TAxisCaption {
    QString Text; // nothing is drawn when empty
    int PosX = 4; // offset from the anchor point
    int PosY = 4;
    TAlignment Alignment = TAlignment::taCenter; // of the text about the anchor point
    TScaleUnitAnchor Anchor = TScaleUnitAnchor::uaSclTopLft;
};

// What a drawing of an axis reads besides the canvas.
struct TAxisDrawing {
    const TAxisSettings& Axis;
    const TPixelMapping& Mapping;
    const TAxisCaption& Caption;
    bool Transparent; // labels get no background box
    int FontSize; // points of the scale's font; sets the text height on printers
    QObject* Sender;
    const TScaleTickDrawnEvent& OnScaleTickDrawn;
};

// Draws the axis whose base line lies at `base` (y on horizontal, x on vertical axes)
// onto `canvas`, which holds the scale's font and pen color. `ticks` is emptied first
// and then records the drawn ticks.
void DrawAxis(const TAxisDrawing& drawing, TCanvas& canvas, int base, TTickList& ticks);
