#pragma once
// Message windows: the way programs of one user hand each other data blocks. A window
// has a class name, a window name and a 32-bit handle, and can be found by class and
// name from any process of the same user. Sending a block is synchronous: the sender
// waits until the receiving window's procedure has handled it, and meanwhile keeps
// receiving on its own windows, so that a receiver can answer by sending back to it.
// A send to a missing or vanished window gets nothing; a receiver that does not answer
// within the send timeout is given up.
//
// A window stays reachable whatever other processes do: a connection that has not
// brought a whole block within the send timeout is dropped, only so many connections
// are served at once (a new one pushes out the oldest that is still incomplete), and
// when the window stops listening for any reason (its socket file removed, the process
// out of descriptors) it listens again under the same handle.
#include "courseware/messageframe.h"

#include <QObject>
#include <QString>
#include <QTimer>
#include <functional>
#include <memory>
#include <vector>

class QLocalServer;
class QLocalSocket;
class TIncomingConnection;

class TMessageWindow : public QObject {
public:
    // Handles one received block: the sender's window handle, the data code, the block.
    using TProcedure = std::function<void(TWindowHandle sender, quint32 dataCode, const QByteArray& data)>;

    static constexpr int DefaultSendTimeoutMs = 5000;
    // Connections served at once.
    static constexpr int MaxConnections = 32;
    // How often the window checks that it can still be reached.
    static constexpr int WatchIntervalMs = 1000;

    TMessageWindow(const QString& className, const QString& windowName, TProcedure procedure,
                   QObject* parent = nullptr);
    ~TMessageWindow() override;

    // Sets the window up under a fresh handle and makes it findable.
    bool Open();
    // Destroys the window: it can no longer be found or reached. Safe to call from
    // within the window's own procedure.
    void Close();
    // Whether the window exists and can be reached now: it listens on its socket file.
    bool IsOpen() const;

    // The handle the window was opened under (0 before that).
    TWindowHandle Handle() const { return m_handle; }
    const QString& ClassName() const { return m_className; }
    const QString& WindowName() const { return m_windowName; }

    int SendTimeout() const { return m_sendTimeoutMs; }
    void SetSendTimeout(int milliseconds) { m_sendTimeoutMs = milliseconds; }

    // Sends a block to the window with the target handle, this window being the sender,
    // and returns once the target's procedure has handled it (true) or when the target
    // does not exist, goes away or does not answer in time (false).
    bool Send(TWindowHandle target, quint32 dataCode, const QByteArray& data);

    // Hands a received frame to the procedure; false when the window is closed.
    // Errors the procedure raises are reported as warnings and go no further.
    bool Deliver(const TDataFrame& frame);
    // A connection has ended; the window no longer serves it.
    void Forget(TIncomingConnection* connection);

private:
    bool Listen(TWindowHandle candidate);
    bool Publish();
    // Listens and publishes again if the window cannot be reached any more.
    void KeepReachable();
    void AcceptConnections();
    void Serve(QLocalSocket* socket);
    // Makes room for one more connection; false when every one has a whole block.
    bool MakeRoom();

    QString m_className;
    QString m_windowName;
    TProcedure m_procedure;
    TWindowHandle m_handle = 0;
    bool m_exists = false;
    std::unique_ptr<QLocalServer> m_server;
    // The socket file's identity when it was made, to tell it from a stranger's.
    quint64 m_socketInode = 0;
    std::vector<TIncomingConnection*> m_connections; // oldest first
    QTimer m_watch;
    int m_sendTimeoutMs = DefaultSendTimeoutMs;
};
