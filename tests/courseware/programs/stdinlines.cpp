#include "tests/courseware/programs/stdinlines.h"

#include <unistd.h>

TStdinLines::TStdinLines(std::function<void(const QString&)> onLine, std::function<void()> onEnd,
                         QObject* parent)
    : QObject(parent)
    , notifier_(STDIN_FILENO, QSocketNotifier::Read)
    , onLine_(std::move(onLine))
    , onEnd_(std::move(onEnd))
{
    connect(&notifier_, &QSocketNotifier::activated, this, &TStdinLines::ReadAvailable);
}

void TStdinLines::ReadAvailable()
{
    char chunk[4096];
    const ssize_t count = ::read(STDIN_FILENO, chunk, sizeof chunk);
    if (count <= 0) {
        notifier_.setEnabled(false);
        onEnd_();
        return;
    }
    pending_.append(chunk, count);
    qsizetype end;
    while ((end = pending_.indexOf('\n')) >= 0) {
        const QString line = QString::fromUtf8(pending_.left(end)).trimmed();
        pending_.remove(0, end + 1);
        onLine_(line);
    }
}
