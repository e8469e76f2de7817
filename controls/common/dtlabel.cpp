#include "controls/common/dtlabel.h"

TDTLabel::TDTLabel(QObject* owner)
    : QObject(owner)
{
}

void TDTLabel::Changed()
{
    if (OnChange)
        OnChange(this);
}

template <typename T>
void TDTLabel::StoreIfDifferent(T& field, T value)
{
    if (field == value)
        return;
    field = value;
    Changed();
}

void TDTLabel::SetTimeFormat(TTimeFormat value)
{
    m_timeFormat = value;
    Changed();
}

void TDTLabel::SetDateOrder(TDateOrder value)
{
    m_dateOrder = value;
    Changed();
}

void TDTLabel::SetDateSeparator(QChar value) { StoreIfDifferent(m_dateSeparator, value); }
void TDTLabel::SetTimeSeparator(QChar value) { StoreIfDifferent(m_timeSeparator, value); }
void TDTLabel::SetYearLength(TYearLength value) { StoreIfDifferent(m_yearLength, value); }
void TDTLabel::SetMonthName(bool value) { StoreIfDifferent(m_monthName, value); }
void TDTLabel::SetDateForTime(TDateForTime value) { StoreIfDifferent(m_dateForTime, value); }

void TDTLabel::Assign(const TDTLabel& source)
{
    m_timeFormat = source.m_timeFormat;
    m_dateSeparator = source.m_dateSeparator;
    m_timeSeparator = source.m_timeSeparator;
    m_yearLength = source.m_yearLength;
    m_monthName = source.m_monthName;
    m_dateOrder = source.m_dateOrder;
    m_dateForTime = source.m_dateForTime;
    Changed();
}
