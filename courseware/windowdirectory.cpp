#include "courseware/windowdirectory.h"

#include "courseware/runtimefolder.h"

#include <QDir>
#include <QFile>
#include <QLocalServer>
#include <QSaveFile>
#include <QStringList>
#include <QUrl>

#include <cerrno>
#include <csignal>
#include <functional>
#include <limits>

namespace {

const QString RecordSuffix = QStringLiteral(".window");
constexpr qint64 MaxRecordSize = 4096;
constexpr QFileDevice::Permissions OwnerOnly =
    QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner;

// Empty when the user has no private runtime folder.
QString DirectoryPath()
{
    const QString& folder = UserRuntimeFolder().path;
    return folder.isEmpty() ? QString() : folder + QStringLiteral("/message-windows");
}

QString HandleText(TWindowHandle handle) { return QStringLiteral("%1").arg(handle, 8, 16, QLatin1Char('0')); }

QString RecordPath(TWindowHandle handle)
{
    const QString socket = WindowDirectory::SocketPath(handle);
    return socket.isEmpty() ? QString() : socket + RecordSuffix;
}

bool ProcessIsAlive(qint64 processId)
{
    if (processId <= 0 || processId > std::numeric_limits<pid_t>::max())
        return false;
    return ::kill(pid_t(processId), 0) == 0 || errno == EPERM;
}

std::optional<TWindowRecord> ReadRecord(TWindowHandle handle)
{
    QFile file(RecordPath(handle));
    if (file.fileName().isEmpty() || !file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QStringList lines = QString::fromUtf8(file.read(MaxRecordSize)).split(QLatin1Char('\n'));
    bool pidOk = false;
    const qint64 processId = lines.value(2).toLongLong(&pidOk);
    if (!pidOk)
        return std::nullopt;
    return TWindowRecord{handle, QUrl::fromPercentEncoding(lines[0].toUtf8()),
                         QUrl::fromPercentEncoding(lines[1].toUtf8()), processId};
}

// Forgets a window whose process has died without withdrawing it.
void RemoveStale(TWindowHandle handle)
{
    QFile::remove(RecordPath(handle));
    QLocalServer::removeServer(WindowDirectory::SocketPath(handle));
}

std::optional<TWindowHandle> HandleOfRecordFile(const QString& fileName)
{
    const QString text = fileName.chopped(RecordSuffix.size());
    bool ok = false;
    const TWindowHandle handle = text.toUInt(&ok, 16);
    if (!ok || text.size() != 8 || handle == 0)
        return std::nullopt;
    return handle;
}

QStringList RecordFiles(const QString& directory)
{
    return QDir(directory).entryList({QStringLiteral("*") + RecordSuffix}, QDir::Files);
}

// Forgets every window whose process has died, and every record that is none (nothing
// the directory writes looks like that: records are replaced whole).
void RemoveDeadWindows(const QString& directory)
{
    for (const QString& file : RecordFiles(directory)) {
        const std::optional<TWindowHandle> handle = HandleOfRecordFile(file);
        if (!handle)
            continue;
        const std::optional<TWindowRecord> record = ReadRecord(*handle);
        if (!record || !ProcessIsAlive(record->processId))
            RemoveStale(*handle);
    }
}

} // namespace

namespace WindowDirectory {

bool Prepare(QString& error)
{
    const QString path = DirectoryPath();
    if (path.isEmpty()) {
        error = QStringLiteral("No private runtime folder:\n") + UserRuntimeFolder().problems.trimmed();
        return false;
    }
    if (!QDir().mkpath(path) || !QFile::setPermissions(path, OwnerOnly)) {
        error = QStringLiteral("Cannot prepare the message window directory %1").arg(path);
        return false;
    }
    RemoveDeadWindows(path);
    return true;
}

QString SocketPath(TWindowHandle handle)
{
    const QString directory = DirectoryPath();
    return directory.isEmpty() ? QString() : directory + QLatin1Char('/') + HandleText(handle);
}

bool Publish(const TWindowRecord& record)
{
    QSaveFile file(RecordPath(record.handle));
    if (file.fileName().isEmpty() || !file.open(QIODevice::WriteOnly))
        return false;
    // Names are stored percent-encoded, so that they stay on their line.
    file.write(QUrl::toPercentEncoding(record.className) + '\n' + QUrl::toPercentEncoding(record.windowName)
               + '\n' + QByteArray::number(record.processId) + '\n');
    return file.commit();
}

void Withdraw(TWindowHandle handle)
{
    const QString path = RecordPath(handle);
    if (!path.isEmpty())
        QFile::remove(path);
}

std::optional<TWindowRecord> Lookup(TWindowHandle handle)
{
    if (handle == 0)
        return std::nullopt;
    std::optional<TWindowRecord> record = ReadRecord(handle);
    if (record && !ProcessIsAlive(record->processId)) {
        RemoveStale(handle);
        return std::nullopt;
    }
    return record;
}

namespace {

// The handle of the first existing window whose record matches; 0 when none does.
TWindowHandle FindFirst(const std::function<bool(const TWindowRecord&)>& matches)
{
    const QString directory = DirectoryPath();
    if (directory.isEmpty())
        return 0;
    for (const QString& file : RecordFiles(directory)) {
        const std::optional<TWindowHandle> handle = HandleOfRecordFile(file);
        if (!handle)
            continue;
        const std::optional<TWindowRecord> record = Lookup(*handle);
        if (record && matches(*record))
            return *handle;
    }
    return 0;
}

bool SameName(const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) == 0; }

} // namespace

TWindowHandle Find(const QString& className, const QString& windowName)
{
    return FindFirst([&](const TWindowRecord& record) {
        return SameName(record.className, className) && SameName(record.windowName, windowName);
    });
}

TWindowHandle FindOfProcess(const QString& className, qint64 processId)
{
    return FindFirst([&](const TWindowRecord& record) {
        return record.processId == processId && SameName(record.className, className);
    });
}

} // namespace WindowDirectory
