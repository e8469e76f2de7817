#pragma once
// Helpers of the courseware link's tests: links that report instead of ending the
// process, unique server identifiers, in-process servers and child programs.
#include "courseware/demon.h"
#include "tests/courseware/programs/coursewareserver.h"

#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <functional>
#include <memory>
#include <string>

// The message of the EQuillet that action raises, or "no error".
std::string ErrorOf(const std::function<void()>& action);

// What a link under test asked of the process instead of doing it.
struct TProcessProbe {
    int terminations = 0; // the application was asked to end
    int endings = 0; // the process was ended at once
};

inline const QString TestTitle = QStringLiteral("courseware link test");

// An environment of the test program with these arguments after its name and this
// server setting; ending and terminating are only counted.
TDemonEnvironment TestEnvironment(TProcessProbe& probe, const QStringList& arguments = {},
                                  const QString& setting = {}, int replyTimeoutMs = 2000);

// A server identifier no other test run uses.
QString UniqueServerId();

// A courseware server in the test process, serving the files of its own folder.
struct TInProcessServer {
    explicit TInProcessServer(QHash<QString, QString> parameters = {});
    QString ServerSwitch() const { return QStringLiteral("/serverhandle=") + id; }
    // Writes a file the server hands out.
    void AddFile(const QString& name, const QByteArray& content) const;

    QTemporaryDir files;
    QString id = UniqueServerId();
    std::unique_ptr<TCoursewareServer> server;
};

// A program started for a test; killed at the end of the test if still running. What
// it writes on standard error is kept, and shown when the test has failed.
class TChildProgram {
public:
    TChildProgram(const QString& program, const QStringList& arguments,
                  const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment());
    ~TChildProgram();

    // Waits (handling this process's events meanwhile) until the program has printed
    // this line; false after the timeout.
    bool WaitForLine(const QString& line, int timeoutMs = 5000);
    bool WaitForEnd(int timeoutMs = 5000);
    QStringList Lines();
    QString ErrorText();
    void Send(const QString& line);
    QProcess& Process() { return m_process; }

private:
    QProcess m_process;
    QByteArray m_output;
    QByteArray m_errors;
};

// The test programs built beside the test executable.
QString ServerProgram();
QString ClientProgram();
