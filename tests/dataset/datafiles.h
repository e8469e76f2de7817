#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

// A data file with the given bytes in a temporary folder.
inline QString WriteDataFile(const QTemporaryDir& dir, const QByteArray& bytes,
                             const QString& name = QStringLiteral("data.csv"))
{
    const QString path = dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        return {};
    return path;
}

// The examples as the build copies them for the program: build/bin/../share/slopelab.
inline QString BuiltExamples()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/../share/slopelab/examples");
}
