// The command line, the choice of language and the folders the program finds its files in.
#include "app/commandline.h"
#include "app/programfolders.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

using TAction = TCommandLine::TAction;
const QStringList Languages{"de", "en"};

TCommandLine Parse(QStringList arguments)
{
    arguments.prepend(QStringLiteral("slopelab"));
    return ParseCommandLine(arguments, Languages);
}

} // namespace

TEST(CommandLine, ReadsOptionsAndLeavesTheRestToTheCoursewareLink)
{
    TCommandLine line = Parse({});
    ASSERT_EQ(line.action, TAction::Run);
    EXPECT_FALSE(line.options.screenshotDir);
    EXPECT_FALSE(line.options.seed);
    EXPECT_FALSE(line.options.language);
    EXPECT_EQ(line.options.page, 1);

    line =
        Parse({"--screenshot", "out", "--seed", "7", "--page=4", "--language", "DE", "/serverhandle=00001234",
               "lesson", "-platform", "offscreen", "--data", "cars", "--", "-x"});
    ASSERT_EQ(line.action, TAction::Run) << line.text.toStdString();
    EXPECT_EQ(line.options.screenshotDir, QStringLiteral("out"));
    EXPECT_EQ(line.options.seed, 7u);
    EXPECT_EQ(line.options.page, 4);
    EXPECT_EQ(line.options.language, QStringLiteral("de"));
    EXPECT_EQ(line.options.data, QStringLiteral("cars"));
    EXPECT_EQ(line.options.show, TExtrasShown{});
}

TEST(CommandLine, ShowTurnsOnTheChartsExtras)
{
    const struct {
        const char* list;
        TExtrasShown shown;
    } cases[] = {
        {"squares", {true, false}},        {"fit", {false, true}},     {"squares,fit", {true, true}},
        {" FIT , Squares ", {true, true}}, {"fit,fit", {false, true}},
    };
    for (const auto& c : cases) {
        const TCommandLine line = Parse({"--show", c.list});
        ASSERT_EQ(line.action, TAction::Run) << c.list << line.text.toStdString();
        EXPECT_EQ(line.options.show, c.shown) << c.list;
    }
}

TEST(CommandLine, HelpVersionAndErrorsEndAtOnceWithTheirText)
{
    const struct {
        QStringList arguments;
        TAction action;
        int exitStatus;
        QStringList textHas;
    } cases[] = {
        {{"--help"},
         TAction::ShowHelp,
         0,
         {"Usage: slopelab [options] [/serverhandle=<id>] [parameters...]", "-h, --help", "-v, --version",
          "--screenshot <folder>", "--seed <number>", "--page <number>", "--language <code>", "(de, en)",
          "--show <list>", "names the courseware server", "--data <file|example>"}},
        {{"-h"}, TAction::ShowHelp, 0, {"--language <code>"}},
        {{"--version"}, TAction::ShowVersion, 0, {"slopelab 2.0\n"}},
        {{"--bogus"}, TAction::Fail, 2, {"'bogus'", "slopelab --help"}},
        {{"-seed", "3", "-x"}, TAction::Fail, 2, {"'x'"}},
        {{"--seed"}, TAction::Fail, 2, {"'--seed'"}},
        {{"--seed", "x"}, TAction::Fail, 2, {"--seed", "\"x\""}},
        {{"--seed", "-1"}, TAction::Fail, 2, {"--seed", "\"-1\""}},
        {{"--page", "0"}, TAction::Fail, 2, {"--page", "\"0\""}},
        {{"--page", "6"}, TAction::Fail, 2, {"--page", "\"6\""}},
        {{"--page", "two"}, TAction::Fail, 2, {"--page", "\"two\""}},
        {{"--language", "fr"}, TAction::Fail, 2, {"--language", "\"fr\"", "(de, en)"}},
        {{"--screenshot", ""}, TAction::Fail, 2, {"--screenshot"}},
        {{"--show", "squares,bogus"}, TAction::Fail, 2, {"--show", "\"bogus\"", "squares, fit"}},
        {{"--show", "squares,,fit"}, TAction::Fail, 2, {"--show", "\"\""}},
        {{"--show", ""}, TAction::Fail, 2, {"--show", "\"\""}},
        {{"--data", ""}, TAction::Fail, 2, {"--data"}},
    };
    for (const auto& c : cases) {
        const TCommandLine line = Parse(c.arguments);
        const std::string arguments = c.arguments.join(' ').toStdString();
        EXPECT_EQ(line.action, c.action) << arguments;
        EXPECT_EQ(line.ExitStatus(), c.exitStatus) << arguments;
        for (const QString& text : c.textHas)
            EXPECT_TRUE(line.text.contains(text)) << arguments << " lacks " << text.toStdString() << " in:\n"
                                                  << line.text.toStdString();
    }
}

TEST(CommandLine, LanguageIsTheRequestedOneElseTheSystemsElseEnglish)
{
    const struct {
        std::optional<QString> requested;
        const char* systemLocale;
        const char* language;
    } cases[] = {{std::nullopt, "de_DE", "de"}, {std::nullopt, "de_AT", "de"}, {std::nullopt, "de_CH", "de"},
                 {std::nullopt, "en_GB", "en"}, {std::nullopt, "fr_FR", "en"}, {std::nullopt, "C", "en"},
                 {"en", "de_DE", "en"},         {"de", "fr_FR", "de"}};
    for (const auto& c : cases)
        EXPECT_EQ(ChooseLanguage(c.requested, QLocale(QString::fromLatin1(c.systemLocale)), Languages),
                  QString::fromLatin1(c.language))
            << c.systemLocale;
}

TEST(ProgramFolders, LanguagesExamplesGuideAndIconOfTheBuildTree)
{
    const TProgramFolders folders = TProgramFolders::OfRunningProgram();
    EXPECT_EQ(folders.Languages(), Languages);
    EXPECT_TRUE(QFile::exists(folders.LanguageFile("de")));
    EXPECT_TRUE(QFile::exists(folders.ExamplesDir() + "/cars.csv"));
    EXPECT_TRUE(folders.GuideUrl("de").toLocalFile().endsWith("/guide/de/index.html"));
    // A language without a guide of its own gets the English one.
    EXPECT_TRUE(folders.GuideUrl("fr").toLocalFile().endsWith("/guide/en/index.html"));
    EXPECT_TRUE(QFile::exists(folders.GuideUrl("en").toLocalFile()));

    const QIcon icon = folders.Icon(QStringLiteral(SLOPELAB_APP_ID));
    EXPECT_EQ(icon.availableSizes().size(), 2);
    for (const QSize size : {QSize(48, 48), QSize(128, 128)})
        EXPECT_TRUE(icon.availableSizes().contains(size)) << size.width();
    EXPECT_TRUE(folders.Icon(QStringLiteral("no-such-icon")).isNull());
}
