#include "controls/numlab/numlabaccessible.h"

#include "controls/numlab/numlab.h"

namespace {

QAccessibleInterface* NumLabFactory(const QString& className, QObject* object)
{
    if (className == QLatin1String("TNumLab") && object && object->isWidgetType())
        return new TNumLabAccessible(static_cast<TNumLab*>(object));
    return nullptr;
}

} // namespace

TNumLabAccessible::TNumLabAccessible(TNumLab* label)
    : QAccessibleWidget(label, QAccessible::StaticText)
{
}

const TNumLab& TNumLabAccessible::Label() const { return *static_cast<const TNumLab*>(object()); }

QString TNumLabAccessible::text(QAccessible::Text t) const
{
    switch (t) {
    case QAccessible::Name:
        return Label().accessibleName().isEmpty() ? Label().LeftText() : Label().accessibleName();
    case QAccessible::Value:
        return Label().DisplayText();
    default:
        return QAccessibleWidget::text(t);
    }
}

void InstallNumLabAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(NumLabFactory);
        return true;
    }();
    (void)installed;
}
