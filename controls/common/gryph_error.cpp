#include "controls/common/gryph_error.h"

#include <QObject>

namespace {

QString ClassNameOf(const QObject* object)
{
    return object ? QString::fromLatin1(object->metaObject()->className()) : QStringLiteral("nil");
}

} // namespace

EGryphError CannotAssign(const QObject* source, const QObject* dest)
{
    return EGryphError(
        QStringLiteral("Cannot assign a %1 to a %2").arg(ClassNameOf(source), ClassNameOf(dest)));
}
