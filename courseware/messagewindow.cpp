#include "courseware/messagewindow.h"

#include "courseware/windowdirectory.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QPointer>
#include <QRandomGenerator>
#include <algorithm>

#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int HandleAttempts = 16;
constexpr qint64 ReceiveBufferSize = 64 * 1024;
const QByteArray Acknowledgement(1, '\0');

bool PeerIsSameUser(const QLocalSocket& socket)
{
    ucred credentials{};
    socklen_t length = sizeof credentials;
    return ::getsockopt(int(socket.socketDescriptor()), SOL_SOCKET, SO_PEERCRED, &credentials, &length) == 0
        && credentials.uid == ::getuid();
}

TWindowHandle RandomHandle()
{
    TWindowHandle handle = 0;
    while (handle == 0)
        handle = QRandomGenerator::global()->generate();
    return handle;
}

// The identity of the socket file at path; 0 when there is no socket file there.
quint64 SocketInode(const QString& path)
{
    struct stat info { };
    if (path.isEmpty() || ::lstat(QFile::encodeName(path).constData(), &info) != 0 || !S_ISSOCK(info.st_mode))
        return 0;
    return info.st_ino;
}

} // namespace

// One connection to a window: reads a single frame, which must be whole within the
// send timeout, has the window handle it and acknowledges it, then goes away.
class TIncomingConnection : public QObject {
public:
    TIncomingConnection(QLocalSocket* socket, TMessageWindow* window)
        : QObject(window)
        , m_socket(socket)
        , m_window(window)
    {
        m_socket->setParent(this);
        m_socket->setReadBufferSize(ReceiveBufferSize);
        connect(m_socket, &QLocalSocket::readyRead, this, &TIncomingConnection::ReadAvailable);
        connect(m_socket, &QLocalSocket::disconnected, this, &TIncomingConnection::Finish);
        m_deadline.setSingleShot(true);
        connect(&m_deadline, &QTimer::timeout, this, &TIncomingConnection::Drop);
        m_deadline.start(window->SendTimeout());
        // Bytes that came with the connection are read once the window has taken it on.
        QMetaObject::invokeMethod(this, &TIncomingConnection::ReadAvailable, Qt::QueuedConnection);
    }

    // Whether the whole frame is there (it is then being handled, or has been).
    bool HasFrame() const { return m_reader.CurrentStatus() == TFrameReader::Status::Complete; }

    void Drop()
    {
        m_socket->abort();
        Finish();
    }

private:
    void ReadAvailable()
    {
        while (m_reader.CurrentStatus() == TFrameReader::Status::Incomplete && m_socket->bytesAvailable() > 0)
            m_reader.Append(m_socket->read(m_reader.Wanted()));
        if (m_reader.CurrentStatus() == TFrameReader::Status::Invalid)
            Drop();
        else if (HasFrame() && !m_delivered)
            DeliverFrame();
    }

    void DeliverFrame()
    {
        m_delivered = true;
        m_deadline.stop();
        const QPointer<TIncomingConnection> alive(this);
        const bool handled = m_window->Deliver(m_reader.Frame());
        if (!alive)
            return;
        if (!handled) {
            Drop();
            return;
        }
        // The acknowledgement leaves at once, before whatever the procedure has set
        // going (the end of the program, say) can take it away.
        m_socket->write(Acknowledgement);
        m_socket->flush();
        m_socket->disconnectFromServer();
    }

    void Finish()
    {
        if (m_finished)
            return;
        m_finished = true;
        m_deadline.stop();
        m_window->Forget(this);
        deleteLater();
    }

    QLocalSocket* m_socket;
    TMessageWindow* m_window;
    TFrameReader m_reader;
    QTimer m_deadline;
    bool m_delivered = false;
    bool m_finished = false;
};

TMessageWindow::TMessageWindow(const QString& className, const QString& windowName, TProcedure procedure,
                               QObject* parent)
    : QObject(parent)
    , m_className(className)
    , m_windowName(windowName)
    , m_procedure(std::move(procedure))
{
    m_watch.setInterval(WatchIntervalMs);
    connect(&m_watch, &QTimer::timeout, this, &TMessageWindow::KeepReachable);
}

TMessageWindow::~TMessageWindow() { Close(); }

bool TMessageWindow::Open()
{
    if (m_exists)
        return true;
    QString directoryError;
    if (!WindowDirectory::Prepare(directoryError))
        return false;
    for (int attempt = 0; attempt < HandleAttempts && !m_server; ++attempt)
        Listen(RandomHandle());
    if (!m_server)
        return false;
    if (!Publish()) {
        m_server.reset();
        return false;
    }
    m_exists = true;
    m_watch.start();
    return true;
}

bool TMessageWindow::IsOpen() const
{
    return m_exists && m_server && m_server->isListening()
        && SocketInode(m_server->fullServerName()) == m_socketInode;
}

bool TMessageWindow::Listen(TWindowHandle candidate)
{
    auto server = std::make_unique<QLocalServer>();
    server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!server->listen(WindowDirectory::SocketPath(candidate)))
        return false;
    connect(server.get(), &QLocalServer::newConnection, this, &TMessageWindow::AcceptConnections);
    m_socketInode = SocketInode(server->fullServerName());
    m_server = std::move(server);
    m_handle = candidate;
    return true;
}

bool TMessageWindow::Publish()
{
    return WindowDirectory::Publish(
        {m_handle, m_className, m_windowName, QCoreApplication::applicationPid()});
}

void TMessageWindow::KeepReachable()
{
    if (!m_exists)
        return;
    if (!IsOpen()) {
        m_server.reset();
        QString directoryError;
        // When this fails too (no descriptors left, say), the next check tries again.
        if (!WindowDirectory::Prepare(directoryError))
            return;
        QLocalServer::removeServer(WindowDirectory::SocketPath(m_handle));
        if (!Listen(m_handle))
            return;
    }
    if (!WindowDirectory::Lookup(m_handle))
        Publish();
}

void TMessageWindow::Close()
{
    if (!m_exists)
        return;
    m_exists = false;
    m_watch.stop();
    WindowDirectory::Withdraw(m_handle);
    m_server.reset();
}

void TMessageWindow::AcceptConnections()
{
    while (QLocalSocket* socket = m_server->nextPendingConnection())
        Serve(socket);
}

void TMessageWindow::Serve(QLocalSocket* socket)
{
    const bool roomForIt = int(m_connections.size()) < MaxConnections || MakeRoom();
    if (!roomForIt || !PeerIsSameUser(*socket)) {
        socket->abort();
        socket->deleteLater();
        return;
    }
    m_connections.push_back(new TIncomingConnection(socket, this));
}

bool TMessageWindow::MakeRoom()
{
    const auto oldestIncomplete = std::find_if(m_connections.begin(), m_connections.end(),
                                               [](const auto* c) { return !c->HasFrame(); });
    if (oldestIncomplete == m_connections.end())
        return false;
    (*oldestIncomplete)->Drop();
    return true;
}

void TMessageWindow::Forget(TIncomingConnection* connection) { std::erase(m_connections, connection); }

bool TMessageWindow::Deliver(const TDataFrame& frame)
{
    if (!m_exists)
        return false;
    try {
        m_procedure(frame.sender, frame.dataCode, frame.data);
    } catch (const std::exception& error) {
        qWarning("%s: %s", qPrintable(m_className), error.what());
    }
    return true;
}

bool TMessageWindow::Send(TWindowHandle target, quint32 dataCode, const QByteArray& data)
{
    // An answer must be able to reach this window while it waits.
    if (!IsOpen())
        KeepReachable();
    if (!IsOpen() || target == 0 || data.size() > kMaxDataBlockSize)
        return false;
    bool finished = false;
    bool acknowledged = false;
    QEventLoop loop;
    QTimer timer;
    auto finish = [&](bool answered) {
        if (finished)
            return;
        finished = true;
        acknowledged = answered;
        loop.quit();
    };
    const QByteArray frame = EncodeFrame({m_handle, dataCode, data});
    // Declared last, so that it goes first and its last signals still find the rest.
    QLocalSocket socket;
    connect(&socket, &QLocalSocket::connected, &loop, [&] { socket.write(frame); });
    connect(&socket, &QLocalSocket::readyRead, &loop, [&] { finish(true); });
    connect(&socket, &QLocalSocket::disconnected, &loop, [&] { finish(false); });
    connect(&socket, &QLocalSocket::errorOccurred, &loop, [&] { finish(false); });
    connect(&timer, &QTimer::timeout, &loop, [&] { finish(false); });
    socket.connectToServer(WindowDirectory::SocketPath(target));
    if (!finished) {
        timer.setSingleShot(true);
        timer.start(m_sendTimeoutMs);
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    }
    return acknowledged;
}
