#include "courseware/singleinstance.h"

#include "courseware/windowdirectory.h"

#include <QFileInfo>

TSingleInstanceLock::TSingleInstanceLock(const QString& programFile)
    : name_(NameFor(programFile))
    , file_(UserRuntimeDirectory() + QLatin1Char('/') + name_ + QStringLiteral(".lock"))
{
    // A lock is stale only when its process has gone, however long it has been held.
    file_.setStaleLockTime(0);
}

QString TSingleInstanceLock::NameFor(const QString& programFile)
{
    return QStringLiteral("QL_") + QFileInfo(programFile).fileName().replace(u'\\', u'_');
}

TSingleInstanceLock::TResult TSingleInstanceLock::TryAcquire()
{
    if (file_.tryLock(0))
        return TResult::Acquired;
    return file_.error() == QLockFile::LockFailedError ? TResult::HeldElsewhere
                                                        : TResult::Unavailable;
}

qint64 TSingleInstanceLock::HolderProcessId() const
{
    qint64 processId = 0;
    return file_.getLockInfo(&processId, nullptr, nullptr) ? processId : 0;
}
