#include "courseware/singleinstance.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <tuple>
#include <unistd.h>

namespace {

bool IsRegularFile(int descriptor)
{
    struct stat info { };
    return ::fstat(descriptor, &info) == 0 && S_ISREG(info.st_mode);
}

// Removes what stands at path, a file or an empty folder.
bool RemoveEntry(const QByteArray& path)
{
    return ::unlink(path.constData()) == 0 || ::rmdir(path.constData()) == 0;
}

// The lock file tells who holds it, for people who look; the lock itself does not
// depend on it, so a failure to write it is of no consequence.
void WriteHolder(int descriptor)
{
    const QByteArray holder = QByteArray::number(qint64(::getpid())) + '\n';
    if (::ftruncate(descriptor, 0) == 0)
        std::ignore = ::pwrite(descriptor, holder.constData(), holder.size(), 0);
}

} // namespace

TSingleInstanceLock::TSingleInstanceLock(const QString& folder, const QString& programFile)
    : m_name(NameFor(programFile))
    , m_path(folder + QLatin1Char('/') + m_name + QStringLiteral(".lock"))
{
}

TSingleInstanceLock::~TSingleInstanceLock()
{
    if (m_descriptor >= 0)
        ::close(m_descriptor);
}

QString TSingleInstanceLock::NameFor(const QString& programFile)
{
    return QStringLiteral("QL_") + QFileInfo(programFile).fileName().replace(u'\\', u'_');
}

TSingleInstanceLock::TResult TSingleInstanceLock::TryAcquire()
{
    if (m_descriptor >= 0)
        return TResult::Acquired;
    const int descriptor = OpenLockFile();
    if (descriptor < 0)
        return TResult::Unavailable;
    if (::flock(descriptor, LOCK_EX | LOCK_NB) != 0) {
        const int error = errno;
        ::close(descriptor);
        if (error == EWOULDBLOCK)
            return TResult::HeldElsewhere;
        return Fail(QStringLiteral("cannot lock"), error);
    }
    m_descriptor = descriptor;
    WriteHolder(m_descriptor);
    return TResult::Acquired;
}

int TSingleInstanceLock::OpenLockFile()
{
    const QByteArray path = QFile::encodeName(m_path);
    // Not blocking, not following links and not handed to programs this one starts,
    // which would otherwise keep the lock after this copy has ended.
    const int flags = O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC;
    int descriptor = ::open(path.constData(), flags, 0600);
    if (descriptor >= 0 && IsRegularFile(descriptor))
        return descriptor;
    const int openError = errno;
    if (descriptor >= 0)
        ::close(descriptor);
    struct stat info { };
    if (::lstat(path.constData(), &info) != 0) {
        Fail(QStringLiteral("cannot create"), openError);
        return -1;
    }
    // Something that is no lock file of ours is in the way: it goes.
    if (!RemoveEntry(path)) {
        Fail(QStringLiteral("cannot remove what is in the way of"), errno);
        return -1;
    }
    descriptor = ::open(path.constData(), flags | O_EXCL, 0600);
    if (descriptor < 0)
        Fail(QStringLiteral("cannot create"), errno);
    return descriptor;
}

TSingleInstanceLock::TResult TSingleInstanceLock::Fail(const QString& what, int error)
{
    m_problem = QStringLiteral("%1 the single-copy lock %2: %3")
                    .arg(what, m_path, QString::fromLocal8Bit(std::strerror(error)));
    return TResult::Unavailable;
}

qint64 TSingleInstanceLock::HolderProcessId() const
{
    // The holder writes its process id right after taking the lock; a file left by a
    // crash names a dead process, which the caller's lookup then does not find.
    const QByteArray path = QFile::encodeName(m_path);
    const int descriptor = ::open(path.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0)
        return 0;
    char text[32] = {};
    const ssize_t size = IsRegularFile(descriptor) ? ::pread(descriptor, text, sizeof text - 1, 0) : -1;
    ::close(descriptor);
    if (size <= 0)
        return 0;
    bool ok = false;
    const qint64 processId = QByteArray(text, int(size)).trimmed().toLongLong(&ok);
    return ok && processId > 0 ? processId : 0;
}
