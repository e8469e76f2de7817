// A courseware server for tests and demonstrations.
//
//   slopelab-courseware-server --id ID [--files DIR] [--param NAME=VALUE]... [--stall-ms N]
//
// Clients find it through the argument /serverhandle=ID. It prints "ready" once its
// window is open and then one line per registration, unregistration and relay. It reads
// commands from standard input: "quit FLAG TITLE" asks the client of that title to quit
// (FLAG 1: the server is going down) and prints "quit sent TITLE" once the client has
// acknowledged it, "quit failed TITLE" when it has not. It ends when its input ends.
#include "tests/courseware/programs/coursewareserver.h"
#include "tests/courseware/programs/stdinlines.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <cstdio>

namespace {

void Print(const QString& line)
{
    std::printf("%s\n", qPrintable(line));
    std::fflush(stdout);
}

TCoursewareServerSettings ReadSettings(const QCommandLineParser& parser)
{
    TCoursewareServerSettings settings;
    settings.identifier = parser.value(QStringLiteral("id"));
    settings.filesDirectory = parser.value(QStringLiteral("files"));
    settings.stallMs = parser.value(QStringLiteral("stall-ms")).toInt();
    for (const QString& parameter : parser.values(QStringLiteral("param"))) {
        const qsizetype separator = parameter.indexOf(u'=');
        if (separator > 0)
            settings.parameters.insert(parameter.left(separator), parameter.mid(separator + 1));
    }
    return settings;
}

void RunCommand(TCoursewareServer& server, const QString& line)
{
    const QStringList words = line.split(u' ');
    if (words.size() >= 3 && words[0] == QLatin1String("quit")) {
        const QString title = line.section(u' ', 2);
        switch (server.SendQuit(title, words[1] == QLatin1String("1"))) {
        case TCoursewareServer::TQuitResult::Acknowledged:
            Print(QStringLiteral("quit sent ") + title);
            break;
        case TCoursewareServer::TQuitResult::NotAcknowledged:
            Print(QStringLiteral("quit failed ") + title);
            break;
        case TCoursewareServer::TQuitResult::NoClient:
            Print(QStringLiteral("no client ") + title);
            break;
        }
    } else if (!line.isEmpty()) {
        Print(QStringLiteral("unknown command ") + line);
    }
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addHelpOption();
    parser.addOption({QStringLiteral("id"), QStringLiteral("Server identifier."), QStringLiteral("ID")});
    parser.addOption(
        {QStringLiteral("files"), QStringLiteral("Folder of fetchable files."), QStringLiteral("DIR")});
    parser.addOption({QStringLiteral("param"), QStringLiteral("Answer to a parameter request."),
                      QStringLiteral("NAME=VALUE")});
    parser.addOption({QStringLiteral("stall-ms"), QStringLiteral("Hold up every message this long."),
                      QStringLiteral("N")});
    parser.process(app);

    TCoursewareServer server(ReadSettings(parser));
    server.OnEvent = Print;
    if (!server.Open()) {
        std::fprintf(stderr, "cannot open the server window\n");
        return 1;
    }
    TStdinLines commands([&](const QString& line) { RunCommand(server, line); },
                         [] { QCoreApplication::quit(); });
    Print(QStringLiteral("ready"));
    return app.exec();
}
