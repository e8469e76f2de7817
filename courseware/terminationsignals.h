#pragma once
// Ends a program cleanly when it is asked to end by a signal (SIGTERM, SIGINT, SIGHUP):
// the signal handler only writes a byte to a pipe, and the event loop, reading it, runs
// the action, so that the program tidies up as it does on any other end. The handler
// serves one signal; a second one ends the program at once, as it would have without
// it. Signals that were ignored when the watch began stay ignored.
#include <QObject>
#include <QSocketNotifier>
#include <functional>
#include <memory>

class TTerminationSignals : public QObject {
public:
    // Only one watch runs at a time in a process; a second one watches nothing.
    explicit TTerminationSignals(std::function<void()> action, QObject* parent = nullptr);
    // Gives the signals back their former handling.
    ~TTerminationSignals() override;
    TTerminationSignals(const TTerminationSignals&) = delete;
    TTerminationSignals& operator=(const TTerminationSignals&) = delete;

    bool IsWatching() const { return m_notifier != nullptr; }

private:
    void SignalArrived();

    std::function<void()> m_action;
    std::unique_ptr<QSocketNotifier> m_notifier;
};
