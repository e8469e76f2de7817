#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>

class QIODevice;

// Translates the visible texts of windows through a language file. Texts marked with
// the prefix ("TK_Exit") are replaced by the entry of the key after the prefix; code
// looks keys up directly. A key without an entry stands for itself, so without a
// language file the design texts show without their prefix.
//
// With CollectMissing set, every key looked up in vain is remembered, and on destruction
// a language file named after the program is written to the current directory: first the
// missing keys (each mapped to itself), then all loaded entries.
class TTolkar2000 : public QObject {
    Q_OBJECT

public:
    explicit TTolkar2000(const QString& appName);
    ~TTolkar2000() override;

    // Called after a key was found; may change the text.
    std::function<void(QObject* Sender, const QString& Key, QString& Text)> OnTextFound;
    // Called before an object's properties are translated; clearing DoTranslate skips them.
    std::function<void(QObject* Sender, QObject* Obj, bool& DoTranslate)> OnBeforeTranslate;

    // Replaces all entries by those of the language file in the stream.
    void LoadFromStream(QIODevice& stream);

    // The text for a key (letter case does not matter) with its placeholders "<%1%>",
    // "<%2%>", ... replaced by the arguments; the key itself when it has no entry.
    QString LookupText(const QString& key, const QStringList& args = {});

    // The component and, depth first, every object it owns.
    void TranslateComponent(QObject* component);
    // One object's properties, including its axis settings and collection items.
    void TranslateObject(QObject* object);

    const QStringList& Keys() const { return m_keys; }
    const QStringList& Values() const { return m_values; }
    const QStringList& Missing() const { return m_missing; }
    const QString& AppName() const { return m_appName; }

    const QString& Prefix() const { return m_prefix; }
    void SetPrefix(const QString& prefix) { m_prefix = prefix; }

    bool CollectMissing() const { return m_collectMissing; }
    void SetCollectMissing(bool collect) { m_collectMissing = collect; }

private:
    void RememberMissing(const QString& key);
    void WriteCollectedLanguageFile();

    QStringList m_keys;
    QStringList m_values;
    // The values in the file's own notation ("\n", "<%APPNAME%>" kept), so that the
    // collected language file reads back to the same texts.
    QStringList m_fileValues;
    QString m_prefix = QStringLiteral("TK_");
    QStringList m_missing;
    bool m_collectMissing = false;
    QString m_appName;
};
