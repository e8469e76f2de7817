#include "app/commandline.h"

#include "app/frmmain.h"

#include <QCommandLineParser>
#include <QFileInfo>

namespace {

const QString ProgramName = QStringLiteral("slopelab");

// Options the application object takes off the command line: with a value, then without.
const char* const QtOptionsWithValue[] = {"platform",
                                          "platformpluginpath",
                                          "platformtheme",
                                          "plugin",
                                          "qwindowgeometry",
                                          "qwindowicon",
                                          "qwindowtitle",
                                          "display",
                                          "geometry",
                                          "title",
                                          "icon",
                                          "name",
                                          "session",
                                          "style",
                                          "stylesheet"};
const char* const QtFlags[] = {"reverse", "widgetcount", "nograb", "dograb", "sync"};

void AddQtOptions(QCommandLineParser& parser)
{
    auto add = [&parser](const char* name, const QString& valueName) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), valueName);
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    };
    for (const char* name : QtOptionsWithValue)
        add(name, QStringLiteral("value"));
    for (const char* name : QtFlags)
        add(name, QString());
}

struct TOptions {
    QCommandLineOption help{QStringList{"h", "help"}, "Show this help and exit."};
    QCommandLineOption version{QStringList{"v", "version"}, "Show the program's version and exit."};
    QCommandLineOption screenshot{
        QStringList{"screenshot"},
        "Render the main window, the data point editor, the error surface window and the "
        "about box into main.png, points.png, surface.png and about.png, and the chart into "
        "chart.svg and chart.pdf, in <folder> "
        "without showing anything, then exit.",
        "folder"};
    QCommandLineOption seed{QStringList{"seed"},
                            "Seed the random generator with <number> instead of the clock, "
                            "so that the same data points come again.",
                            "number"};
    QCommandLineOption page{QStringList{"page"}, "Step the tutorial to page <number>, from 1 to 5.",
                            "number"};
    QCommandLineOption language{QStringList{"language"}, QString(), "code"};
    QCommandLineOption show{QStringList{"show"},
                            "Show more in the chart from the start: \"squares\" (each residual's "
                            "square), \"fit\" (the least-squares line), or both, separated by a "
                            "comma. The context menu turns them on and off as well.",
                            "list"};
    QCommandLineOption data{QStringList{"data"},
                            "Show the points of <file>, a CSV or TSV file (its first two columns "
                            "of numbers), or of an example that came with the program, by its "
                            "name (such as anscombe-1), instead of random points; also in the "
                            "screenshots. A file that cannot be used ends the program with a "
                            "message and exit status 2.",
                            "file|example"};
};

// The parser's help, with the program named as the command line names it.
QString HelpText(const QCommandLineParser& parser, const QString& programFile)
{
    QString text = parser.helpText();
    const QString usage = QStringLiteral("Usage: ");
    const qsizetype end = text.indexOf(QStringLiteral(" [options]"));
    if (text.startsWith(usage) && end > 0)
        text.replace(usage.size(), end - usage.size(), QFileInfo(programFile).fileName());
    return text;
}

TCommandLine Failure(const QString& message)
{
    return {TCommandLine::TAction::Fail,
            {},
            QStringLiteral("%1: %2\nTry '%1 --help' for more information.\n").arg(ProgramName, message)};
}

QString BadValue(const QString& option, const QString& value, const QString& expected)
{
    return QStringLiteral("--%1: \"%2\" is not %3").arg(option, value, expected);
}

} // namespace

TCommandLine ParseCommandLine(const QStringList& arguments, const QStringList& languages)
{
    TOptions o;
    o.language.setDescription(QStringLiteral("Show the program in the language <code> (%1); without it the "
                                             "system's language chooses, and English stands in for languages "
                                             "the program does not speak.")
                                  .arg(languages.join(QStringLiteral(", "))));
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(
        QStringLiteral("SlopeLab: find the regression line by hand. Pick the slope and the\n"
                       "intercept of a line in a color map of the sum of squared residuals\n"
                       "and watch the chart follow."));
    parser.addOptions({o.help, o.version, o.screenshot, o.seed, o.page, o.language, o.show, o.data});
    AddQtOptions(parser);
    parser.addPositionalArgument(
        QStringLiteral("parameters"),
        QStringLiteral("For the courseware server link: /serverhandle=<id> names the "
                       "courseware server; other parameters are handed to a copy of the "
                       "program that is already running. Put \"--\" before parameters that "
                       "begin with \"-\"."),
        QStringLiteral("[/serverhandle=<id>] [parameters...]"));

    if (!parser.parse(arguments))
        return Failure(parser.errorText());
    if (parser.isSet(o.help))
        return {TCommandLine::TAction::ShowHelp, {}, HelpText(parser, arguments.value(0))};
    if (parser.isSet(o.version))
        return {TCommandLine::TAction::ShowVersion,
                {},
                QStringLiteral("%1 %2\n").arg(ProgramName, QStringLiteral(SLOPELAB_VERSION))};

    TCommandLine result;
    TProgramOptions& options = result.options;
    if (parser.isSet(o.screenshot)) {
        options.screenshotDir = parser.value(o.screenshot);
        if (options.screenshotDir->isEmpty())
            return Failure(QStringLiteral("--screenshot needs a folder"));
    }
    if (parser.isSet(o.seed)) {
        bool ok = false;
        options.seed = parser.value(o.seed).toULongLong(&ok);
        if (!ok)
            return Failure(BadValue(QStringLiteral("seed"), parser.value(o.seed),
                                    QStringLiteral("a whole number from 0 up")));
    }
    if (parser.isSet(o.page)) {
        bool ok = false;
        options.page = parser.value(o.page).toInt(&ok);
        if (!ok || options.page < TFrmMain::FirstPage || options.page > TFrmMain::LastPage)
            return Failure(
                BadValue(QStringLiteral("page"), parser.value(o.page), QStringLiteral("a page from 1 to 5")));
    }
    if (parser.isSet(o.language)) {
        const QString code = parser.value(o.language).toLower();
        if (!languages.contains(code))
            return Failure(BadValue(QStringLiteral("language"), parser.value(o.language),
                                    QStringLiteral("one of the program's languages (%1)")
                                        .arg(languages.join(QStringLiteral(", ")))));
        options.language = code;
    }
    if (parser.isSet(o.show)) {
        QString badName;
        const std::optional<TExtrasShown> show = ParseExtrasShown(parser.value(o.show), badName);
        if (!show)
            return Failure(BadValue(QStringLiteral("show"), badName, QStringLiteral("one of squares, fit")));
        options.show = *show;
    }
    if (parser.isSet(o.data)) {
        options.data = parser.value(o.data);
        if (options.data->isEmpty())
            return Failure(QStringLiteral("--data needs a file or the name of an example"));
    }
    return result;
}

QStringList CommandLineArguments(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}
