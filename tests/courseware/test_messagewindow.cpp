// Message windows: finding them, sending blocks, answers that arrive while the sender
// waits, and frames that are not what they claim.
#include "courseware/messagewindow.h"
#include "courseware/windowdirectory.h"
#include "tests/courseware/coursewaretesting.h"

#include <QElapsedTimer>
#include <QLocalSocket>
#include <QTest>
#include <QtEndian>
#include <gtest/gtest.h>

namespace {

struct Received {
    TWindowHandle sender;
    quint32 code;
    QByteArray data;
};

// A window that writes down what it receives, optionally doing more with it.
struct RecordingWindow {
    explicit RecordingWindow(const QString& name, std::function<void(const Received&)> react = {})
        : window(QStringLiteral("RecordingWindowClass"), name,
                 [this, react](TWindowHandle sender, quint32 code, const QByteArray& data) {
                     received.push_back({sender, code, data});
                     if (react)
                         react(received.back());
                 })
    {
        EXPECT_TRUE(window.Open());
    }

    std::vector<Received> received;
    TMessageWindow window;
};

QByteArray Header(const QByteArray& marker, quint32 length)
{
    QByteArray header = marker + QByteArray(8, '\0');
    char le[4];
    qToLittleEndian(length, le);
    return header + QByteArray(le, 4);
}

} // namespace

TEST(MessageWindow, IsFoundByClassAndNameUntilClosed)
{
    const QString name = UniqueServerId();
    RecordingWindow window(name);
    EXPECT_NE(window.window.Handle(), 0u);
    EXPECT_EQ(WindowDirectory::Find(QStringLiteral("RecordingWindowClass"), name), window.window.Handle());
    EXPECT_EQ(WindowDirectory::Find(QStringLiteral("recordingwindowCLASS"), name.toUpper()),
              window.window.Handle());
    EXPECT_EQ(WindowDirectory::Find(QStringLiteral("OtherClass"), name), 0u);
    EXPECT_EQ(WindowDirectory::Find(QStringLiteral("RecordingWindowClass"), name + "x"), 0u);

    window.window.Close();
    EXPECT_FALSE(window.window.IsOpen());
    EXPECT_EQ(WindowDirectory::Find(QStringLiteral("RecordingWindowClass"), name), 0u);
    EXPECT_FALSE(WindowDirectory::Lookup(window.window.Handle()));
}

TEST(MessageWindow, AnswersArriveWhileTheSenderWaits)
{
    RecordingWindow asking(UniqueServerId());
    RecordingWindow answering(UniqueServerId(), [&](const Received& request) {
        EXPECT_TRUE(answering.window.Send(request.sender, 2, "answer to " + request.data));
    });
    EXPECT_TRUE(asking.window.Send(answering.window.Handle(), 1, "question"));
    ASSERT_EQ(answering.received.size(), 1u);
    EXPECT_EQ(answering.received[0].sender, asking.window.Handle());
    EXPECT_EQ(answering.received[0].code, 1u);
    EXPECT_EQ(answering.received[0].data, QByteArray("question"));
    // The answer was there before the send returned.
    ASSERT_EQ(asking.received.size(), 1u);
    EXPECT_EQ(asking.received[0].sender, answering.window.Handle());
    EXPECT_EQ(asking.received[0].data, QByteArray("answer to question"));

    // Empty blocks travel too, and a window may send to itself.
    EXPECT_TRUE(asking.window.Send(asking.window.Handle(), 3, QByteArray()));
    EXPECT_EQ(asking.received.back().code, 3u);
    EXPECT_TRUE(asking.received.back().data.isEmpty());
}

TEST(MessageWindow, SendsToNoWindowGetNothingAtOnce)
{
    RecordingWindow sender(UniqueServerId());
    RecordingWindow gone(UniqueServerId());
    const TWindowHandle goneHandle = gone.window.Handle();
    gone.window.Close();

    QElapsedTimer clock;
    clock.start();
    EXPECT_FALSE(sender.window.Send(0, 1, "x"));
    EXPECT_FALSE(sender.window.Send(goneHandle, 1, "x"));
    EXPECT_FALSE(sender.window.Send(goneHandle ^ 0x5a5a5a5a, 1, "x"));
    EXPECT_LT(clock.elapsed(), 1000);
    EXPECT_TRUE(gone.received.empty());

    // A closed window sends nothing either.
    RecordingWindow target(UniqueServerId());
    sender.window.Close();
    EXPECT_FALSE(sender.window.Send(target.window.Handle(), 1, "x"));
    EXPECT_TRUE(target.received.empty());
}

TEST(MessageWindow, ProcedureErrorsStayInTheReceiver)
{
    RecordingWindow sender(UniqueServerId());
    RecordingWindow failing(UniqueServerId(), [](const Received&) { throw std::runtime_error("bad"); });
    EXPECT_TRUE(sender.window.Send(failing.window.Handle(), 1, "x"));
    EXPECT_TRUE(sender.window.Send(failing.window.Handle(), 2, "y"));
    EXPECT_EQ(failing.received.size(), 2u);
}

TEST(MessageWindow, ForeignBytesOnTheSocketAreDropped)
{
    RecordingWindow target(UniqueServerId());
    for (const QByteArray& junk : {QByteArray("GET / HTTP/1.0\r\n\r\n"), Header("QMW1", 0xffffffffu) + "xyz",
                                   Header("QMW1", 100) + "short"}) {
        QLocalSocket socket;
        socket.connectToServer(WindowDirectory::SocketPath(target.window.Handle()));
        ASSERT_TRUE(socket.waitForConnected(1000));
        socket.write(junk);
        socket.flush();
        QTest::qWait(50);
    }
    EXPECT_TRUE(target.received.empty());
    // The window still serves proper senders.
    RecordingWindow sender(UniqueServerId());
    EXPECT_TRUE(sender.window.Send(target.window.Handle(), 9, "fine"));
    ASSERT_EQ(target.received.size(), 1u);
}

TEST(MessageWindow, StaysReachableWhateverOthersDo)
{
    RecordingWindow target(UniqueServerId());
    target.window.SetSendTimeout(200);
    RecordingWindow sender(UniqueServerId());
    const TWindowHandle handle = target.window.Handle();
    const QString socketPath = WindowDirectory::SocketPath(handle);

    // More connections than are served, which never bring a whole frame.
    std::vector<std::unique_ptr<QLocalSocket>> idle;
    for (int i = 0; i < TMessageWindow::MaxConnections + 8; ++i) {
        idle.push_back(std::make_unique<QLocalSocket>());
        idle.back()->connectToServer(socketPath);
        idle.back()->write(Header("QMW1", 4).left(i % 16));
    }
    QTest::qWait(50);
    // A sender still gets through at once, and the idle ones go after the timeout.
    QElapsedTimer clock;
    clock.start();
    EXPECT_TRUE(sender.window.Send(handle, 1, "through"));
    EXPECT_LT(clock.elapsed(), 150);
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            return std::all_of(idle.begin(), idle.end(), [](const auto& socket) {
                return socket->state() == QLocalSocket::UnconnectedState;
            });
        },
        2000));

    // With its socket file and record gone, the window says so and soon listens again.
    ASSERT_TRUE(QFile::remove(socketPath) && QFile::remove(socketPath + ".window"));
    EXPECT_FALSE(target.window.IsOpen());
    EXPECT_TRUE(QTest::qWaitFor([&] { return target.window.IsOpen(); }, 3000));
    EXPECT_EQ(WindowDirectory::Find(QStringLiteral("RecordingWindowClass"), target.window.WindowName()),
              handle);
    EXPECT_TRUE(sender.window.Send(handle, 2, "again"));
    EXPECT_EQ(target.received.size(), 2u);
}

TEST(FrameReader, TakesFramesInPiecesAndRefusesBadHeaders)
{
    const QByteArray frame = EncodeFrame({0x01020304, 4101, "payload"});
    TFrameReader reader;
    for (char byte : frame.left(frame.size() - 1))
        EXPECT_EQ(reader.Append(QByteArray(1, byte)), TFrameReader::Status::Incomplete);
    EXPECT_EQ(reader.Wanted(), 1);
    EXPECT_EQ(reader.Append(frame.right(1) + "extra"), TFrameReader::Status::Complete);
    EXPECT_EQ(reader.Frame().sender, 0x01020304u);
    EXPECT_EQ(reader.Frame().dataCode, 4101u);
    EXPECT_EQ(reader.Frame().data, QByteArray("payload"));
    EXPECT_EQ(reader.Wanted(), 0);

    TFrameReader wrongMarker;
    EXPECT_EQ(wrongMarker.Append(Header("XXXX", 1)), TFrameReader::Status::Invalid);
    TFrameReader tooLong;
    EXPECT_EQ(tooLong.Append(Header("QMW1", quint32(kMaxDataBlockSize + 1))), TFrameReader::Status::Invalid);
    TFrameReader empty;
    EXPECT_EQ(empty.Append(Header("QMW1", 0)), TFrameReader::Status::Complete);
    EXPECT_TRUE(empty.Frame().data.isEmpty());
}
