// The courseware link on its own: parameters, server identification, language file,
// the single running copy and messages arriving from other programs.
#include "courseware/commandline.h"
#include "support/language_file_beside_program.h"
#include "tests/courseware/coursewaretesting.h"
#include "translation/tolkar.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QPushButton>
#include <QTemporaryDir>
#include <QWidget>
#include <gtest/gtest.h>
#include <optional>

namespace {

struct Form {
    explicit Form(TProcessProbe& probe, const QStringList& arguments = {})
        : link(new TkdbDemonClient(&window, TestEnvironment(probe, arguments)))
    {
        link->SetUseOrvindeServer(false);
    }

    QWidget window;
    QPushButton* exit = new QPushButton(QStringLiteral("TK_Exit"), &window);
    TkdbDemonClient* link;
};

QByteArray Block(const QByteArray& content) { return QByteArray(8, '\x01') + content; }

} // namespace

TEST(CoursewareLink, DefaultsAndParameters)
{
    TkdbDemonClient standard(nullptr);
    EXPECT_TRUE(standard.AutoTranslate());
    EXPECT_FALSE(standard.AutoCreateItlFile());
    EXPECT_FALSE(standard.MultiStart());
    EXPECT_TRUE(standard.UseOrvindeServer());
    EXPECT_EQ(standard.ParamStr(0), QCoreApplication::applicationFilePath());
    EXPECT_EQ(standard.WindowClassName(), QStringLiteral("ThisIsTheQuilletClientComponentWindowClass"));
    EXPECT_TRUE(standard.WindowExists());
    standard.SetAutoCreateItlFile(true);
    EXPECT_TRUE(standard.Translator().CollectMissing());
    standard.SetAutoCreateItlFile(false);

    TProcessProbe probe;
    TkdbDemonClient link(nullptr, TestEnvironment(probe, {"a", "/serverhandle=x", "/SERVERHANDLE=Y", "b"}));
    EXPECT_EQ(link.ParamCount(), 3);
    EXPECT_EQ(link.ParamStr(1), QStringLiteral("a"));
    EXPECT_EQ(link.ParamStr(2), QStringLiteral("/SERVERHANDLE=Y"));
    EXPECT_EQ(link.ParamStr(3), QStringLiteral("b"));
    EXPECT_EQ(link.OwnEntity().FileName(), QCoreApplication::applicationFilePath());
    EXPECT_EQ(link.OwnEntity().Title(), TestTitle);
    for (int bad : {-1, 4})
        EXPECT_EQ(ErrorOf([&] { link.ParamStr(bad); }),
                  "Illegal \"ParamStr\" parameter: " + std::to_string(bad));
}

TEST(CoursewareLink, WorkAreaWithoutServerIsTheProgramsDirectory)
{
    TProcessProbe probe;
    TkdbDemonClient link(nullptr, TestEnvironment(probe));
    link.SetUseOrvindeServer(false);
    const QString dir = QFileInfo(QCoreApplication::applicationFilePath()).absolutePath() + "/";
    EXPECT_EQ(link.ServerParam(QStringLiteral("OrvindeWorkArea")), dir);
    EXPECT_EQ(link.ServerParam(QStringLiteral("OrvindeHomeDir")), dir);
    EXPECT_EQ(link.ServerParam(QStringLiteral("orvindeworkarea")), QString());
    EXPECT_EQ(link.ServerParam(QStringLiteral("Anything")), QString());
}

TEST(CoursewareLink, ServerIdentifierComesFromTheSettingOrTheLastSwitch)
{
    const QStringList arguments{"prog", "/serverhandle=first", "x", "/SERVERHANDLE=Last"};
    EXPECT_EQ(ServerIdentifier("Lab7", arguments), QStringLiteral("Lab7"));
    EXPECT_EQ(ServerIdentifier("", arguments), QStringLiteral("last"));
    EXPECT_EQ(ServerIdentifier("00000000", arguments), QStringLiteral("last"));
    EXPECT_EQ(ServerIdentifier("00000000", {"prog", "x"}), QStringLiteral("00000000"));
    EXPECT_EQ(ServerIdentifier("", {"/serverhandle=prog-name-is-not-an-argument"}), QString());
    EXPECT_EQ(ServerIdentifier("", {"prog", "/serverhandle"}), QString());

    TInProcessServer bySetting;
    TInProcessServer bySwitch;
    TProcessProbe probe;
    TkdbDemonClient settingWins(nullptr, TestEnvironment(probe, {bySwitch.ServerSwitch()}, bySetting.id));
    EXPECT_EQ(settingWins.ServerEntity().Handle(), bySetting.server->Handle());
    TkdbDemonClient absentSetting(nullptr,
                                  TestEnvironment(probe, {bySwitch.ServerSwitch().toUpper()}, "00000000"));
    EXPECT_EQ(absentSetting.ServerEntity().Handle(), bySwitch.server->Handle());
    EXPECT_EQ(absentSetting.ParamStr(1), bySwitch.ServerSwitch().toUpper());
    TkdbDemonClient noServer(nullptr, TestEnvironment(probe, {"/serverhandle=nosuchserver"}));
    EXPECT_EQ(noServer.ServerEntity().Handle(), 0u);
}

TEST(CoursewareLink, LoadingReadsTheLanguageFileTranslatesAndTakesTheLock)
{
    TProcessProbe probe;
    {
        // Without a language file the keys show.
        Form form(probe);
        form.link->Loaded();
        EXPECT_EQ(form.exit->text(), QStringLiteral("Exit"));
    }
    LanguageFileBesideProgram file("[Exit]=Ende|$$\r\n[memo1]=Erste\\nZeile|$$\r\n");
    Form form(probe);
    form.link->Loaded();
    EXPECT_EQ(form.exit->text(), QStringLiteral("Ende"));
    EXPECT_EQ(form.link->Translator().LookupText(QStringLiteral("MEMO1")), QStringLiteral("Erste\nZeile"));
    EXPECT_EQ(form.link->OwnEntity().AuxHandle(), quint32(QCoreApplication::applicationPid()));
    EXPECT_EQ(probe.endings, 0);

    // A second copy of the program ends; with no server it cannot hand anything over.
    Form second(probe);
    second.link->SetAutoTranslate(false);
    second.link->Loaded();
    EXPECT_EQ(second.exit->text(), QStringLiteral("TK_Exit"));
    EXPECT_EQ(second.link->Translator().LookupText(QStringLiteral("exit")), QStringLiteral("Ende"));
    EXPECT_EQ(probe.endings, 1);
    EXPECT_FALSE(second.link->WindowExists());
    EXPECT_TRUE(form.link->WindowExists());

    // Copies that may run side by side take no lock.
    Form third(probe);
    third.link->SetMultiStart(true);
    third.link->Loaded();
    EXPECT_EQ(probe.endings, 1);
    EXPECT_EQ(third.link->OwnEntity().AuxHandle(), 0u);
}

TEST(CoursewareLink, InstalledLanguageFileServesWhenNoneLiesBesideTheProgram)
{
    TProcessProbe probe;
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QFile installed(dir.filePath("installed.itl"));
    ASSERT_TRUE(installed.open(QIODevice::WriteOnly));
    installed.write("[Exit]=Beenden|$$\r\n");
    installed.close();

    const struct {
        bool besideProgram;
        QString installedFile;
        QString exitText;
    } cases[] = {{false, installed.fileName(), "Beenden"},
                 {true, installed.fileName(), "Ende"},
                 {false, dir.filePath("missing.itl"), "Exit"}};
    for (const auto& c : cases) {
        std::optional<LanguageFileBesideProgram> beside;
        if (c.besideProgram)
            beside.emplace("[Exit]=Ende|$$\r\n");
        Form form(probe);
        form.link->SetMultiStart(true);
        form.link->SetInstalledLanguageFile(c.installedFile);
        form.link->Loaded();
        EXPECT_EQ(form.exit->text(), c.exitText) << c.installedFile.toStdString();
    }
}

TEST(CoursewareLink, LockIsFreeAgainWhenTheLinkIsGone)
{
    TProcessProbe probe;
    for (int copy = 0; copy < 2; ++copy) {
        Form form(probe);
        form.link->Loaded();
    }
    EXPECT_EQ(probe.endings, 0);
    EXPECT_EQ(probe.terminations, 2);
}

TEST(CoursewareLink, LoadingThroughAServerNeedsARunningServer)
{
    TProcessProbe probe;
    QWidget window;
    TkdbDemonClient link(&window, TestEnvironment(probe));
    EXPECT_EQ(ErrorOf([&] { link.Loaded(); }), "Quillet server application is not running");
}

TEST(CoursewareLink, HandedOverParametersReplaceTheList)
{
    TProcessProbe probe;
    TkdbDemonClient link(nullptr, TestEnvironment(probe, {"old"}));
    int changes = 0;
    link.OnParamsChange = [&](QObject* sender) {
        EXPECT_EQ(sender, &link);
        ++changes;
    };
    link.ReceiveDataBlock(7, QuilletCode::NewParameters, Block("/elsewhere/prog\r\nnew one\r\n\r\nlast"));
    EXPECT_EQ(changes, 1);
    ASSERT_EQ(link.ParamCount(), 3);
    EXPECT_EQ(link.ParamStr(0), QCoreApplication::applicationFilePath());
    EXPECT_EQ(link.ParamStr(1), QStringLiteral("new one"));
    EXPECT_EQ(link.ParamStr(2), QString());
    EXPECT_EQ(link.ParamStr(3), QStringLiteral("last"));

    // An empty list still leaves the program's own entry.
    link.ReceiveDataBlock(7, QuilletCode::NewParameters, Block(""));
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(link.ParamCount(), 0);
    EXPECT_EQ(link.ParamStr(0), QCoreApplication::applicationFilePath());
}

TEST(CoursewareLink, OtherMessagesGoToOnGotAMessage)
{
    TProcessProbe probe;
    TkdbDemonClient link(nullptr, TestEnvironment(probe));
    int received = 0;
    link.OnGotAMessage = [&](QObject* sender, TQuilletMessageStream& message) {
        ++received;
        EXPECT_EQ(sender, &link);
        EXPECT_EQ(message.MsgCode(), 5000u);
        EXPECT_EQ(message.SenderEntity().Handle(), 0x1234u);
        EXPECT_EQ(message.Stamp(), (TStamp{0x04030201, 0x08070605}));
        EXPECT_EQ(message.Position(), 0);
        EXPECT_EQ(message.ReadRest(), QByteArray("payload"));
    };
    link.ReceiveDataBlock(0x1234, 5000, QByteArray("\x01\x02\x03\x04\x05\x06\x07\x08payload"));
    EXPECT_EQ(received, 1);

    // A block shorter than its stamp is refused before anything is dispatched.
    EXPECT_NE(ErrorOf([&] { link.ReceiveDataBlock(1, 5000, QByteArray(7, 'x')); }), "no error");
    EXPECT_NE(ErrorOf([&] { link.ReceiveDataBlock(1, QuilletCode::Quit, QByteArray()); }), "no error");
    EXPECT_EQ(received, 1);
    EXPECT_EQ(probe.terminations, 0);
    // A quit message without its flag byte reads past the data.
    EXPECT_EQ(ErrorOf([&] { link.ReceiveDataBlock(1, QuilletCode::Quit, Block("")); }), "Stream read error");
    EXPECT_TRUE(link.WindowExists());
}
