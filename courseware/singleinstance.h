#pragma once
// The lock that keeps a program to one running copy: a lock file in the user's runtime
// folder, locked with flock for as long as the copy runs. The system drops the lock
// when the process ends however it ends, so only a live copy ever holds it: what the
// file contains, or whether a crashed copy, another machine or a power cut left it
// behind, does not matter. Whatever stands in the file's place and cannot be locked
// (a folder, a pipe, a file without permission) is removed and the file made afresh.
#include <QString>

class TSingleInstanceLock {
public:
    enum class TResult {
        Acquired, // this copy holds the lock now
        HeldElsewhere, // another running copy holds it
        Unavailable, // the lock cannot be had; Problem() says why
    };

    // The lock of a program file in a folder: "QL_" and the file's name, "\" made "_".
    TSingleInstanceLock(const QString& folder, const QString& programFile);
    // Releases the lock if this copy holds it.
    ~TSingleInstanceLock();
    TSingleInstanceLock(const TSingleInstanceLock&) = delete;
    TSingleInstanceLock& operator=(const TSingleInstanceLock&) = delete;

    static QString NameFor(const QString& programFile);

    TResult TryAcquire();
    // The process that holds the lock; 0 when that cannot be told.
    qint64 HolderProcessId() const;
    const QString& Name() const { return m_name; }
    const QString& Path() const { return m_path; }
    const QString& Problem() const { return m_problem; }

private:
    int OpenLockFile();
    TResult Fail(const QString& what, int error);

    QString m_name;
    QString m_path;
    QString m_problem;
    int m_descriptor = -1;
};
