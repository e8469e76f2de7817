#pragma once
// Message windows: the way programs of one user hand each other data blocks. A window
// has a class name, a window name and a 32-bit handle, and can be found by class and
// name from any process of the same user. Sending a block is synchronous: the sender
// waits until the receiving window's procedure has handled it, and meanwhile keeps
// receiving on its own windows, so that a receiver can answer by sending back to it.
// A send to a missing or vanished window gets nothing; a receiver that does not answer
// within the send timeout is given up.
#include "courseware/messageframe.h"

#include <QObject>
#include <QString>
#include <functional>
#include <memory>

class QLocalServer;
class QLocalSocket;

class TMessageWindow : public QObject {
public:
    // Handles one received block: the sender's window handle, the data code, the block.
    using TProcedure =
        std::function<void(TWindowHandle sender, quint32 dataCode, const QByteArray& data)>;

    static constexpr int DefaultSendTimeoutMs = 5000;

    TMessageWindow(const QString& className, const QString& windowName, TProcedure procedure,
                   QObject* parent = nullptr);
    ~TMessageWindow() override;

    // Sets the window up under a fresh handle and makes it findable.
    bool Open();
    // Destroys the window: it can no longer be found or reached. Safe to call from
    // within the window's own procedure.
    void Close();
    bool IsOpen() const { return server_ != nullptr; }

    // The handle the window was opened under (0 before that).
    TWindowHandle Handle() const { return handle_; }
    const QString& ClassName() const { return className_; }
    const QString& WindowName() const { return windowName_; }

    int SendTimeout() const { return sendTimeoutMs_; }
    void SetSendTimeout(int milliseconds) { sendTimeoutMs_ = milliseconds; }

    // Sends a block to the window with the target handle, this window being the sender,
    // and returns once the target's procedure has handled it (true) or when the target
    // does not exist, goes away or does not answer in time (false).
    bool Send(TWindowHandle target, quint32 dataCode, const QByteArray& data);

    // Hands a received frame to the procedure; false when the window is closed.
    // Errors the procedure raises are reported as warnings and go no further.
    bool Deliver(const TDataFrame& frame);

private:
    bool Listen(TWindowHandle candidate);
    void AcceptConnections();

    QString className_;
    QString windowName_;
    TProcedure procedure_;
    TWindowHandle handle_ = 0;
    std::unique_ptr<QLocalServer> server_;
    int sendTimeoutMs_ = DefaultSendTimeoutMs;
};
