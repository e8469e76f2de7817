// The link's requests to a courseware server running in this process, the answers
// matched to them by stamp, and the server's quit message.
#include "courseware/windowdirectory.h"
#include "tests/courseware/coursewaretesting.h"
#include "translation/tolkar.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

struct ServedForm {
    ServedForm(const TInProcessServer& served, TProcessProbe& probe)
        : link(new TkdbDemonClient(&window, TestEnvironment(probe, {served.ServerSwitch()})))
    {
    }

    QWidget window;
    QPushButton* exit = new QPushButton(QStringLiteral("TK_Exit"), &window);
    TkdbDemonClient* link;
};

} // namespace

TEST(CoursewareRequests, ServerAnswersFilesNamesParametersAndStrings)
{
    TInProcessServer served({{"OrvindeWorkArea", "/srv/work/"}});
    served.AddFile("notes.txt", "line one\nline two");
    TProcessProbe probe;
    TkdbDemonClient link(nullptr, TestEnvironment(probe, {served.ServerSwitch()}));
    ASSERT_NE(link.ServerEntity().Handle(), 0u);

    EXPECT_EQ(link.ServerFileName(QStringLiteral("/usr/lib/lab/slopelab")), QStringLiteral("slopelab"));
    EXPECT_EQ(link.ServerString(QStringLiteral("echo ü")), QStringLiteral("echo ü"));
    EXPECT_EQ(link.ServerParam(QStringLiteral("OrvindeWorkArea")), QStringLiteral("/srv/work/"));
    EXPECT_EQ(link.ServerParam(QStringLiteral("Unknown")), QString());

    const std::unique_ptr<QBuffer> notes = link.FetchFile(QStringLiteral("notes.txt"));
    ASSERT_TRUE(notes);
    EXPECT_EQ(notes->pos(), 0);
    EXPECT_EQ(notes->readAll(), QByteArray("line one\nline two"));
    EXPECT_FALSE(link.FetchFile(QStringLiteral("missing.txt")));
    EXPECT_EQ(link.PendingReplyCount(), 0);
}

TEST(CoursewareRequests, ExecuteProgramReportsFailureAndWaits)
{
    TInProcessServer served;
    TProcessProbe probe;
    TkdbDemonClient link(nullptr, TestEnvironment(probe, {served.ServerSwitch()}));
    EXPECT_EQ(ErrorOf([&] { link.ExecuteProgram("/no/such/program", "", false, 1); }),
              "Could not execute \"/no/such/program.\"");
    EXPECT_GT(link.ExecuteProgram("/bin/sh", "-c true", false, 1), 0);
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(link.ExecuteProgram("/bin/sh", "-c \"sleep 0.3\"", true, 1), 0);
    EXPECT_GE(clock.elapsed(), 250);
}

TEST(CoursewareRequests, LoadingRegistersFetchesTheLanguageFileAndUnregistersAtTheEnd)
{
    TInProcessServer served;
    TProcessProbe probe;
    const QString programName = QFileInfo(QCoreApplication::applicationFilePath()).fileName();
    served.AddFile(programName + ".itl", "[Exit]=Beenden|$$\r\n");
    {
        ServedForm form(served, probe);
        form.link->Loaded();
        EXPECT_EQ(form.exit->text(), QStringLiteral("Beenden"));
        ASSERT_EQ(served.server->Clients().size(), 1u);
        TEntity registered = served.server->Clients()[0];
        EXPECT_EQ(registered.Handle(), form.link->OwnEntity().Handle());
        EXPECT_EQ(registered.Title(), TestTitle);
        EXPECT_EQ(registered.FileName(), QCoreApplication::applicationFilePath());
        EXPECT_EQ(registered.AuxHandle(), 0u);

        // Others find the client by title or handle, and learn its details lazily.
        TkdbDemonClient other(nullptr, TestEnvironment(probe, {served.ServerSwitch()}));
        const auto byTitle = other.FindEntityByTitle(TestTitle);
        ASSERT_TRUE(byTitle);
        EXPECT_EQ(byTitle->Handle(), form.link->OwnEntity().Handle());
        EXPECT_TRUE(byTitle->Alive());
        EXPECT_FALSE(other.FindEntityByTitle(QStringLiteral("nobody")));
        EXPECT_FALSE(other.FindEntityByHandle(0x12345678));
        TEntity lazy(&other);
        lazy.SetHandle(form.link->OwnEntity().Handle());
        EXPECT_EQ(lazy.Title(), TestTitle);
        EXPECT_EQ(lazy.FileName(), QCoreApplication::applicationFilePath());
    }
    EXPECT_TRUE(served.server->Clients().empty());
    EXPECT_EQ(probe.endings, 0);
}

TEST(CoursewareRequests, AnswersAreMatchedByStampAndStrayOnesKept)
{
    // A server that answers strings twice and adds an answer nobody asked for, and
    // answers nothing else.
    const QString id = UniqueServerId();
    std::unique_ptr<TMessageWindow> chatty;
    chatty = std::make_unique<TMessageWindow>(
        QuilletServerWindowClass(id), QuilletServerWindowName(id),
        [&](TWindowHandle sender, quint32 code, const QByteArray& block) {
            if (code != QuilletCode::ServerString)
                return;
            auto answer = [&](const QByteArray& stamp, const QString& text) {
                TQuilletMessageStream reply;
                reply.WriteString(text);
                chatty->Send(sender, QuilletCode::Reply, stamp + reply.Content());
            };
            answer(block.left(8), QStringLiteral("first"));
            answer(block.left(8), QStringLiteral("second"));
            answer(QByteArray(8, '\x7f'), QStringLiteral("stray"));
        });
    ASSERT_TRUE(chatty->Open());

    TProcessProbe probe;
    TkdbDemonClient link(nullptr, TestEnvironment(probe, {"/serverhandle=" + id}));
    EXPECT_EQ(link.ServerString(QStringLiteral("x")), QStringLiteral("first"));
    EXPECT_EQ(link.PendingReplyCount(), 2);
    EXPECT_EQ(link.ServerString(QStringLiteral("x")), QStringLiteral("first"));
    EXPECT_EQ(link.PendingReplyCount(), 4);

    // Requests without an answer: finding gives none, reading the answer fails.
    EXPECT_FALSE(link.FindEntityByTitle(QStringLiteral("anyone")));
    EXPECT_EQ(ErrorOf([&] { link.ServerFileName(QStringLiteral("x")); }), "Stream read error");
    EXPECT_EQ(ErrorOf([&] { link.FetchFile(QStringLiteral("x")); }), "Stream read error");
    EXPECT_EQ(link.PendingReplyCount(), 4);
}

TEST(CoursewareRequests, QuitMessageEndsTheProgramUnlessRefused)
{
    TInProcessServer served;
    TProcessProbe probe;
    ServedForm form(served, probe);
    form.link->Loaded();
    std::vector<bool> serverDownFlags;
    bool allow = false;
    form.link->OnQuitMsgReceived = [&](QObject*, bool serverDown, bool& AllowQuit) {
        serverDownFlags.push_back(serverDown);
        EXPECT_TRUE(AllowQuit);
        AllowQuit = allow;
    };

    EXPECT_EQ(served.server->SendQuit(TestTitle, false), TCoursewareServer::TQuitResult::Acknowledged);
    EXPECT_EQ(serverDownFlags, std::vector<bool>{false});
    EXPECT_EQ(probe.terminations, 0);
    EXPECT_TRUE(form.link->WindowExists());

    allow = true;
    EXPECT_EQ(served.server->SendQuit(TestTitle, false), TCoursewareServer::TQuitResult::Acknowledged);
    EXPECT_EQ(probe.terminations, 1);
    EXPECT_FALSE(form.link->WindowExists());
    // The server was told; the lock is free for the next copy.
    EXPECT_TRUE(served.server->Clients().empty());
    TkdbDemonClient next(nullptr, TestEnvironment(probe));
    next.SetUseOrvindeServer(false);
    next.Loaded();
    EXPECT_EQ(probe.endings, 0);
}
