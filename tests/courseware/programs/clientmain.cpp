// A client program for the courseware link's tests: a form with one translatable
// button and the link, as a real program has them.
//
// It prints "loaded BUTTONTEXT" and "params P1|P2|..." once loaded, "params ..." again
// when another copy hands over its parameters, "quit FLAG" when asked to quit and
// "ended" when its event loop has ended. It ends when its input ends. An error that
// stops it is printed on standard error, and it exits with status 1.
// COURSEWARE_CLIENT_USE_SERVER=1 makes it take its language file from the server;
// COURSEWARE_CLIENT_TIMEOUT_MS sets how long it waits for another program.
#include "courseware/demon.h"
#include "tests/courseware/programs/stdinlines.h"
#include "translation/tolkar.h"

#include <QApplication>
#include <QPushButton>
#include <QWidget>
#include <cstdio>

namespace {

void Print(const QString& line)
{
    std::printf("%s\n", qPrintable(line));
    std::fflush(stdout);
}

QString Parameters(const TkdbDemonClient& link)
{
    QStringList parameters;
    for (int i = 1; i <= link.ParamCount(); ++i)
        parameters << link.ParamStr(i);
    return QStringLiteral("params ") + parameters.join(u'|');
}

int Run(QApplication& app)
{
    QWidget form;
    auto* button = new QPushButton(QStringLiteral("TK_Exit"), &form);

    TDemonEnvironment environment = TDemonEnvironment::Standard();
    // The server comes from the command line only, whatever this machine's settings say.
    environment.readServerSetting = [] { return QString(); };
    if (const int timeout = qEnvironmentVariableIntValue("COURSEWARE_CLIENT_TIMEOUT_MS"))
        environment.replyTimeoutMs = timeout;
    auto* link = new TkdbDemonClient(&form, environment);
    link->SetUseOrvindeServer(qEnvironmentVariable("COURSEWARE_CLIENT_USE_SERVER") == "1");
    link->OnParamsChange = [link](QObject*) { Print(Parameters(*link)); };
    link->OnQuitMsgReceived = [](QObject*, bool serverDown, bool&) {
        Print(QStringLiteral("quit %1").arg(serverDown ? 1 : 0));
    };
    link->Loaded();

    Print(QStringLiteral("loaded ") + button->text());
    Print(Parameters(*link));
    TStdinLines input([](const QString&) {}, [] { QCoreApplication::quit(); });
    const int result = app.exec();
    Print(QStringLiteral("ended"));
    return result;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    try {
        return Run(app);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "courseware-testclient: %s\n", error.what());
        return 1;
    }
}
