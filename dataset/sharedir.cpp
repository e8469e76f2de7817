#include "dataset/sharedir.h"

#include <QCoreApplication>
#include <QDir>

QString ProgramShareDir()
{
    return QDir::cleanPath(QCoreApplication::applicationDirPath() +
                           QStringLiteral("/../share/slopelab"));
}
