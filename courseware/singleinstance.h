#pragma once
// The lock that keeps a program to one running copy: a lock file in the user's
// runtime directory. The lock of a copy that has crashed is taken over.
#include <QLockFile>
#include <QString>

class TSingleInstanceLock {
public:
    enum class TResult {
        Acquired,       // this copy holds the lock now
        HeldElsewhere,  // another running copy holds it
        Unavailable,    // the lock cannot be had for another reason
    };

    // The lock of a program file: "QL_" and the file's name, "\" made "_".
    explicit TSingleInstanceLock(const QString& programFile);
    static QString NameFor(const QString& programFile);

    TResult TryAcquire();
    // The process that holds the lock; 0 when that cannot be told.
    qint64 HolderProcessId() const;
    const QString& Name() const { return name_; }

private:
    QString name_;
    QLockFile file_;
};
