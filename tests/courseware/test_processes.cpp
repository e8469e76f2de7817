// The link between real programs: a server program, copies of a client program, and
// programs that crash, stall or vanish.
#include "courseware/windowdirectory.h"
#include "tests/courseware/coursewaretesting.h"

#include <QDir>
#include <QElapsedTimer>
#include <QLocalSocket>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <csignal>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QString ClientTitle = QStringLiteral("courseware-testclient");

QProcessEnvironment ClientEnvironment(bool useServer, int timeoutMs = 0)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("COURSEWARE_CLIENT_USE_SERVER"), useServer ? "1" : "0");
    if (timeoutMs > 0)
        environment.insert(QStringLiteral("COURSEWARE_CLIENT_TIMEOUT_MS"), QString::number(timeoutMs));
    return environment;
}

// The runtime folder this test process and its children share.
QString RuntimeFolder() { return qEnvironmentVariable("XDG_RUNTIME_DIR"); }

QString ClientLockFile() { return RuntimeFolder() + QStringLiteral("/QL_courseware-testclient.lock"); }

// The client window of the one client program running.
TWindowHandle RunningClientWindow() { return WindowDirectory::Find(QuilletClientWindowClass, QString()); }

// The files a window has in the directory: its socket and its record.
QStringList FilesOfWindow(TWindowHandle handle)
{
    const QFileInfo socket(WindowDirectory::SocketPath(handle));
    return QDir(socket.path())
        .entryList({socket.fileName() + QLatin1Char('*')}, QDir::AllEntries | QDir::System | QDir::Hidden);
}

// The permission bits of a file or folder.
int ModeOf(const QString& path)
{
    struct stat info { };
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? int(info.st_mode & 07777) : -1;
}

// A client program that ends by its input ending, as it should.
void EndNormally(TChildProgram& client)
{
    client.Process().closeWriteChannel();
    EXPECT_TRUE(client.WaitForLine("ended"));
    ASSERT_TRUE(client.WaitForEnd());
    EXPECT_EQ(client.Process().exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(client.Process().exitCode(), 0);
}

// A copy of the client program in a folder of its own, where its language file can go.
struct ClientCopy {
    ClientCopy() { EXPECT_TRUE(QFile::copy(ClientProgram(), program)); }
    QString LanguageFile() const { return program + QStringLiteral(".itl"); }

    QTemporaryDir folder;
    QString program = folder.filePath(QStringLiteral("courseware-testclient"));
};

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
    EXPECT_TRUE(server.program.WaitForLine("quit sent " + ClientTitle));
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
    // The quit is acknowledged before the client ends.
    EXPECT_TRUE(server.program.WaitForLine("quit sent " + ClientTitle));
    EXPECT_TRUE(client.WaitForEnd());
    server.program.Send("quit 0 nobody");
    ASSERT_TRUE(server.program.WaitForLine("no client nobody"));
    EXPECT_FALSE(server.program.Lines().contains("unregistered " + ClientTitle));
}

TEST(CoursewarePrograms, ACrashedCopyLeavesNothingThatStopsOrMisleadsTheNextAndCopiesHandOver)
{
    TChildProgram crashing(ClientProgram(), {}, ClientEnvironment(false));
    ASSERT_TRUE(crashing.WaitForLine("loaded Exit"));
    const TWindowHandle crashed = RunningClientWindow();
    crashing.Process().kill();
    ASSERT_TRUE(crashing.WaitForEnd());
    EXPECT_EQ(FilesOfWindow(crashed).size(), 2);
    // A record that is not one, with its socket, as a power cut might leave them.
    const TWindowHandle garbled = 0x0badf00d;
    for (const QString& path :
         {WindowDirectory::SocketPath(garbled), WindowDirectory::SocketPath(garbled) + ".window"}) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("\x01\xfe not a record");
    }

    // The next copy takes the lock over and tidies the directory when it first uses it.
    TChildProgram next(ClientProgram(), {}, ClientEnvironment(false));
    EXPECT_TRUE(next.WaitForLine("loaded Exit"));
    EXPECT_EQ(FilesOfWindow(crashed), QStringList());
    EXPECT_EQ(FilesOfWindow(garbled), QStringList());
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
    EXPECT_EQ(
        WindowDirectory::Find(QuilletServerWindowClass(stalling.id), QuilletServerWindowName(stalling.id)),
        0u);
}

TEST(CoursewarePrograms, OnlyALiveCopyHoldsTheLock)
{
    // Lock files no running copy holds: a power cut while writing one, a lock written
    // on another machine, junk.
    for (const QByteArray& content :
         {QByteArray(), QByteArray("12"), QByteArray("4242\ncourseware-testclient\nelsewhere\n"),
          QByteArray("\xff\xfe\x00\x01", 4)}) {
        QFile lock(ClientLockFile());
        ASSERT_TRUE(lock.open(QIODevice::WriteOnly | QIODevice::Truncate));
        lock.write(content);
        lock.close();
        TChildProgram client(ClientProgram(), {}, ClientEnvironment(false));
        EXPECT_TRUE(client.WaitForLine("loaded Exit", 3000)) << content.toHex().toStdString();
        EndNormally(client);
    }

    // A lock that cannot be taken at all stops the start with an error.
    ASSERT_TRUE(QFile::remove(ClientLockFile()));
    ASSERT_TRUE(QDir().mkpath(ClientLockFile() + "/inside"));
    TChildProgram blocked(ClientProgram(), {}, ClientEnvironment(false));
    ASSERT_TRUE(blocked.WaitForEnd(3000));
    EXPECT_EQ(blocked.Process().exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(blocked.Process().exitCode(), 1);
    EXPECT_TRUE(blocked.ErrorText().contains(ClientLockFile())) << blocked.ErrorText().toStdString();
    EXPECT_FALSE(blocked.Lines().contains("loaded Exit"));
    EXPECT_TRUE(QDir(ClientLockFile()).removeRecursively());
}

TEST(CoursewarePrograms, RuntimeFolderNotPrivateToTheUserIsNeverUsed)
{
    QTemporaryDir place;
    const QString shared = place.filePath("shared");
    const QString temp = place.filePath("tmp");
    ASSERT_TRUE(QDir().mkdir(shared) && QDir().mkdir(temp));
    ASSERT_EQ(::chmod(QFile::encodeName(shared).constData(), 0755), 0);
    const QString fallback = temp + QStringLiteral("/courseware-%1").arg(::getuid());
    QProcessEnvironment environment = ClientEnvironment(false);
    environment.insert("XDG_RUNTIME_DIR", shared);
    environment.insert("TMPDIR", temp);

    // A folder of our own in the temporary folder stands in, for every copy.
    TChildProgram first(ClientProgram(), {}, environment);
    ASSERT_TRUE(first.WaitForLine("loaded Exit"));
    EXPECT_EQ(ModeOf(fallback), 0700);
    EXPECT_TRUE(QFileInfo::exists(fallback + "/QL_courseware-testclient.lock"));
    TChildProgram second(ClientProgram(), {}, environment);
    ASSERT_TRUE(second.WaitForEnd());
    EXPECT_FALSE(second.Lines().contains("loaded Exit"));
    EndNormally(first);

    // When that folder is not private either, the program runs without the link.
    ASSERT_TRUE(QDir(fallback).removeRecursively());
    ASSERT_TRUE(QDir().mkdir(fallback));
    ASSERT_EQ(::chmod(QFile::encodeName(fallback).constData(), 0755), 0);
    environment.remove("XDG_RUNTIME_DIR");
    TChildProgram alone(ClientProgram(), {}, environment);
    EXPECT_TRUE(alone.WaitForLine("loaded Exit"));
    EndNormally(alone);
    EXPECT_TRUE(alone.ErrorText().contains("without the courseware link")) << alone.ErrorText().toStdString();
    for (const QString& folder : {shared, fallback})
        EXPECT_TRUE(QDir(folder).isEmpty()) << folder.toStdString();
    EXPECT_EQ(ModeOf(shared), 0755);
}

TEST(CoursewarePrograms, IdleConnectionsDoNotDeafenTheWindow)
{
    ServerProgramRun server;
    // Few descriptors, so that keeping every connection would soon run out of them.
    TChildProgram client(
        "/bin/sh", {"-c", "ulimit -n 128 && exec \"$0\" \"$@\"", ClientProgram(), server.ServerSwitch()},
        ClientEnvironment(true, 500));
    ASSERT_TRUE(client.WaitForLine("loaded Exit"));
    ASSERT_TRUE(server.program.WaitForLine("registered " + ClientTitle));
    const QString socketPath = WindowDirectory::SocketPath(RunningClientWindow());

    std::vector<std::unique_ptr<QLocalSocket>> idle;
    for (int i = 0; i < 400; ++i) {
        idle.push_back(std::make_unique<QLocalSocket>());
        idle.back()->connectToServer(socketPath);
        if (i % 50 == 0)
            QTest::qWait(20);
    }
    QTest::qWait(200);
    EXPECT_TRUE(QFileInfo::exists(socketPath));
    server.program.Send("quit 0 " + ClientTitle);
    EXPECT_TRUE(server.program.WaitForLine("quit sent " + ClientTitle, 3000));
    EXPECT_TRUE(client.WaitForLine("ended", 3000));
}

TEST(CoursewarePrograms, StartUpIsNotHeldUpByTheLanguageFileOrASilentServer)
{
    ClientCopy copy;
    ASSERT_EQ(::mkfifo(QFile::encodeName(copy.LanguageFile()).constData(), 0600), 0);
    QElapsedTimer clock;
    clock.start();
    TChildProgram beside(copy.program, {}, ClientEnvironment(false));
    EXPECT_TRUE(beside.WaitForLine("loaded Exit", 3000));
    EXPECT_LT(clock.elapsed(), 2000);
    EndNormally(beside);

    // A server that takes messages but never answers: the file beside the program serves.
    ASSERT_TRUE(QFile::remove(copy.LanguageFile()));
    QFile language(copy.LanguageFile());
    ASSERT_TRUE(language.open(QIODevice::WriteOnly));
    language.write("[Exit]=Ende|$$");
    language.close();
    ServerProgramRun silent({"--stall-ms", "20000"});
    clock.restart();
    TChildProgram served(copy.program, {silent.ServerSwitch()}, ClientEnvironment(true, 300));
    EXPECT_TRUE(served.WaitForLine("loaded Ende", 3000));
    // One unanswered message is enough to give the server up.
    EXPECT_LT(clock.elapsed(), 1500);
}

TEST(CoursewarePrograms, TerminationSignalsLeaveNothingBehind)
{
    for (const int signal : {SIGTERM, SIGINT}) {
        TChildProgram client(ClientProgram(), {}, ClientEnvironment(false));
        ASSERT_TRUE(client.WaitForLine("loaded Exit"));
        const TWindowHandle window = RunningClientWindow();
        EXPECT_EQ(FilesOfWindow(window).size(), 2);
        ASSERT_EQ(::kill(pid_t(client.Process().processId()), signal), 0);
        EXPECT_TRUE(client.WaitForLine("ended"));
        ASSERT_TRUE(client.WaitForEnd());
        EXPECT_EQ(client.Process().exitStatus(), QProcess::NormalExit) << signal;
        EXPECT_EQ(FilesOfWindow(window), QStringList()) << signal;
    }
}
