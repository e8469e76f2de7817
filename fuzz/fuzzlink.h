#pragma once
// The courseware targets' surroundings: a private runtime directory and a link that
// reaches no other program.
#include "courseware/demon.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <memory>

// Message windows are looked up in the user's runtime directory; the fuzz run gets its
// own, so that it never meets a real program's windows. Removed at exit.
inline void UsePrivateRuntimeDirectory()
{
    static QTemporaryDir directory(QDir::tempPath() + QStringLiteral("/slopelab-fuzz-XXXXXX"));
    if (directory.isValid())
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(directory.path()));
}

inline const QString FuzzProgramPath = QStringLiteral("/opt/fuzz/prog");

// A link with its own window left closed and a server that never answers: received
// blocks go through the link's real dispatch, nothing leaves the process.
class TFuzzLink : public TkdbCustomDemon {
public:
    explicit TFuzzLink(const QStringList& arguments = {FuzzProgramPath}, const QString& setting = {})
        : TkdbCustomDemon(nullptr, Environment(arguments, setting))
    {
    }

    QString WindowClassName() const override { return QuilletClientWindowClass; }
    QString WindowTitle() const override { return {}; }
    std::unique_ptr<TEntity> FindEntityByTitle(const QString&) override { return nullptr; }
    std::unique_ptr<TEntity> FindEntityByHandle(TWindowHandle) override { return nullptr; }
    int ExecuteProgram(const QString&, const QString&, bool, qint32) override { return 0; }
    std::unique_ptr<QBuffer> FetchFile(const QString&) override { return nullptr; }
    QString ServerFileName(const QString& Name) override { return Name; }
    QString ServerString(const QString& Text) override { return Text; }
    QString ServerParam(const QString&) override { return {}; }

private:
    static TDemonEnvironment Environment(const QStringList& arguments, const QString& setting)
    {
        TDemonEnvironment environment;
        environment.arguments = arguments;
        environment.programPath = FuzzProgramPath;
        environment.applicationTitle = QStringLiteral("fuzz");
        environment.readServerSetting = [setting] { return setting; };
        return environment;
    }
};
