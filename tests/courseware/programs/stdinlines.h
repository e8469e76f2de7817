#pragma once
// Reads the lines a controlling process writes to standard input, as they come.
#include <QObject>
#include <QSocketNotifier>
#include <functional>

class TStdinLines : public QObject {
public:
    // onLine gets every complete line, onEnd the end of the input.
    TStdinLines(std::function<void(const QString&)> onLine, std::function<void()> onEnd,
                QObject* parent = nullptr);

private:
    void ReadAvailable();

    QSocketNotifier m_notifier;
    QByteArray m_pending;
    std::function<void(const QString&)> m_onLine;
    std::function<void()> m_onEnd;
};
