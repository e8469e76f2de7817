#include "dataset/examples.h"

#include <QDir>
#include <QFileInfo>

namespace {

const QString kExtension = QStringLiteral(".csv");

} // namespace

QStringList ExampleNames(const QString& dir)
{
    QStringList names;
    const QFileInfoList files =
        QDir(dir).entryInfoList({u'*' + kExtension}, QDir::Files | QDir::Readable, QDir::Name);
    for (const QFileInfo& file : files)
        names << file.completeBaseName();
    return names;
}

QString ExampleFile(const QString& name, const QString& dir)
{
    if (!ExampleNames(dir).contains(name))
        return {};
    return QDir(dir).filePath(name + kExtension);
}
