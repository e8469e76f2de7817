// The link between real programs: a server program, copies of a client program, and
// programs that crash, stall or vanish.
#include "courseware/windowdirectory.h"
#include "tests/courseware/coursewaretesting.h"

#include <QElapsedTimer>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

const QString ClientTitle = QStringLiteral("courseware-testclient");

QProcessEnvironment ClientEnvironment(bool useServer)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("COURSEWARE_CLIENT_USE_SERVER"), useServer ? "1" : "0");
    return environment;
}

struct ServerProgramRun {
    explicit ServerProgramRun(const QStringList& extra = {})
        : program(ServerProgram(), QStringList{"--id", id, "--files", files.path()} + extra)
    {
        EXPECT_TRUE(program.WaitForLine("ready"));
    }

    QString ServerSwitch() const { return QStringLiteral("/serverhandle=") + id; }

    QString id = UniqueServerId();
    QTemporaryDir files;
    TChildProgram program;
};

} // namespace

TEST(CoursewarePrograms, SecondCopyHandsOverItsParametersAndEnds)
{
    ServerProgramRun server;
    QFile language(server.files.filePath(ClientTitle + ".itl"));
    ASSERT_TRUE(language.open(QIODevice::WriteOnly));
    language.write("[Exit]=Ende|$$\r\n");
    language.close();

    TChildProgram first(ClientProgram(), {server.ServerSwitch(), "one"}, ClientEnvironment(true));
    ASSERT_TRUE(first.WaitForLine("loaded Ende"));
    EXPECT_TRUE(first.WaitForLine("params one"));
    EXPECT_TRUE(server.program.WaitForLine("registered " + ClientTitle));

    // The switch in capitals still finds the server and stays among the parameters.
    const QString loudSwitch = server.ServerSwitch().toUpper();
    TChildProgram second(ClientProgram(), {loudSwitch, "two"}, ClientEnvironment(true));
    ASSERT_TRUE(second.WaitForEnd());
    EXPECT_EQ(second.Process().exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.Process().exitCode(), 0);
    EXPECT_FALSE(second.Lines().contains("loaded Ende"));
    EXPECT_TRUE(first.WaitForLine("params " + loudSwitch + "|two"));

    server.program.Send("quit 0 " + ClientTitle);
    EXPECT_TRUE(first.WaitForLine("quit 0"));
    EXPECT_TRUE(first.WaitForLine("ended"));
    EXPECT_TRUE(first.WaitForEnd());
    EXPECT_TRUE(server.program.WaitForLine("unregistered " + ClientTitle));
}

TEST(CoursewarePrograms, QuitWhileTheServerGoesDownSendsNoNotice)
{
    ServerProgramRun server;
    TChildProgram client(ClientProgram(), {server.ServerSwitch()}, ClientEnvironment(true));
    ASSERT_TRUE(client.WaitForLine("loaded Exit"));
    ASSERT_TRUE(server.program.WaitForLine("registered " + ClientTitle));
    server.program.Send("quit 1 " + ClientTitle);
    EXPECT_TRUE(client.WaitForLine("quit 1"));
    EXPECT_TRUE(client.WaitForEnd());
    server.program.Send("quit 0 nobody");
    ASSERT_TRUE(server.program.WaitForLine("no client nobody"));
    EXPECT_FALSE(server.program.Lines().contains("unregistered " + ClientTitle));
}

TEST(CoursewarePrograms, WithoutServerTheLockOfACrashedCopyIsTakenOverAndCopiesHandOver)
{
    TChildProgram crashing(ClientProgram(), {}, ClientEnvironment(false));
    ASSERT_TRUE(crashing.WaitForLine("loaded Exit"));
    crashing.Process().kill();
    ASSERT_TRUE(crashing.WaitForEnd());

    TChildProgram next(ClientProgram(), {}, ClientEnvironment(false));
    EXPECT_TRUE(next.WaitForLine("loaded Exit"));
    // With no server to find it by title, the copy that holds the lock is reached.
    TChildProgram another(ClientProgram(), {"three"}, ClientEnvironment(false));
    ASSERT_TRUE(another.WaitForEnd());
    EXPECT_FALSE(another.Lines().contains("loaded Exit"));
    EXPECT_TRUE(next.WaitForLine("params three"));
    next.Process().closeWriteChannel();
    EXPECT_TRUE(next.WaitForLine("ended"));
}

TEST(CoursewarePrograms, ServerThatStallsOrVanishesIsGivenUp)
{
    ServerProgramRun stalling({"--stall-ms", "3000"});
    TProcessProbe probe;
    TkdbDemonClient link(nullptr, TestEnvironment(probe, {stalling.ServerSwitch()}, {}, 300));
    ASSERT_NE(link.ServerEntity().Handle(), 0u);
    QElapsedTimer clock;
    clock.start();
    EXPECT_FALSE(link.FindEntityByTitle(ClientTitle));
    EXPECT_THROW(link.ServerFileName(QStringLiteral("x")), EQuillet);
    EXPECT_LT(clock.elapsed(), 2000);

    // A server that dies while a request waits lets the request go at once.
    TkdbDemonClient patient(nullptr, TestEnvironment(probe, {stalling.ServerSwitch()}, {}, 20000));
    QTimer::singleShot(200, [&] { stalling.program.Process().kill(); });
    clock.restart();
    EXPECT_FALSE(patient.FindEntityByTitle(ClientTitle));
    EXPECT_LT(clock.elapsed(), 5000);

    // Its window is not found any more, although it had no chance to withdraw it.
    ASSERT_TRUE(stalling.program.WaitForEnd());
    EXPECT_FALSE(patient.ServerEntity().Alive());
    EXPECT_EQ(WindowDirectory::Find(QuilletServerWindowClass(stalling.id),
                                    QuilletServerWindowName(stalling.id)),
              0u);
}
