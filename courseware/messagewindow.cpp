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
    return ::getsockopt(int(socket.socketDescriptor()), SOL_SOCKET, SO_PEERCRED, &credentials,
                        &length) == 0 &&
           credentials.uid == ::getuid();
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
    struct stat info {};
    if (path.isEmpty() || ::lstat(QFile::encodeName(path).constData(), &info) != 0 ||
        !S_ISSOCK(info.st_mode))
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
        , socket_(socket)
        , window_(window)
    {
        socket_->setParent(this);
        socket_->setReadBufferSize(ReceiveBufferSize);
        connect(socket_, &QLocalSocket::readyRead, this, &TIncomingConnection::ReadAvailable);
        connect(socket_, &QLocalSocket::disconnected, this, &TIncomingConnection::Finish);
        deadline_.setSingleShot(true);
        connect(&deadline_, &QTimer::timeout, this, &TIncomingConnection::Drop);
        deadline_.start(window->SendTimeout());
        // Bytes that came with the connection are read once the window has taken it on.
        QMetaObject::invokeMethod(this, &TIncomingConnection::ReadAvailable, Qt::QueuedConnection);
    }

    // Whether the whole frame is there (it is then being handled, or has been).
    bool HasFrame() const { return reader_.CurrentStatus() == TFrameReader::Status::Complete; }

    void Drop()
    {
        socket_->abort();
        Finish();
    }

private:
    void ReadAvailable()
    {
        while (reader_.CurrentStatus() == TFrameReader::Status::Incomplete &&
               socket_->bytesAvailable() > 0)
            reader_.Append(socket_->read(reader_.Wanted()));
        if (reader_.CurrentStatus() == TFrameReader::Status::Invalid)
            Drop();
        else if (HasFrame() && !delivered_)
            DeliverFrame();
    }

    void DeliverFrame()
    {
        delivered_ = true;
        deadline_.stop();
        const QPointer<TIncomingConnection> alive(this);
        const bool handled = window_->Deliver(reader_.Frame());
        if (!alive)
            return;
        if (!handled) {
            Drop();
            return;
        }
        // The acknowledgement leaves at once, before whatever the procedure has set
        // going (the end of the program, say) can take it away.
        socket_->write(Acknowledgement);
        socket_->flush();
        socket_->disconnectFromServer();
    }

    void Finish()
    {
        if (finished_)
            return;
        finished_ = true;
        deadline_.stop();
        window_->Forget(this);
        deleteLater();
    }

    QLocalSocket* socket_;
    TMessageWindow* window_;
    TFrameReader reader_;
    QTimer deadline_;
    bool delivered_ = false;
    bool finished_ = false;
};

TMessageWindow::TMessageWindow(const QString& className, const QString& windowName,
                               TProcedure procedure, QObject* parent)
    : QObject(parent)
    , className_(className)
    , windowName_(windowName)
    , procedure_(std::move(procedure))
{
    watch_.setInterval(WatchIntervalMs);
    connect(&watch_, &QTimer::timeout, this, &TMessageWindow::KeepReachable);
}

TMessageWindow::~TMessageWindow()
{
    Close();
}

bool TMessageWindow::Open()
{
    if (exists_)
        return true;
    QString directoryError;
    if (!WindowDirectory::Prepare(directoryError))
        return false;
    for (int attempt = 0; attempt < HandleAttempts && !server_; ++attempt)
        Listen(RandomHandle());
    if (!server_)
        return false;
    if (!Publish()) {
        server_.reset();
        return false;
    }
    exists_ = true;
    watch_.start();
    return true;
}

bool TMessageWindow::IsOpen() const
{
    return exists_ && server_ && server_->isListening() &&
           SocketInode(server_->fullServerName()) == socketInode_;
}

bool TMessageWindow::Listen(TWindowHandle candidate)
{
    auto server = std::make_unique<QLocalServer>();
    server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!server->listen(WindowDirectory::SocketPath(candidate)))
        return false;
    connect(server.get(), &QLocalServer::newConnection, this, &TMessageWindow::AcceptConnections);
    socketInode_ = SocketInode(server->fullServerName());
    server_ = std::move(server);
    handle_ = candidate;
    return true;
}

bool TMessageWindow::Publish()
{
    return WindowDirectory::Publish(
        {handle_, className_, windowName_, QCoreApplication::applicationPid()});
}

void TMessageWindow::KeepReachable()
{
    if (!exists_)
        return;
    if (!IsOpen()) {
        server_.reset();
        QString directoryError;
        // When this fails too (no descriptors left, say), the next check tries again.
        if (!WindowDirectory::Prepare(directoryError))
            return;
        QLocalServer::removeServer(WindowDirectory::SocketPath(handle_));
        if (!Listen(handle_))
            return;
    }
    if (!WindowDirectory::Lookup(handle_))
        Publish();
}

void TMessageWindow::Close()
{
    if (!exists_)
        return;
    exists_ = false;
    watch_.stop();
    WindowDirectory::Withdraw(handle_);
    server_.reset();
}

void TMessageWindow::AcceptConnections()
{
    while (QLocalSocket* socket = server_->nextPendingConnection())
        Serve(socket);
}

void TMessageWindow::Serve(QLocalSocket* socket)
{
    const bool roomForIt = int(connections_.size()) < MaxConnections || MakeRoom();
    if (!roomForIt || !PeerIsSameUser(*socket)) {
        socket->abort();
        socket->deleteLater();
        return;
    }
    connections_.push_back(new TIncomingConnection(socket, this));
}

bool TMessageWindow::MakeRoom()
{
    const auto oldestIncomplete = std::find_if(connections_.begin(), connections_.end(),
                                               [](const auto* c) { return !c->HasFrame(); });
    if (oldestIncomplete == connections_.end())
        return false;
    (*oldestIncomplete)->Drop();
    return true;
}

void TMessageWindow::Forget(TIncomingConnection* connection)
{
    std::erase(connections_, connection);
}

bool TMessageWindow::Deliver(const TDataFrame& frame)
{
    if (!exists_)
        return false;
    try {
        procedure_(frame.sender, frame.dataCode, frame.data);
    } catch (const std::exception& error) {
        qWarning("%s: %s", qPrintable(className_), error.what());
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
    const QByteArray frame = EncodeFrame({handle_, dataCode, data});
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
        timer.start(sendTimeoutMs_);
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    }
    return acknowledged;
}
