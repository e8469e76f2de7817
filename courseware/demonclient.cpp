#include "courseware/demon.h"

#include "courseware/processwait.h"

#include <QFileInfo>

namespace {

EQuillet CouldNotExecute(const QString& program)
{
    return EQuillet(QStringLiteral("Could not execute \"%1.\"").arg(program));
}

} // namespace

TkdbDemonClient::TkdbDemonClient(QObject* owner)
    : TkdbDemonClient(owner, TDemonEnvironment::Standard())
{
}

TkdbDemonClient::TkdbDemonClient(QObject* owner, TDemonEnvironment environment)
    : TkdbCustomDemon(owner, std::move(environment))
{
    OpenWindow();
}

TkdbDemonClient::~TkdbDemonClient() { Shutdown(); }

QString TkdbDemonClient::WindowClassName() const { return QuilletClientWindowClass; }

QString TkdbDemonClient::WindowTitle() const { return QString(); }

std::unique_ptr<TQuilletMessageStream> TkdbDemonClient::AskServer(TQuilletMessageStream& request)
{
    auto reply = std::make_unique<TQuilletMessageStream>(this);
    request.SendTo(ServerEntity(), reply.get());
    return reply;
}

QString TkdbDemonClient::AskForText(quint32 code, const QString& text)
{
    TQuilletMessageStream request(this, code);
    request.WriteString(text);
    return AskServer(request)->ReadString();
}

std::unique_ptr<TEntity> TkdbDemonClient::FindEntity(TQuilletMessageStream& request)
{
    const std::unique_ptr<TQuilletMessageStream> reply = AskServer(request);
    if (reply->Size() == 0)
        return nullptr;
    auto entity = std::make_unique<TEntity>(this);
    entity->ReadRecord(*reply);
    return entity;
}

std::unique_ptr<TEntity> TkdbDemonClient::FindEntityByTitle(const QString& Title)
{
    TQuilletMessageStream request(this, QuilletCode::FindEntity);
    request.WriteByte(QuilletFindKind::ByTitle);
    request.WriteString(Title);
    return FindEntity(request);
}

std::unique_ptr<TEntity> TkdbDemonClient::FindEntityByHandle(TWindowHandle Handle)
{
    TQuilletMessageStream request(this, QuilletCode::FindEntity);
    request.WriteByte(QuilletFindKind::ByHandle);
    request.WriteInt32(qint32(Handle));
    return FindEntity(request);
}

int TkdbDemonClient::ExecuteProgram(const QString& Program, const QString& Params, bool Wait, qint32 Value)
{
    TQuilletMessageStream request(this, QuilletCode::ExecuteProgram);
    request.WriteString(Program);
    request.WriteString(Params);
    request.WriteByte(Wait ? 1 : 0);
    request.WriteInt32(Value);
    const qint32 processId = AskServer(request)->ReadInt32();
    if (processId == 0)
        throw CouldNotExecute(Program);
    if (!Wait)
        return processId;
    if (!WaitForProcessEnd(processId))
        throw CouldNotExecute(Program);
    return 0;
}

std::unique_ptr<QBuffer> TkdbDemonClient::FetchFile(const QString& Name)
{
    TQuilletMessageStream request(this, QuilletCode::FetchFile);
    request.WriteString(Name);
    const std::unique_ptr<TQuilletMessageStream> reply = AskServer(request);
    if (reply->ReadByte() == 0)
        return nullptr;
    auto file = std::make_unique<QBuffer>();
    file->setData(reply->ReadRest());
    file->open(QIODevice::ReadOnly);
    return file;
}

QString TkdbDemonClient::ServerFileName(const QString& Name)
{
    return AskForText(QuilletCode::ServerFileName, Name);
}

QString TkdbDemonClient::ServerString(const QString& Text)
{
    return AskForText(QuilletCode::ServerString, Text);
}

QString TkdbDemonClient::ServerParam(const QString& Name)
{
    if (UseOrvindeServer())
        return AskForText(QuilletCode::ServerParam, Name);
    if (Name != QLatin1String("OrvindeWorkArea") && Name != QLatin1String("OrvindeHomeDir"))
        return QString();
    QString directory = QFileInfo(ParamStr(0)).absolutePath();
    if (!directory.endsWith(u'/') && !directory.endsWith(u'\\'))
        directory += u'/';
    return directory;
}

void TkdbDemonClient::Loaded()
{
    if (UseOrvindeServer()) {
        if (ServerEntity().Handle() == 0)
            throw EQuillet(QStringLiteral("Quillet server application is not running"));
        if (!SendOwnRecord(QuilletCode::Register))
            ServerDidNotAnswer();
    }
    TkdbCustomDemon::Loaded();
}

bool TkdbDemonClient::SendOwnRecord(quint32 code)
{
    TQuilletMessageStream message(this, code);
    OwnEntity().WriteRecord(message);
    return SendMessageTo(ServerEntity(), message, nullptr);
}

void TkdbDemonClient::Shutdown()
{
    if (IsShutDown())
        return;
    if (!ServerDown()) {
        try {
            SendOwnRecord(QuilletCode::Unregister);
        } catch (const EQuillet& error) {
            qWarning("Unregister notice not sent: %s", error.what());
        }
    }
    TkdbCustomDemon::Shutdown();
}
