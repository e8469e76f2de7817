#pragma once
#include <QtGlobal>

// Waits until the process with this identifier has ended. False when there is no such
// process or it cannot be watched. Linux tells only a process's parent how it ended,
// so nothing more than the end itself can be learned here.
bool WaitForProcessEnd(qint64 processId);
