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

    QSocketNotifier notifier_;
    QByteArray pending_;
    std::function<void(const QString&)> onLine_;
    std::function<void()> onEnd_;
};
