#include "controls/scale/axissettings.h"

#include "controls/common/dtlabel.h"

TDateLabelOptions DateLabelOptionsOf(const TDTLabel& label)
{
    TDateLabelOptions options;
    options.TimeFormat = label.TimeFormat();
    options.DateSeparator = label.DateSeparator();
    options.TimeSeparator = label.TimeSeparator();
    options.YearLength = label.YearLength();
    options.MonthName = label.MonthName();
    options.DateOrder = label.DateOrder();
    options.DateForTime = label.DateForTime();
    return options;
}
