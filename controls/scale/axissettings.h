#pragma once
// The settings of one axis that tick computation, labels and pixel mapping read. The
// scale control owns one and fills it from its properties; the defaults are a new
// scale's.
#include "controls/common/enums.h"

#include <QChar>
#include <QLocale>
#include <QString>

class TDTLabel;

// How date/time labels are written: the settings of a TDTLabel plus the locale that
// supplies the short month names.
struct TDateLabelOptions {
    TTimeFormat TimeFormat = TTimeFormat::tfHHMMSS;
    QChar DateSeparator = u'-';
    QChar TimeSeparator = u':';
    TYearLength YearLength = TYearLength::ylYYYY;
    bool MonthName = true;
    TDateOrder DateOrder = TDateOrder::doDDMMYY;
    TDateForTime DateForTime = TDateForTime::dtOnePerDay;
    QLocale Locale; // the user's locale unless set
};

// The seven settings of `label`, with the user's locale.
TDateLabelOptions DateLabelOptionsOf(const TDTLabel& label);

struct TAxisSettings {
    double RangeLow = 0; // value at the left or bottom end of the axis
    double RangeHigh = 100; // value at the other end; below RangeLow on a reversed axis
    int MinTicks = 3; // wanted minimum number of tick intervals, 2..10
    bool ShortTicks = true;
    bool Logarithmic = false;
    int DecPlaces = -2; // 0..12 decimals; -1 scientific; -2, -3 automatic
    TScaleType ScaleType = TScaleType::sctXB;
    int MarginLeft = 20;
    int MarginRight = 20;
    int MarginTop = 20;
    int MarginBottom = 20;
    int Width = 400;
    int Height = 400;
    TFigType LabelType = TFigType::ftNum;
    QString UserTickText; // "|"-separated texts of the labeled ticks
    QString ScaleInscript; // unit text; "&" stands for the label
    TDateLabelOptions DateFormat;
};

inline bool IsHorizontal(TScaleType type) { return type == TScaleType::sctXB || type == TScaleType::sctXT; }
