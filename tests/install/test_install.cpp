// The installed program: the files a desktop needs, checked with the desktop's own
// validators, and the Debian package, unpacked into a scratch root and run from there.
#include "translation/tolkar.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QString BuildDir = QStringLiteral(SLOPELAB_BINARY_DIR);
const QString AppId = QStringLiteral(SLOPELAB_APP_ID);

struct TRun {
    int status = -1;
    QString output;
};

// Runs a program to its end, two minutes at most.
TRun RunToEnd(const QString& program, const QStringList& arguments,
              const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment())
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    if (!process.waitForFinished(120000)) {
        process.kill();
        process.waitForFinished();
        return {-1, QStringLiteral("%1 did not finish: %2").arg(program, process.errorString())};
    }
    const int status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    return {status, QString::fromLocal8Bit(process.readAll())};
}

QString ReadText(const QString& path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return QString::fromUtf8(file.readAll());
}

QString Under(const QString& root, const char* folder, const QString& file)
{
    return QStringLiteral("%1/%2/%3").arg(root, QString::fromUtf8(folder), file);
}

// The main window on tutorial page 4, as the program renders it in the locale given.
QImage MainWindowShot(const QString& program, const QStringList& options, const QString& locale)
{
    QTemporaryDir dir;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("LANGUAGE"));
    environment.remove(QStringLiteral("LC_MESSAGES"));
    environment.insert(QStringLiteral("LC_ALL"), locale);
    const TRun run =
        RunToEnd(program, QStringList{"--screenshot", dir.path(), "--seed", "1", "--page", "4"} + options,
                 environment);
    EXPECT_EQ(run.status, 0) << program.toStdString() << ": " << run.output.toStdString();
    return QImage(dir.filePath(QStringLiteral("main.png")));
}

} // namespace

TEST(Install, DesktopFilesValidateAndFitTheProgram)
{
    QTemporaryDir prefix;
    ASSERT_TRUE(prefix.isValid());
    const TRun install = RunToEnd(SLOPELAB_CMAKE, {"--install", BuildDir, "--prefix", prefix.path()});
    ASSERT_EQ(install.status, 0) << install.output.toStdString();

    const QString desktopFile =
        Under(prefix.path(), SLOPELAB_INSTALL_DATAROOTDIR, "applications/" + AppId + ".desktop");
    const TRun desktop = RunToEnd("desktop-file-validate", {desktopFile});
    EXPECT_EQ(desktop.status, 0) << desktop.output.toStdString();
    EXPECT_FALSE(desktop.output.contains("error")) << desktop.output.toStdString();
    const TRun metainfo =
        RunToEnd("appstreamcli",
                 {"validate", "--no-net",
                  Under(prefix.path(), SLOPELAB_INSTALL_DATAROOTDIR, "metainfo/" + AppId + ".metainfo.xml")});
    EXPECT_EQ(metainfo.status, 0) << metainfo.output.toStdString();

    // The menu entry starts the installed program and shows the icon the windows show:
    // the one every language file names, installed in each size.
    const QString entry = ReadText(desktopFile);
    EXPECT_TRUE(entry.contains(QRegularExpression("^Exec=slopelab$", QRegularExpression::MultilineOption)));
    const QString program = Under(prefix.path(), SLOPELAB_INSTALL_BINDIR, "slopelab");
    EXPECT_TRUE(QFileInfo(program).isExecutable());
    const QString iconName =
        QRegularExpression("^Icon=(.*)$", QRegularExpression::MultilineOption).match(entry).captured(1);
    const QDir languages(Under(prefix.path(), SLOPELAB_INSTALL_DATADIR, "lang"));
    EXPECT_EQ(languages.entryList(QDir::Dirs | QDir::NoDotAndDotDot), (QStringList{"de", "en"}));
    for (const QString& language : languages.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile file(languages.filePath(language + "/slopelab.itl"));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << language.toStdString();
        TTolkar2000 translator(QString{});
        translator.LoadFromStream(file);
        EXPECT_EQ(translator.LookupText("AppIconName"), iconName) << language.toStdString();
    }
    for (const int size : {48, 128}) {
        const QString png = QStringLiteral("%1x%1/apps/%2.png").arg(size).arg(iconName);
        EXPECT_EQ(QImage(Under(prefix.path(), SLOPELAB_INSTALL_ICONDIR, png)).size(), QSize(size, size));
    }
    EXPECT_TRUE(
        QFile::exists(Under(prefix.path(), SLOPELAB_INSTALL_ICONDIR, "scalable/apps/" + iconName + ".svg")));

    // The manual page describes every option --help lists.
    const TRun help = RunToEnd(program, {"--help"});
    ASSERT_EQ(help.status, 0) << help.output.toStdString();
    const QString manual = ReadText(Under(prefix.path(), SLOPELAB_INSTALL_MANDIR, "man1/slopelab.1"));
    auto options = QRegularExpression("--([a-z]+)").globalMatch(help.output);
    while (options.hasNext()) {
        const QString option = options.next().captured(1);
        EXPECT_TRUE(manual.contains("\\-\\-" + option)) << option.toStdString();
    }

    // Each page of the guide finds its pictures.
    for (const char* language : {"en", "de"}) {
        const QString page = Under(prefix.path(), SLOPELAB_INSTALL_DOCDIR,
                                   QStringLiteral("guide/%1/index.html").arg(language));
        auto pictures = QRegularExpression("src=\"([^\"]+)\"").globalMatch(ReadText(page));
        int count = 0;
        for (; pictures.hasNext(); ++count) {
            const QString picture = QFileInfo(page).dir().filePath(pictures.next().captured(1));
            EXPECT_FALSE(QImage(picture).isNull()) << picture.toStdString();
        }
        EXPECT_EQ(count, 7) << language;
    }
}

TEST(Package, UnpackedProgramFindsItsLanguagesAndSpeaksTheChosenOne)
{
    QTemporaryDir scratch;
    ASSERT_TRUE(scratch.isValid());
    const TRun pack =
        RunToEnd(SLOPELAB_CPACK,
                 {"--config", BuildDir + "/CPackConfig.cmake", "-G", "DEB", "-B", scratch.filePath("out")});
    ASSERT_EQ(pack.status, 0) << pack.output.toStdString();
    const QStringList packages = QDir(scratch.filePath("out")).entryList({"*.deb"});
    ASSERT_EQ(packages.size(), 1);
    const QString package = scratch.filePath("out/" + packages[0]);

    // Dependencies found from the libraries the program links.
    const TRun depends = RunToEnd("dpkg-deb", {"--field", package, "Depends"});
    for (const char* library : {"libc6", "libqt6core6", "libqt6gui6", "libqt6widgets6", "libqt6network6"})
        EXPECT_TRUE(depends.output.contains(QString::fromLatin1(library))) << depends.output.toStdString();

    const TRun unpack = RunToEnd("dpkg-deb", {"-x", package, scratch.filePath("root")});
    ASSERT_EQ(unpack.status, 0) << unpack.output.toStdString();
    const QString installed = scratch.filePath("root/usr/" SLOPELAB_INSTALL_BINDIR "/slopelab");

    const QString built = QStringLiteral(SLOPELAB_PROGRAM);
    const QImage german = MainWindowShot(built, {"--language", "de"}, "C");
    const QImage english = MainWindowShot(built, {"--language", "en"}, "C");
    ASSERT_EQ(german.size(), QSize(629, 475));
    ASSERT_NE(german, english);
    EXPECT_EQ(MainWindowShot(installed, {"--language", "de"}, "C"), german);
    EXPECT_EQ(MainWindowShot(installed, {"--language", "en"}, "de_DE.UTF-8"), english);
    EXPECT_EQ(MainWindowShot(installed, {}, "de_AT.UTF-8"), german);
    EXPECT_EQ(MainWindowShot(installed, {}, "C"), english);
}
