#include "translation/tolkar.h"

#include "translation/languagefile.h"
#include "translation/placeholders.h"
#include "translation/translationwalk.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSaveFile>

namespace {

QString RecordLine(const QString& key, const QString& value)
{
    return u'[' + key + QStringLiteral("]=") + value + QStringLiteral("|$$");
}

} // namespace

TTolkar2000::TTolkar2000(const QString& appName)
    : m_appName(appName)
{
}

TTolkar2000::~TTolkar2000()
{
    if (m_collectMissing)
        WriteCollectedLanguageFile();
}

void TTolkar2000::LoadFromStream(QIODevice& stream)
{
    m_keys.clear();
    m_values.clear();
    m_fileValues.clear();
    LanguageText text = ReadLanguageText(stream);
    if (text.cutShort)
        qWarning("Language file longer than %lld bytes: the records beyond are left out",
                 kMaxLanguageFileSize);
    RecordReader reader(std::move(text.text));
    while (const auto record = reader.NextRecord()) {
        const LanguageEntry entry = ParseRecord(*record);
        m_keys << entry.key;
        m_values << DisplayValue(entry.value, m_appName);
        m_fileValues << entry.value;
    }
}

QString TTolkar2000::LookupText(const QString& key, const QStringList& args)
{
    const qsizetype index = m_keys.indexOf(AsciiLower(key));
    if (index < 0) {
        if (m_collectMissing)
            RememberMissing(key);
        return ReplaceArguments(key, args);
    }
    QString text = ReplaceArguments(m_values[index], args);
    if (OnTextFound)
        OnTextFound(this, key, text);
    return text;
}

void TTolkar2000::TranslateComponent(QObject* component)
{
    TranslationWalk(*this).TranslateComponent(component);
}

void TTolkar2000::TranslateObject(QObject* object) { TranslationWalk(*this).TranslateObject(object); }

void TTolkar2000::RememberMissing(const QString& key)
{
    const QString line = RecordLine(key, key);
    if (!m_missing.contains(line, Qt::CaseInsensitive))
        m_missing << line;
}

void TTolkar2000::WriteCollectedLanguageFile()
{
    for (qsizetype i = 0; i < m_keys.size(); ++i)
        m_missing << RecordLine(m_keys[i], m_fileValues[i]);
    const QString programName = QFileInfo(QCoreApplication::applicationFilePath()).fileName();
    QSaveFile file(LanguageFileName(programName));
    if (!file.open(QIODevice::WriteOnly))
        return;
    for (const QString& line : m_missing)
        file.write((line + QStringLiteral("\r\n")).toUtf8());
    file.commit();
}
