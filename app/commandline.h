#pragma once
// The program's command line, in the usual Qt form: "--help", "--version",
// "--screenshot DIR", "--seed N", "--page N", "--language CODE", "--show LIST" and
// "--data FILE|NAME". Arguments that are
// no options ("/serverhandle=<id>" and parameters for a running copy of the program)
// are left to the courseware link, which reads the whole command line itself.
#include "app/lessonextras.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>

struct TProgramOptions {
    std::optional<QString> screenshotDir;
    std::optional<std::uint64_t> seed;
    int page = 1;
    std::optional<QString> language;
    TExtrasShown show;
    // A data file, or the name of an example, to show instead of random points.
    std::optional<QString> data;
};

struct TCommandLine {
    enum class TAction { Run, ShowHelp, ShowVersion, Fail };
    TAction action = TAction::Run;
    TProgramOptions options;
    // The help, the version line or the error message, for the console.
    QString text;

    // The exit status of a command line that ends the program at once.
    int ExitStatus() const { return action == TAction::Fail ? 2 : 0; }
};

// Reads the command line (the program first). languages are the codes --language
// accepts. Qt's own options ("-platform offscreen", "-style fusion", ...) are accepted
// and left to the application object.
TCommandLine ParseCommandLine(const QStringList& arguments, const QStringList& languages);

// The command line as the program got it.
QStringList CommandLineArguments(int argc, char** argv);
