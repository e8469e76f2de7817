#include "controls/chart/bakgndimg.h"

#include <QFileInfo>

TBakGndImg::TBakGndImg(QObject* owner)
    : QObject(owner)
{
}

void TBakGndImg::Changed()
{
    if (OnChange)
        OnChange(this);
}

QString TBakGndImg::Stored(const QString& name) const
{
    return m_includePath ? name : QFileInfo(name).fileName();
}

void TBakGndImg::SetName(const QString& value)
{
    m_name = Stored(value);
    Changed();
}

void TBakGndImg::SetIncludePath(bool value)
{
    m_includePath = value;
    m_name = Stored(m_name);
    Changed();
}

void TBakGndImg::SetFillMode(TBkgFill value)
{
    m_fillMode = value;
    Changed();
}
