#include "courseware/demon.h"

#include "courseware/commandline.h"
#include "courseware/runtimefolder.h"
#include "courseware/singleinstance.h"
#include "courseware/terminationsignals.h"
#include "courseware/windowdirectory.h"
#include "translation/languagefile.h"
#include "translation/tolkar.h"

#include <QCoreApplication>
#include <QFile>
#include <QPointer>
#include <algorithm>
#include <numeric>

namespace {

// Answers nobody has asked for are kept, but not without end: beyond these the oldest go.
constexpr std::size_t MaxPendingReplies = 64;
constexpr qint64 MaxPendingReplyBytes = kMaxDataBlockSize;
// A parameter list is a command line; longer lists are refused.
constexpr qint64 MaxParameterListBytes = 2 * 1024 * 1024;

} // namespace

TkdbCustomDemon::TkdbCustomDemon(QObject* owner, TDemonEnvironment environment)
    : QObject(owner)
    , m_environment(std::move(environment))
    , m_translator(std::make_unique<TTolkar2000>(QString()))
    , m_ownEntity(this)
    , m_serverEntity(this)
{
    const QString setting = m_environment.readServerSetting ? m_environment.readServerSetting() : QString();
    const QString server = ServerIdentifier(setting, m_environment.arguments);
    m_serverEntity.SetHandle(
        WindowDirectory::Find(QuilletServerWindowClass(server), QuilletServerWindowName(server)));
    m_params = ProgramParameters(m_environment.programPath, m_environment.arguments);
    if (m_environment.shutDownOnTerminationSignals)
        m_terminationSignals = std::make_unique<TTerminationSignals>([this] { Shutdown(); });
}

TkdbCustomDemon::~TkdbCustomDemon() { TkdbCustomDemon::Shutdown(); }

void TkdbCustomDemon::OpenWindow()
{
    QString error;
    if (!WindowDirectory::Prepare(error)) {
        qWarning("Running without the courseware link: %s", qPrintable(error));
        return;
    }
    m_window = std::make_unique<TMessageWindow>(
        WindowClassName(), WindowTitle(),
        [this](TWindowHandle sender, quint32 dataCode, const QByteArray& block) {
            ReceiveDataBlock(sender, dataCode, block);
        });
    m_window->SetSendTimeout(m_environment.replyTimeoutMs);
    if (!m_window->Open()) {
        m_window.reset();
        throw EQuillet(QStringLiteral("Could not create window handle"));
    }
    m_ownEntity.SetHandle(m_window->Handle());
    m_ownEntity.SetTitle(m_environment.applicationTitle);
    m_ownEntity.SetFileName(m_environment.programPath);
}

void TkdbCustomDemon::Shutdown()
{
    if (m_shutDown)
        return;
    m_shutDown = true;
    m_pendingReplies.clear();
    if (m_window)
        m_window->Close();
    m_lock.reset();
    m_ownEntity.SetAuxHandle(0);
    if (m_environment.terminateApplication)
        m_environment.terminateApplication();
}

bool TkdbCustomDemon::AutoCreateItlFile() const { return m_translator->CollectMissing(); }

void TkdbCustomDemon::SetAutoCreateItlFile(bool value) { m_translator->SetCollectMissing(value); }

bool TkdbCustomDemon::WindowExists() const { return m_window && m_window->IsOpen(); }

QString TkdbCustomDemon::ParamStr(int Index) const
{
    if (Index < 0 || Index > ParamCount())
        throw EQuillet(QStringLiteral("Illegal \"ParamStr\" parameter: %1").arg(Index));
    return Index == 0 ? ProgramPath() : m_params[Index];
}

void TkdbCustomDemon::Loaded()
{
    LoadLanguageFile();
    if (m_autoTranslate && parent())
        m_translator->TranslateComponent(parent());
    if (!m_multiStart)
        KeepToSingleCopy();
}

void TkdbCustomDemon::LoadLanguageFile()
{
    if (const std::unique_ptr<QIODevice> stream = OpenLanguageFile())
        m_translator->LoadFromStream(*stream);
}

std::unique_ptr<QIODevice> TkdbCustomDemon::OpenLanguageFile()
{
    if (m_useOrvindeServer && m_serverAnswers) {
        try {
            return FetchFile(LanguageFileName(ServerFileName(ProgramPath())));
        } catch (const EQuillet& error) {
            qWarning("The courseware server gave no language file (%s); the one beside the "
                     "program is used",
                     error.what());
        }
    }
    // The file beside the program wins; an installed program falls back to the file of
    // its language under the install prefix.
    for (const QString& name : {LanguageFileName(ProgramPath()), m_installedLanguageFile}) {
        if (name.isEmpty())
            continue;
        if (auto file = OpenRegularFile(name))
            return file;
    }
    return nullptr;
}

void TkdbCustomDemon::KeepToSingleCopy()
{
    // Without a private runtime folder there is no lock either: the program runs on its
    // own, as standard error has said.
    const QString& folder = UserRuntimeFolder().path;
    if (folder.isEmpty())
        return;
    m_lock = std::make_unique<TSingleInstanceLock>(folder, m_ownEntity.FileName());
    switch (m_lock->TryAcquire()) {
    case TSingleInstanceLock::TResult::Acquired:
        // Lock files are known by the process that holds them.
        m_ownEntity.SetAuxHandle(quint32(QCoreApplication::applicationPid()));
        return;
    case TSingleInstanceLock::TResult::HeldElsewhere: {
        const qint64 lockHolder = m_lock->HolderProcessId();
        m_lock.reset();
        HandOverToRunningCopy(lockHolder);
        EndThisCopy();
        return;
    }
    case TSingleInstanceLock::TResult::Unavailable: {
        const QString problem = m_lock->Problem();
        m_lock.reset();
        throw EQuillet(QStringLiteral("Cannot start: ") + problem);
    }
    }
}

void TkdbCustomDemon::HandOverToRunningCopy(qint64 lockHolder)
{
    try {
        // A server finds the running copy by its title. Without one (or when the running
        // copy is not registered with it) the copy is the lock's holder, so that the
        // user still sees the running copy come forward instead of nothing at all.
        std::unique_ptr<TEntity> running = FindEntityByTitle(ApplicationTitle());
        if (!running)
            running = LinkOfProcess(lockHolder);
        if (!running)
            return;
        TQuilletMessageStream parameters(this, QuilletCode::NewParameters);
        parameters.WriteLines(m_params);
        parameters.SendTo(*running, nullptr);
    } catch (const EQuillet& error) {
        qWarning("Parameters not handed over: %s", error.what());
    }
}

std::unique_ptr<TEntity> TkdbCustomDemon::LinkOfProcess(qint64 processId)
{
    const TWindowHandle handle = WindowDirectory::FindOfProcess(WindowClassName(), processId);
    if (handle == 0)
        return nullptr;
    auto entity = std::make_unique<TEntity>(this);
    entity->SetHandle(handle);
    return entity;
}

void TkdbCustomDemon::EndThisCopy()
{
    if (m_window)
        m_window->Close();
    if (m_environment.endProcess)
        m_environment.endProcess();
}

bool TkdbCustomDemon::SendMessageTo(TEntity& Entity, TQuilletMessageStream& Msg, TQuilletMessageStream* Reply)
{
    Msg.SetStamp(NextStamp());
    Msg.SetOwner(this);
    if (Reply)
        Reply->SetOwner(this);
    if (!WindowExists())
        return false;
    const QPointer<TkdbCustomDemon> alive(this);
    const bool taken = m_window->Send(Entity.Handle(), Msg.MsgCode(), Msg.DataBlock());
    if (alive)
        CollectReply(Msg.Stamp(), Reply);
    return taken;
}

TStamp TkdbCustomDemon::NextStamp()
{
    // Stamps identify requests, so no two of this link's requests share one.
    TStamp stamp = TStamp::FromDateTime(QDateTime::currentDateTime());
    if (stamp <= m_lastStamp)
        stamp = m_lastStamp.Next();
    m_lastStamp = stamp;
    return stamp;
}

void TkdbCustomDemon::CollectReply(const TStamp& stamp, TQuilletMessageStream* reply)
{
    const auto match = std::find_if(m_pendingReplies.begin(), m_pendingReplies.end(),
                                    [&](const auto& pending) { return pending->Stamp() == stamp; });
    if (match == m_pendingReplies.end())
        return;
    const std::unique_ptr<TQuilletMessageStream> found = std::move(*match);
    m_pendingReplies.erase(match);
    if (reply)
        reply->CopyFrom(*found);
}

void TkdbCustomDemon::ReceiveDataBlock(TWindowHandle sender, quint32 dataCode, const QByteArray& block)
{
    std::unique_ptr<TQuilletMessageStream> message =
        TQuilletMessageStream::FromDataBlock(this, dataCode, sender, block);
    HandleMessage(message);
}

void TkdbCustomDemon::HandleMessage(std::unique_ptr<TQuilletMessageStream>& Msg)
{
    switch (Msg->MsgCode()) {
    case QuilletCode::Quit:
        HandleQuit(*Msg);
        break;
    case QuilletCode::Reply:
        KeepReply(std::move(Msg));
        break;
    case QuilletCode::NewParameters:
        ReplaceParameters(*Msg);
        break;
    default:
        if (OnGotAMessage)
            OnGotAMessage(this, *Msg);
    }
}

void TkdbCustomDemon::HandleQuit(TQuilletMessageStream& msg)
{
    m_serverDown = msg.ReadByte();
    bool allowQuit = true;
    if (OnQuitMsgReceived)
        OnQuitMsgReceived(this, m_serverDown != 0, allowQuit);
    // The server waits for this message to be acknowledged: the link shuts down once
    // the acknowledgement is on its way.
    if (allowQuit)
        QMetaObject::invokeMethod(
            this, [this] { Shutdown(); }, Qt::QueuedConnection);
}

void TkdbCustomDemon::KeepReply(std::unique_ptr<TQuilletMessageStream> reply)
{
    m_pendingReplies.push_back(std::move(reply));
    auto totalBytes = [this] {
        return std::accumulate(m_pendingReplies.begin(), m_pendingReplies.end(), qint64(0),
                               [](qint64 sum, const auto& r) { return sum + r->Size(); });
    };
    while (m_pendingReplies.size() > 1
           && (m_pendingReplies.size() > MaxPendingReplies || totalBytes() > MaxPendingReplyBytes))
        m_pendingReplies.erase(m_pendingReplies.begin());
}

void TkdbCustomDemon::ReplaceParameters(TQuilletMessageStream& msg)
{
    if (msg.Size() > MaxParameterListBytes)
        throw EQuillet(QStringLiteral("Parameter list of %1 bytes refused").arg(msg.Size()));
    QStringList parameters = msg.ReadLines();
    // Entry 0 stands for the program, so the list is never empty.
    if (parameters.isEmpty())
        parameters << ProgramPath();
    m_params = parameters;
    if (OnParamsChange)
        OnParamsChange(this);
}
