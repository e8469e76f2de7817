#include "courseware/messagewindow.h"

#include "courseware/windowdirectory.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QLocalServer>
#include <QLocalSocket>
#include <QPointer>
#include <QRandomGenerator>
#include <QTimer>

#include <sys/socket.h>
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

// One connection to a window: reads a single frame, has the window handle it and
// acknowledges it, then goes away.
class TIncomingBlock : public QObject {
public:
    TIncomingBlock(QLocalSocket* socket, TMessageWindow* window)
        : QObject(window)
        , socket_(socket)
        , window_(window)
    {
        socket_->setParent(this);
        socket_->setReadBufferSize(ReceiveBufferSize);
        connect(socket_, &QLocalSocket::readyRead, this, &TIncomingBlock::ReadAvailable);
        connect(socket_, &QLocalSocket::disconnected, this, &QObject::deleteLater);
        ReadAvailable();
    }

private:
    void ReadAvailable()
    {
        while (reader_.CurrentStatus() == TFrameReader::Status::Incomplete &&
               socket_->bytesAvailable() > 0)
            reader_.Append(socket_->read(reader_.Wanted()));
        if (reader_.CurrentStatus() == TFrameReader::Status::Invalid)
            Drop();
        else if (reader_.CurrentStatus() == TFrameReader::Status::Complete && !delivered_)
            DeliverFrame();
    }

    void DeliverFrame()
    {
        delivered_ = true;
        const QPointer<TIncomingBlock> alive(this);
        const bool handled = window_->Deliver(reader_.Frame());
        if (!alive)
            return;
        if (!handled) {
            Drop();
            return;
        }
        socket_->write(Acknowledgement);
        socket_->disconnectFromServer();
    }

    void Drop()
    {
        socket_->abort();
        deleteLater();
    }

    QLocalSocket* socket_;
    TMessageWindow* window_;
    TFrameReader reader_;
    bool delivered_ = false;
};

TWindowHandle RandomHandle()
{
    TWindowHandle handle = 0;
    while (handle == 0)
        handle = QRandomGenerator::global()->generate();
    return handle;
}

} // namespace

TMessageWindow::TMessageWindow(const QString& className, const QString& windowName,
                               TProcedure procedure, QObject* parent)
    : QObject(parent)
    , className_(className)
    , windowName_(windowName)
    , procedure_(std::move(procedure))
{
}

TMessageWindow::~TMessageWindow()
{
    Close();
}

bool TMessageWindow::Open()
{
    QString directoryError;
    if (!WindowDirectory::Prepare(directoryError))
        return false;
    for (int attempt = 0; attempt < HandleAttempts && !IsOpen(); ++attempt) {
        const TWindowHandle candidate = RandomHandle();
        if (Listen(candidate) &&
            !WindowDirectory::Publish({candidate, className_, windowName_,
                                       QCoreApplication::applicationPid()})) {
            server_.reset();
            return false;
        }
    }
    return IsOpen();
}

bool TMessageWindow::Listen(TWindowHandle candidate)
{
    auto server = std::make_unique<QLocalServer>();
    server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!server->listen(WindowDirectory::SocketPath(candidate)))
        return false;
    connect(server.get(), &QLocalServer::newConnection, this, &TMessageWindow::AcceptConnections);
    server_ = std::move(server);
    handle_ = candidate;
    return true;
}

void TMessageWindow::Close()
{
    if (!IsOpen())
        return;
    WindowDirectory::Withdraw(handle_);
    server_.reset();
}

void TMessageWindow::AcceptConnections()
{
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
        if (PeerIsSameUser(*socket)) {
            new TIncomingBlock(socket, this);
        } else {
            socket->abort();
            socket->deleteLater();
        }
    }
}

bool TMessageWindow::Deliver(const TDataFrame& frame)
{
    if (!IsOpen())
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
