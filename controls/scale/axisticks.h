#pragma once
// Everything one repaint of an axis draws, computed ahead of drawing: the ticks in
// drawing order with their labels, or the message that replaces them.
#include "controls/scale/axissettings.h"
#include "controls/scale/decimals.h"
#include "controls/scale/ticks.h"

#include <QString>
#include <QStringList>
#include <vector>

// The procedure that placed the ticks. A logarithmic axis of less than a decade and a
// time axis whose range does not fit the time steps get Linear ticks.
enum class TAxisKind { Linear, Logarithmic, Time, DateTime };

struct TAxisTick {
    double Value = 0;
    bool Long = false; // long tick; short otherwise
    bool Recorded = false; // offered to the tick list
    QString Label; // label of a long tick; may be empty
    QString DateLine; // date written beside a time label; usually empty
};

struct TAxisTicks {
    TAxisKind Kind = TAxisKind::Linear;
    std::vector<TAxisTick> Ticks; // in drawing order
    QString Message; // why a date/time axis shows no ticks, in one line
    QStringList MessageLines; // the same message in the lines of a vertical axis
    TTickSpacing Spacing; // the spacing of Linear ticks
    TLabelDigits Digits; // digits of numeric labels
};

// The ticks, labels and messages of `axis` as one repaint draws them.
TAxisTicks ComputeAxisTicks(const TAxisSettings& axis);
