#include "courseware/runtimefolder.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace {

constexpr mode_t PrivateMode = 0700;

QString SystemError(int error) { return QString::fromLocal8Bit(std::strerror(error)); }

// Empty when the folder at path is private to the user, otherwise why not.
QString FaultOfFolder(const QString& path, uid_t user)
{
    struct stat info { };
    if (::lstat(QFile::encodeName(path).constData(), &info) != 0)
        return SystemError(errno);
    return PrivateFolderFault(info, user);
}

// Makes the folder private to the user if it does not exist yet.
void CreatePrivateFolder(const QString& path)
{
    const QByteArray name = QFile::encodeName(path);
    // A folder just made is the user's; the mask may have taken bits that are needed.
    if (::mkdir(name.constData(), PrivateMode) == 0)
        ::chmod(name.constData(), PrivateMode);
}

} // namespace

QString PrivateFolderFault(const struct stat& info, uid_t user)
{
    if (S_ISLNK(info.st_mode))
        return QStringLiteral("is a symbolic link");
    if (!S_ISDIR(info.st_mode))
        return QStringLiteral("is not a folder");
    if (info.st_uid != user)
        return QStringLiteral("belongs to user %1").arg(info.st_uid);
    const mode_t mode = info.st_mode & 07777;
    if (mode != PrivateMode)
        return QStringLiteral("has mode %1, not 0700").arg(mode, 4, 8, QLatin1Char('0'));
    return QString();
}

TRuntimeFolder FindRuntimeFolder(const QString& sessionFolder, const QString& temporaryFolder, uid_t user)
{
    TRuntimeFolder found;
    auto consider = [&](const QString& path) {
        if (path.isEmpty() || !found.path.isEmpty())
            return;
        const QString fault = FaultOfFolder(path, user);
        if (fault.isEmpty())
            found.path = path;
        else
            found.problems += path + QStringLiteral(": ") + fault + QLatin1Char('\n');
    };
    consider(sessionFolder);
    if (found.path.isEmpty() && !temporaryFolder.isEmpty()) {
        const QString own = temporaryFolder + QStringLiteral("/courseware-%1").arg(user);
        CreatePrivateFolder(own);
        consider(own);
    }
    if (found.path.isEmpty() && found.problems.isEmpty())
        found.problems = QStringLiteral("no runtime folder and no temporary folder\n");
    return found;
}

const TRuntimeFolder& UserRuntimeFolder()
{
    static const TRuntimeFolder folder =
        FindRuntimeFolder(qEnvironmentVariable("XDG_RUNTIME_DIR"), QDir::tempPath(), ::getuid());
    return folder;
}
