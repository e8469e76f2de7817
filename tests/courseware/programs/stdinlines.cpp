#include "tests/courseware/programs/stdinlines.h"

#include <unistd.h>

TStdinLines::TStdinLines(std::function<void(const QString&)> onLine, std::function<void()> onEnd,
                         QObject* parent)
    : QObject(parent)
    , m_notifier(STDIN_FILENO, QSocketNotifier::Read)
    , m_onLine(std::move(onLine))
    , m_onEnd(std::move(onEnd))
{
    connect(&m_notifier, &QSocketNotifier::activated, this, &TStdinLines::ReadAvailable);
}

void TStdinLines::ReadAvailable()
{
    char chunk[4096];
    const ssize_t count = ::read(STDIN_FILENO, chunk, sizeof chunk);
    if (count <= 0) {
        m_notifier.setEnabled(false);
        m_onEnd();
        return;
    }
    m_pending.append(chunk, count);
    qsizetype end;
    while ((end = m_pending.indexOf('\n')) >= 0) {
        const QString line = QString::fromUtf8(m_pending.left(end)).trimmed();
        m_pending.remove(0, end + 1);
        m_onLine(line);
    }
}
