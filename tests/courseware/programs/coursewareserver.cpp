#include "tests/courseware/programs/coursewareserver.h"

#include "courseware/quillet.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QThread>
#include <algorithm>

namespace {

QByteArray Payload(const std::function<void(TQuilletMessageStream&)>& write)
{
    TQuilletMessageStream stream;
    write(stream);
    return stream.Content();
}

QByteArray TextPayload(const QString& text)
{
    return Payload([&](TQuilletMessageStream& s) { s.WriteString(text); });
}

// The server's name of a program file: its name without any directory; empty for
// names no file can have.
QString ServerName(const QString& path)
{
    if (path.contains(QChar(u'\0')))
        return QString();
    return QFileInfo(QString(path).replace(u'\\', u'/')).fileName();
}

} // namespace

TCoursewareServer::TCoursewareServer(TCoursewareServerSettings settings, QObject* parent)
    : QObject(parent)
    , m_settings(std::move(settings))
    , m_window(QuilletServerWindowClass(m_settings.identifier),
               QuilletServerWindowName(m_settings.identifier),
               [this](TWindowHandle sender, quint32 dataCode, const QByteArray& block) {
                   Receive(sender, dataCode, block);
               })
{
}

bool TCoursewareServer::Open() { return m_window.Open(); }

void TCoursewareServer::Receive(TWindowHandle sender, quint32 dataCode, const QByteArray& block)
{
    const auto message = TQuilletMessageStream::FromDataBlock(nullptr, dataCode, sender, block);
    if (m_settings.stallMs > 0)
        QThread::msleep(m_settings.stallMs);
    switch (dataCode) {
    case QuilletCode::Register:
        Register(*message);
        break;
    case QuilletCode::Unregister:
        Unregister(*message);
        break;
    case QuilletCode::FindEntity:
        Answer(sender, message->Stamp(), FindEntity(*message));
        break;
    case QuilletCode::NewParameters:
        RelayParameters(sender, block);
        break;
    case QuilletCode::ExecuteProgram:
        Answer(sender, message->Stamp(), ExecuteProgram(*message));
        break;
    case QuilletCode::FetchFile:
        Answer(sender, message->Stamp(), FetchFile(*message));
        break;
    case QuilletCode::ServerFileName:
        Answer(sender, message->Stamp(), TextPayload(ServerName(message->ReadString())));
        break;
    case QuilletCode::ServerString:
        Answer(sender, message->Stamp(), TextPayload(message->ReadString()));
        break;
    case QuilletCode::ServerParam:
        Answer(sender, message->Stamp(), TextPayload(m_settings.parameters.value(message->ReadString())));
        break;
    default:
        Tell(QStringLiteral("ignored %1").arg(dataCode));
    }
}

void TCoursewareServer::Register(TQuilletMessageStream& message)
{
    TEntity client;
    client.ReadRecord(message);
    Forget(client.Handle());
    m_clients.push_back(client);
    Tell(QStringLiteral("registered ") + client.Title());
}

void TCoursewareServer::Unregister(TQuilletMessageStream& message)
{
    TEntity client;
    client.ReadRecord(message);
    Forget(client.Handle());
    Tell(QStringLiteral("unregistered ") + client.Title());
}

QByteArray TCoursewareServer::FindEntity(TQuilletMessageStream& request)
{
    const quint8 kind = request.ReadByte();
    TEntity* found = nullptr;
    if (kind == QuilletFindKind::ByHandle)
        found = ClientWithHandle(TWindowHandle(request.ReadInt32()));
    else if (kind == QuilletFindKind::ByTitle)
        found = ClientWithTitle(request.ReadString(), request.SenderEntity().Handle());
    if (!found)
        return {};
    return Payload([&](TQuilletMessageStream& s) { found->WriteRecord(s); });
}

void TCoursewareServer::RelayParameters(TWindowHandle sender, const QByteArray& block)
{
    TEntity* from = ClientWithHandle(sender);
    if (!from)
        return;
    // Copied: the list may change while the relay is under way.
    const QString title = from->Title();
    if (const TEntity* running = ClientWithTitle(title, sender)) {
        m_window.Send(running->Handle(), QuilletCode::NewParameters, block);
        Tell(QStringLiteral("relayed ") + title);
    }
}

QByteArray TCoursewareServer::ExecuteProgram(TQuilletMessageStream& request)
{
    const QString program = request.ReadString();
    const QString parameters = request.ReadString();
    qint64 processId = 0;
    if (!QProcess::startDetached(program, QProcess::splitCommand(parameters), QString(), &processId))
        processId = 0;
    return Payload([&](TQuilletMessageStream& s) { s.WriteInt32(qint32(processId)); });
}

QByteArray TCoursewareServer::FetchFile(TQuilletMessageStream& request)
{
    const QString name = ServerName(request.ReadString());
    QFile file(QDir(m_settings.filesDirectory).filePath(name));
    const bool found = !name.isEmpty() && QFileInfo(file).isFile() && file.open(QIODevice::ReadOnly);
    return Payload([&](TQuilletMessageStream& s) {
        s.WriteByte(found ? 1 : 0);
        if (found)
            s.Write(file.readAll());
    });
}

TCoursewareServer::TQuitResult TCoursewareServer::SendQuit(const QString& title, bool serverDown)
{
    TEntity* client = ClientWithTitle(title, 0);
    if (!client)
        return TQuitResult::NoClient;
    TQuilletMessageStream quit;
    quit.WriteByte(serverDown ? 1 : 0);
    return m_window.Send(client->Handle(), QuilletCode::Quit, quit.DataBlock())
        ? TQuitResult::Acknowledged
        : TQuitResult::NotAcknowledged;
}

void TCoursewareServer::Answer(TWindowHandle requester, const TStamp& stamp, const QByteArray& payload)
{
    TQuilletMessageStream reply(nullptr, QuilletCode::Reply);
    reply.SetStamp(stamp);
    reply.Write(payload);
    m_window.Send(requester, QuilletCode::Reply, reply.DataBlock());
}

void TCoursewareServer::Tell(const QString& event)
{
    if (OnEvent)
        OnEvent(event);
}

TEntity* TCoursewareServer::ClientWithHandle(TWindowHandle handle)
{
    const auto found = std::find_if(m_clients.begin(), m_clients.end(),
                                    [&](const TEntity& c) { return c.Handle() == handle; });
    return found == m_clients.end() ? nullptr : &*found;
}

TEntity* TCoursewareServer::ClientWithTitle(const QString& title, TWindowHandle asking)
{
    for (TEntity& client : m_clients) {
        if (client.Handle() != asking && client.Title() == title && client.Alive())
            return &client;
    }
    return nullptr;
}

void TCoursewareServer::Forget(TWindowHandle handle)
{
    std::erase_if(m_clients, [&](const TEntity& c) { return c.Handle() == handle; });
}
