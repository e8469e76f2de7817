#include "courseware/terminationsignals.h"

#include <array>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <tuple>
#include <unistd.h>

namespace {

constexpr std::array<int, 3> WatchedSignals = {SIGTERM, SIGINT, SIGHUP};

// The self-pipe: the handler writes, the event loop reads.
int pipeRead = -1;
volatile sig_atomic_t pipeWrite = -1;
std::array<struct sigaction, WatchedSignals.size()> formerActions{};
std::array<bool, WatchedSignals.size()> taken{};

extern "C" void NoteSignal(int signal)
{
    // Only async-signal-safe calls here.
    const int savedErrno = errno;
    const unsigned char byte = static_cast<unsigned char>(signal);
    std::ignore = ::write(pipeWrite, &byte, 1);
    errno = savedErrno;
}

} // namespace

TTerminationSignals::TTerminationSignals(std::function<void()> action, QObject* parent)
    : QObject(parent)
    , m_action(std::move(action))
{
    int ends[2];
    if (pipeRead >= 0 || ::pipe2(ends, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    pipeRead = ends[0];
    pipeWrite = ends[1];
    struct sigaction handler { };
    handler.sa_handler = NoteSignal;
    sigemptyset(&handler.sa_mask);
    handler.sa_flags = SA_RESTART | SA_RESETHAND;
    for (std::size_t i = 0; i < WatchedSignals.size(); ++i) {
        ::sigaction(WatchedSignals[i], nullptr, &formerActions[i]);
        taken[i] =
            formerActions[i].sa_handler != SIG_IGN && ::sigaction(WatchedSignals[i], &handler, nullptr) == 0;
    }
    m_notifier = std::make_unique<QSocketNotifier>(pipeRead, QSocketNotifier::Read);
    connect(m_notifier.get(), &QSocketNotifier::activated, this, &TTerminationSignals::SignalArrived);
}

TTerminationSignals::~TTerminationSignals()
{
    if (!m_notifier)
        return;
    m_notifier.reset();
    for (std::size_t i = 0; i < WatchedSignals.size(); ++i) {
        if (taken[i])
            ::sigaction(WatchedSignals[i], &formerActions[i], nullptr);
    }
    const int writeEnd = pipeWrite;
    pipeWrite = -1;
    ::close(writeEnd);
    ::close(pipeRead);
    pipeRead = -1;
}

void TTerminationSignals::SignalArrived()
{
    unsigned char bytes[16];
    while (::read(pipeRead, bytes, sizeof bytes) > 0) {
    }
    m_notifier->setEnabled(false);
    if (m_action)
        m_action();
}
