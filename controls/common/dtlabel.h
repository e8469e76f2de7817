#pragma once
// TDTLabel: how date/time tick labels are written.
// TimeFormat and DateOrder notify on every set; the other setters notify only when
// the value actually changes.
#include "controls/common/enums.h"
#include "platform/events.h"

#include <QChar>
#include <QObject>

class TDTLabel : public QObject {
    Q_OBJECT
    Q_PROPERTY(CommonEnums::TTimeFormat TimeFormat READ TimeFormat WRITE SetTimeFormat)
    Q_PROPERTY(QChar DateSeparator READ DateSeparator WRITE SetDateSeparator)
    Q_PROPERTY(QChar TimeSeparator READ TimeSeparator WRITE SetTimeSeparator)
    Q_PROPERTY(CommonEnums::TYearLength YearLength READ YearLength WRITE SetYearLength)
    Q_PROPERTY(bool MonthName READ MonthName WRITE SetMonthName)
    Q_PROPERTY(CommonEnums::TDateOrder DateOrder READ DateOrder WRITE SetDateOrder)
    Q_PROPERTY(CommonEnums::TDateForTime DateForTime READ DateForTime WRITE SetDateForTime)

public:
    // Starts with the settings every owner gives it: tfHHMMSS, "-", ":", ylYYYY,
    // month names on, dtOnePerDay, doDDMMYY.
    explicit TDTLabel(QObject* owner = nullptr);

    TTimeFormat TimeFormat() const { return m_timeFormat; }
    void SetTimeFormat(TTimeFormat value);
    QChar DateSeparator() const { return m_dateSeparator; }
    void SetDateSeparator(QChar value);
    QChar TimeSeparator() const { return m_timeSeparator; }
    void SetTimeSeparator(QChar value);
    TYearLength YearLength() const { return m_yearLength; }
    void SetYearLength(TYearLength value);
    bool MonthName() const { return m_monthName; }
    void SetMonthName(bool value);
    TDateOrder DateOrder() const { return m_dateOrder; }
    void SetDateOrder(TDateOrder value);
    TDateForTime DateForTime() const { return m_dateForTime; }
    void SetDateForTime(TDateForTime value);

    // Takes over all seven settings of source and then fires OnChange once,
    // whether or not anything differed. OnChange itself is not copied.
    void Assign(const TDTLabel& source);

    TNotifyEvent OnChange;

private:
    void Changed();
    template <typename T>
    void StoreIfDifferent(T& field, T value);

    TTimeFormat m_timeFormat = TTimeFormat::tfHHMMSS;
    QChar m_dateSeparator = u'-';
    QChar m_timeSeparator = u':';
    TYearLength m_yearLength = TYearLength::ylYYYY;
    bool m_monthName = true;
    TDateOrder m_dateOrder = TDateOrder::doDDMMYY;
    TDateForTime m_dateForTime = TDateForTime::dtOnePerDay;
};
