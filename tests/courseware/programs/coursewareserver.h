#pragma once
// A small courseware server for tests and demonstrations. It registers its clients,
// finds them by handle or title, serves files from a folder, names program files,
// answers parameters and strings, starts programs, relays handed-over parameters to the
// running copy of a program and can ask a client to quit.
#include "courseware/messagewindow.h"
#include "courseware/quilletstream.h"

#include <QHash>
#include <QObject>
#include <QString>
#include <functional>
#include <vector>

struct TCoursewareServerSettings {
    QString identifier; // ends the server window's class and name
    QString filesDirectory; // where fetched files come from
    QHash<QString, QString> parameters; // answers to parameter requests
    int stallMs = 0; // how long each message is held up before it is handled
};

class TCoursewareServer : public QObject {
public:
    explicit TCoursewareServer(TCoursewareServerSettings settings, QObject* parent = nullptr);

    // Opens the server window; false when that fails.
    bool Open();
    TWindowHandle Handle() const { return m_window.Handle(); }
    // Sets how long the server waits for a client to take a message.
    void SetSendTimeout(int milliseconds) { m_window.SetSendTimeout(milliseconds); }

    // The registered clients, in the order they registered.
    const std::vector<TEntity>& Clients() const { return m_clients; }
    enum class TQuitResult { Acknowledged, NotAcknowledged, NoClient };
    // Asks the client of that title to quit.
    TQuitResult SendQuit(const QString& title, bool serverDown);

    // The server window's procedure.
    void Receive(TWindowHandle sender, quint32 dataCode, const QByteArray& block);

    // Told of every registration, unregistration and relay, e.g. "registered Title".
    std::function<void(const QString& event)> OnEvent;

private:
    void Register(TQuilletMessageStream& message);
    void Unregister(TQuilletMessageStream& message);
    QByteArray FindEntity(TQuilletMessageStream& request);
    void RelayParameters(TWindowHandle sender, const QByteArray& block);
    QByteArray ExecuteProgram(TQuilletMessageStream& request);
    QByteArray FetchFile(TQuilletMessageStream& request);
    void Answer(TWindowHandle requester, const TStamp& stamp, const QByteArray& payload);
    void Tell(const QString& event);

    TEntity* ClientWithHandle(TWindowHandle handle);
    // The first live client of that title other than the one asking.
    TEntity* ClientWithTitle(const QString& title, TWindowHandle asking);
    void Forget(TWindowHandle handle);

    TCoursewareServerSettings m_settings;
    TMessageWindow m_window;
    std::vector<TEntity> m_clients;
};
