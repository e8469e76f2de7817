// SlopeLab: find the regression line by hand.
#include "app/frmmain.h"
#include "app/program.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <optional>

namespace {

bool WantsScreenshot(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i)
        if (qstrcmp(argv[i], "--screenshot") == 0)
            return true;
    return false;
}

int Run(QApplication& app)
{
    QString error;
    const std::optional<TProgramOptions> options = ParseProgramOptions(app.arguments(), error);
    if (!options) {
        std::fprintf(stderr, "slopelab: %s\n", qPrintable(error));
        return 2;
    }

    TProgramWindows windows(options->seed);
    if (options->screenshotDir) {
        if (!WriteScreenshots(*options->screenshotDir, options->page, error)) {
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
    // Screenshots are made without a display, and beside a running copy of the
    // program: they get a runtime directory of their own, so the running copy's
    // lock does not make them end as a second copy.
    std::optional<QTemporaryDir> privateRuntimeDir;
    if (WantsScreenshot(argc, argv)) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        privateRuntimeDir.emplace(QDir::tempPath() + QStringLiteral("/slopelab-shot-XXXXXX"));
        if (privateRuntimeDir->isValid())
            qputenv("XDG_RUNTIME_DIR", QFile::encodeName(privateRuntimeDir->path()));
    }
    QApplication app(argc, argv);
    NameTheApplication();
    // Whatever goes wrong ends the program with a message, never with a crash.
    try {
        return Run(app);
    } catch (const std::exception& error) {
        return ReportFatalError(QString::fromUtf8(error.what()));
    } catch (...) {
        return ReportFatalError(QStringLiteral("unknown error"));
    }
}
