#pragma once
// The courseware link: a non-visual component on a program's main window that owns
// the window's translation component, loads the program's language file, answers
// parameter queries and (as the server side lands) talks to the courseware server.
#include <QObject>
#include <QStringList>
#include <functional>
#include <memory>
#include <stdexcept>

class TTolkar2000;

// Errors of the courseware link.
class EQuillet : public std::runtime_error {
public:
    explicit EQuillet(const QString& message)
        : std::runtime_error(message.toStdString())
    {
    }
};

class TkdbCustomDemon : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool AutoTranslate READ AutoTranslate WRITE SetAutoTranslate)
    Q_PROPERTY(bool AutoCreateItlFile READ AutoCreateItlFile WRITE SetAutoCreateItlFile)
    Q_PROPERTY(bool MultiStart READ MultiStart WRITE SetMultiStart)
    Q_PROPERTY(bool UseOrvindeServer READ UseOrvindeServer WRITE SetUseOrvindeServer)

public:
    // owner is the form the link sits on: it is translated when loaded.
    explicit TkdbCustomDemon(QObject* owner);
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

    // Another copy of the program handed over its parameters.
    std::function<void(QObject* Sender)> OnParamsChange;

    TTolkar2000& Translator() { return *m_translator; }

    // Called once the owning form has been built: loads the language file and,
    // with AutoTranslate, translates the form.
    virtual void Loaded();

    // The program's parameters: 0 is the program file, then the command-line
    // arguments except the server switch.
    int ParamCount() const { return int(m_params.size()) - 1; }
    QString ParamStr(int index) const;
    // A parameter of the environment. Without the server only "OrvindeWorkArea" and
    // "OrvindeHomeDir" (exact case) are known: the program's directory with a trailing "/".
    virtual QString ServerParam(const QString& name);

    // The program file's path.
    QString ProgramPath() const;

protected:
    // Reads the language file beside the program, if there is one.
    void LoadLanguageFile();

private:
    std::unique_ptr<TTolkar2000> m_translator;
    QStringList m_params;
    bool m_autoTranslate = true;
    bool m_multiStart = false;
    bool m_useOrvindeServer = true;
};

class TkdbDemonClient : public TkdbCustomDemon {
    Q_OBJECT
public:
    explicit TkdbDemonClient(QObject* owner);
    void Loaded() override;
};
