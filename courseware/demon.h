#pragma once
// The courseware link: a non-visual component on a program's main window. It owns the
// window's translation component, loads the program's language file and translates the
// window, keeps the program to one running copy (a second copy hands its parameters to
// the first and ends), answers parameter queries and fetches files from the courseware
// server, and exchanges messages with that server and with other copies through a
// message window.
#include "courseware/messagewindow.h"
#include "courseware/quillet.h"
#include "courseware/quilletstream.h"

#include <QBuffer>
#include <QObject>
#include <QStringList>
#include <functional>
#include <memory>
#include <vector>

class TTolkar2000;
class TSingleInstanceLock;
class TTerminationSignals;

// What the link takes from the running program and the system. Standard() gives the
// real thing; tests put their own in.
struct TDemonEnvironment {
    QStringList arguments; // the command line, the program first
    QString programPath; // the program file
    QString applicationTitle; // the title under which copies of the program find each other
    // The system-wide server setting ("Mervo"/"Orvinde", demon/ViewerHandle).
    std::function<QString()> readServerSetting;
    // Asks the application to end (the link's destruction does this).
    std::function<void()> terminateApplication;
    // Ends the process at once (a second copy after handing over its parameters).
    std::function<void()> endProcess;
    // How long a message to another program may take before it is given up.
    int replyTimeoutMs = TMessageWindow::DefaultSendTimeoutMs;
    // Whether SIGTERM, SIGINT and SIGHUP shut the link down as a quit message does,
    // so that the program leaves nothing behind.
    bool shutDownOnTerminationSignals = false;

    static TDemonEnvironment Standard();
};

class TkdbCustomDemon : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool AutoTranslate READ AutoTranslate WRITE SetAutoTranslate)
    Q_PROPERTY(bool AutoCreateItlFile READ AutoCreateItlFile WRITE SetAutoCreateItlFile)
    Q_PROPERTY(bool MultiStart READ MultiStart WRITE SetMultiStart)
    Q_PROPERTY(bool UseOrvindeServer READ UseOrvindeServer WRITE SetUseOrvindeServer)

public:
    using TGotAMessageEvent = std::function<void(QObject* Sender, TQuilletMessageStream& Msg)>;
    using TOnQuitMsgReceived = std::function<void(QObject* Sender, bool ServerDown, bool& AllowQuit)>;

    ~TkdbCustomDemon() override;

    bool AutoTranslate() const { return m_autoTranslate; }
    void SetAutoTranslate(bool value) { m_autoTranslate = value; }
    // Reads and writes the translation component's CollectMissing.
    bool AutoCreateItlFile() const;
    void SetAutoCreateItlFile(bool value);
    bool MultiStart() const { return m_multiStart; }
    void SetMultiStart(bool value) { m_multiStart = value; }
    bool UseOrvindeServer() const { return m_useOrvindeServer; }
    void SetUseOrvindeServer(bool value) { m_useOrvindeServer = value; }
    // Without the server, the language file read when none lies beside the program
    // (an installed program keeps its language files in a folder of their own).
    const QString& InstalledLanguageFile() const { return m_installedLanguageFile; }
    void SetInstalledLanguageFile(const QString& path) { m_installedLanguageFile = path; }

    // A message with a code the link does not handle itself arrived.
    TGotAMessageEvent OnGotAMessage;
    // The server asks the program to quit; clearing AllowQuit keeps it running.
    TOnQuitMsgReceived OnQuitMsgReceived;
    // Another copy of the program handed over its parameters.
    std::function<void(QObject* Sender)> OnParamsChange;

    TTolkar2000& Translator() { return *m_translator; }

    // Dispatch of a received message. A message this keeps is moved out of Msg.
    virtual void HandleMessage(std::unique_ptr<TQuilletMessageStream>& Msg);
    virtual QString WindowClassName() const = 0;
    virtual QString WindowTitle() const = 0;
    // The server's entity of that title or handle; none when the server knows none.
    virtual std::unique_ptr<TEntity> FindEntityByTitle(const QString& Title) = 0;
    virtual std::unique_ptr<TEntity> FindEntityByHandle(TWindowHandle Handle) = 0;
    virtual int ExecuteProgram(const QString& Program, const QString& Params, bool Wait, qint32 Value) = 0;
    // A file from the server, positioned at its start; none when the server has none.
    virtual std::unique_ptr<QBuffer> FetchFile(const QString& Name) = 0;
    virtual QString ServerFileName(const QString& Name) = 0;
    virtual QString ServerString(const QString& Text) = 0;
    virtual QString ServerParam(const QString& Name) = 0;

    // The parameter list: 0 is the program file, then the arguments (or the parameters
    // another copy handed over).
    int ParamCount() const { return int(m_params.size()) - 1; }
    QString ParamStr(int Index) const;

    // Called once the owning form has been built: loads the language file, translates
    // the form and, unless MultiStart, makes sure this is the only running copy. When
    // the single-copy lock cannot be had at all, raises EQuillet saying why.
    virtual void Loaded();

    // Sends a message to an entity and waits; the answer (code 4097 with the message's
    // stamp) lands in Reply when given. Nothing is sent once the link has shut down.
    // True when the entity's window took the message.
    bool SendMessageTo(TEntity& Entity, TQuilletMessageStream& Msg, TQuilletMessageStream* Reply);
    // The link's window procedure: a data block from another window.
    void ReceiveDataBlock(TWindowHandle sender, quint32 dataCode, const QByteArray& block);

    TEntity& OwnEntity() { return m_ownEntity; }
    TEntity& ServerEntity() { return m_serverEntity; }
    bool ServerDown() const { return m_serverDown != 0; }
    // Received answers that no request has collected yet.
    int PendingReplyCount() const { return int(m_pendingReplies.size()); }
    // Whether the link's message window exists and can be reached. Without a private
    // runtime folder the link has none: the program runs on its own.
    bool WindowExists() const;
    QString ProgramPath() const { return m_environment.programPath; }
    QString ApplicationTitle() const { return m_environment.applicationTitle; }

protected:
    // owner is the form the link sits on: it is translated when loaded.
    TkdbCustomDemon(QObject* owner, TDemonEnvironment environment);

    // Creates the link's message window; the derived class calls it once its window
    // class name and title are there. Without a private runtime folder there is no
    // window, and standard error says why.
    void OpenWindow();
    // The server took no message during loading: the language file comes from beside
    // the program instead.
    void ServerDidNotAnswer() { m_serverAnswers = false; }
    // What destruction does, at most once: forgets pending answers, destroys the window,
    // releases the single-copy lock and asks the application to end. A quit message
    // (once it is acknowledged) and a termination signal do this without destroying
    // the object, which its owner still refers to.
    virtual void Shutdown();
    bool IsShutDown() const { return m_shutDown; }

private:
    void LoadLanguageFile();
    std::unique_ptr<QIODevice> OpenLanguageFile();
    void KeepToSingleCopy();
    void HandOverToRunningCopy(qint64 lockHolder);
    // The link of another process, found by its message window; none when it has none.
    std::unique_ptr<TEntity> LinkOfProcess(qint64 processId);
    void EndThisCopy();
    void HandleQuit(TQuilletMessageStream& msg);
    void ReplaceParameters(TQuilletMessageStream& msg);
    void KeepReply(std::unique_ptr<TQuilletMessageStream> reply);
    void CollectReply(const TStamp& stamp, TQuilletMessageStream* reply);
    TStamp NextStamp();

    TDemonEnvironment m_environment;
    std::unique_ptr<TTolkar2000> m_translator;
    QStringList m_params;
    std::vector<std::unique_ptr<TQuilletMessageStream>> m_pendingReplies;
    quint8 m_serverDown = 0;
    TEntity m_ownEntity;
    TEntity m_serverEntity;
    std::unique_ptr<TMessageWindow> m_window;
    std::unique_ptr<TSingleInstanceLock> m_lock;
    std::unique_ptr<TTerminationSignals> m_terminationSignals;
    TStamp m_lastStamp;
    QString m_installedLanguageFile;
    bool m_autoTranslate = true;
    bool m_multiStart = false;
    bool m_useOrvindeServer = true;
    bool m_serverAnswers = true;
    bool m_shutDown = false;
};

// The link of a client program to its courseware server.
class TkdbDemonClient : public TkdbCustomDemon {
    Q_OBJECT
public:
    explicit TkdbDemonClient(QObject* owner);
    TkdbDemonClient(QObject* owner, TDemonEnvironment environment);
    // Tells the server this client is gone (unless the server is down), then shuts down.
    ~TkdbDemonClient() override;

    QString WindowClassName() const override;
    QString WindowTitle() const override;
    std::unique_ptr<TEntity> FindEntityByTitle(const QString& Title) override;
    std::unique_ptr<TEntity> FindEntityByHandle(TWindowHandle Handle) override;
    // Has the server start a program. With Wait, returns once it has ended (with 0:
    // how it ended is known only to the server), otherwise its process identifier.
    int ExecuteProgram(const QString& Program, const QString& Params, bool Wait, qint32 Value) override;
    std::unique_ptr<QBuffer> FetchFile(const QString& Name) override;
    QString ServerFileName(const QString& Name) override;
    QString ServerString(const QString& Text) override;
    // With UseOrvindeServer, asks the server. Without, only "OrvindeWorkArea" and
    // "OrvindeHomeDir" (exact case) are known: the program's directory ending in "/".
    QString ServerParam(const QString& Name) override;

    // Registers with the server first when UseOrvindeServer is set.
    void Loaded() override;

protected:
    void Shutdown() override;

private:
    // Sends a request to the server and returns its answer (empty when none came).
    std::unique_ptr<TQuilletMessageStream> AskServer(TQuilletMessageStream& request);
    // A request of one string answered by one string.
    QString AskForText(quint32 code, const QString& text);
    std::unique_ptr<TEntity> FindEntity(TQuilletMessageStream& request);
    // True when the server took the record.
    bool SendOwnRecord(quint32 code);
};
