// SlopeLab: find the regression line by hand.
#include "app/commandline.h"
#include "app/datacommands.h"
#include "app/frmmain.h"
#include "app/lessonextras.h"
#include "app/program.h"
#include "app/programfolders.h"
#include "courseware/demon.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <optional>

namespace {

int Run(QApplication& app, const TProgramFolders& folders, const QStringList& languages,
        const TProgramOptions& options)
{
    std::optional<TDataArgument> data;
    if (options.data) {
        Result<TDataArgument> read = ReadDataArgument(*options.data, folders.ExamplesDir());
        if (!read) {
            std::fprintf(stderr, "slopelab: %s\n", qPrintable(read.Message()));
            return 2;
        }
        data = std::move(read).Value();
    }
    const QString languageFile =
        folders.LanguageFile(ChooseLanguage(options.language, QLocale::system(), languages));
    TProgramWindows windows(options.seed, [&languageFile](TkdbDemonClient& link) {
        link.SetInstalledLanguageFile(languageFile);
    });
    if (data)
        FrmMain->LoadPoints(data->points, data->file);
    FrmMain->Extras->Show(options.show);
    if (options.screenshotDir) {
        QString error;
        if (!WriteScreenshots(*options.screenshotDir, options.page, error)) {
            std::fprintf(stderr, "slopelab: %s\n", qPrintable(error));
            return 1;
        }
        return 0;
    }
    FrmMain->show();
    return app.exec();
}

} // namespace

int main(int argc, char** argv)
{
    const TProgramFolders folders = TProgramFolders::OfRunningProgram();
    const QStringList languages = folders.Languages();
    const TCommandLine commandLine = ParseCommandLine(CommandLineArguments(argc, argv), languages);
    if (commandLine.action != TCommandLine::TAction::Run) {
        std::fputs(qPrintable(commandLine.text),
                   commandLine.action == TCommandLine::TAction::Fail ? stderr : stdout);
        return commandLine.ExitStatus();
    }
    const TProgramOptions& options = commandLine.options;

    // Screenshots are made without a display, and beside a running copy of the
    // program: they get a runtime directory of their own, so the running copy's
    // lock does not make them end as a second copy.
    std::optional<QTemporaryDir> privateRuntimeDir;
    if (options.screenshotDir) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        privateRuntimeDir.emplace(QDir::tempPath() + QStringLiteral("/slopelab-shot-XXXXXX"));
        if (privateRuntimeDir->isValid())
            qputenv("XDG_RUNTIME_DIR", QFile::encodeName(privateRuntimeDir->path()));
    }
    QApplication app(argc, argv);
    NameTheApplication();
    QGuiApplication::setDesktopFileName(QStringLiteral(SLOPELAB_APP_ID));

    // Whatever goes wrong ends the program with a message, never with a crash.
    try {
        return Run(app, folders, languages, options);
    } catch (const std::exception& error) {
        return ReportFatalError(QString::fromUtf8(error.what()));
    } catch (...) {
        return ReportFatalError(QStringLiteral("unknown error"));
    }
}
