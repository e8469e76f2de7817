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
    : appName_(appName)
{
}

TTolkar2000::~TTolkar2000()
{
    if (collectMissing_)
        WriteCollectedLanguageFile();
}

void TTolkar2000::LoadFromStream(QIODevice& stream)
{
    keys_.clear();
    values_.clear();
    fileValues_.clear();
    LanguageText text = ReadLanguageText(stream);
    if (text.cutShort)
        qWarning("Language file longer than %lld bytes: the records beyond are left out",
                 kMaxLanguageFileSize);
    RecordReader reader(std::move(text.text));
    while (const auto record = reader.NextRecord()) {
        const LanguageEntry entry = ParseRecord(*record);
        keys_ << entry.key;
        values_ << DisplayValue(entry.value, appName_);
        fileValues_ << entry.value;
    }
}

QString TTolkar2000::LookupText(const QString& key, const QStringList& args)
{
    const qsizetype index = keys_.indexOf(AsciiLower(key));
    if (index < 0) {
        if (collectMissing_)
            RememberMissing(key);
        return ReplaceArguments(key, args);
    }
    QString text = ReplaceArguments(values_[index], args);
    if (OnTextFound)
        OnTextFound(this, key, text);
    return text;
}

void TTolkar2000::TranslateComponent(QObject* component)
{
    TranslationWalk(*this).TranslateComponent(component);
}

void TTolkar2000::TranslateObject(QObject* object)
{
    TranslationWalk(*this).TranslateObject(object);
}

void TTolkar2000::RememberMissing(const QString& key)
{
    const QString line = RecordLine(key, key);
    if (!missing_.contains(line, Qt::CaseInsensitive))
        missing_ << line;
}

void TTolkar2000::WriteCollectedLanguageFile()
{
    for (qsizetype i = 0; i < keys_.size(); ++i)
        missing_ << RecordLine(keys_[i], fileValues_[i]);
    const QString programName = QFileInfo(QCoreApplication::applicationFilePath()).fileName();
    QSaveFile file(LanguageFileName(programName));
    if (!file.open(QIODevice::WriteOnly))
        return;
    for (const QString& line : missing_)
        file.write((line + QStringLiteral("\r\n")).toUtf8());
    file.commit();
}
