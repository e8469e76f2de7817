#pragma once
// TBakGndImg: the picture file a chart shows behind its data, and how it fills the
// data area. Every setter is followed by OnChange.
#include "controls/common/enums.h"
#include "platform/events.h"

#include <QObject>
#include <QString>

class TBakGndImg : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString Name READ Name WRITE SetName)
    Q_PROPERTY(bool IncludePath READ IncludePath WRITE SetIncludePath)
    Q_PROPERTY(CommonEnums::TBkgFill FillMode READ FillMode WRITE SetFillMode)

public:
    explicit TBakGndImg(QObject* owner = nullptr);

    // The picture file; empty for none. Without IncludePath only the file name part
    // of a new name is kept.
    QString Name() const { return m_name; }
    void SetName(const QString& value);
    // Switching it off strips the folder from the stored name.
    bool IncludePath() const { return m_includePath; }
    void SetIncludePath(bool value);
    TBkgFill FillMode() const { return m_fillMode; }
    void SetFillMode(TBkgFill value);

    // Forgets a name whose file could not be loaded, without reporting a change.
    void ForgetName() { m_name.clear(); }

    TNotifyEvent OnChange;

private:
    void Changed();
    QString Stored(const QString& name) const;

    QString m_name;
    bool m_includePath = false;
    TBkgFill m_fillMode = TBkgFill::bfStretch;
};
