#pragma once
// The directory of message windows: every window of the user's programs has a small
// record file there (class name, window name, owning process) beside its socket, so
// that any program of the same user can find a window by class and name. The directory
// lies in the user's runtime directory and is reachable by that user only. Records of
// processes that have died are ignored and tidied away.
#include "courseware/messageframe.h"

#include <QString>
#include <optional>

// The user's runtime directory (created, private to the user).
QString UserRuntimeDirectory();

struct TWindowRecord {
    TWindowHandle handle = 0;
    QString className;
    QString windowName;
    qint64 processId = 0;
};

namespace WindowDirectory {

// Creates the directory (private to the user) if needed and removes the records, and
// sockets, of windows whose processes have died; false when there is no directory,
// with the reason in error.
bool Prepare(QString& error);
// Where the window with this handle listens; empty when there is no directory.
QString SocketPath(TWindowHandle handle);
// Makes a listening window findable.
bool Publish(const TWindowRecord& record);
// Makes a window unfindable again.
void Withdraw(TWindowHandle handle);
// The record of a window that exists: published and its process alive.
std::optional<TWindowRecord> Lookup(TWindowHandle handle);
// The handle of an existing window with this class and window name (compared without
// regard to letter case); 0 when there is none.
TWindowHandle Find(const QString& className, const QString& windowName);
// The handle of an existing window of this class (compared without regard to letter
// case) that the process owns; 0 when there is none.
TWindowHandle FindOfProcess(const QString& className, qint64 processId);

} // namespace WindowDirectory
