// The language files the program ships.
#include "translation/tolkar.h"

#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <gtest/gtest.h>

namespace {

const QString LangFolder = QStringLiteral(SLOPELAB_SOURCE_DIR "/lang");

void Load(TTolkar2000& translator, const QString& path)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    translator.LoadFromStream(file);
}

QSet<QString> KeysOf(const QString& path)
{
    TTolkar2000 translator(QString{});
    Load(translator, path);
    QSet<QString> keys;
    for (const QString& key : translator.Keys())
        keys.insert(key.toLower());
    return keys;
}

} // namespace

TEST(LanguageFiles, EveryLanguageTranslatesTheSameTexts)
{
    QSet<QString> english = KeysOf(LangFolder + "/slopelab.itl");
    const QSet<QString> german = KeysOf(LangFolder + "/de/slopelab.itl");
    for (const char* key : {"exit", "memo1", "memo5", "sum of squared residuals", "auto rotate"})
        EXPECT_TRUE(english.contains(QString::fromLatin1(key))) << key;
    // The English file may leave out texts that are their own translation.
    EXPECT_TRUE(english.subtract(german).isEmpty());

    TTolkar2000 translator(QString{});
    Load(translator, LangFolder + "/de/slopelab.itl");
    EXPECT_EQ(translator.LookupText(QStringLiteral("$dlglanguage$")).toLower(), QStringLiteral("lggerman"));
    EXPECT_EQ(translator.LookupText(QStringLiteral("large residual")), QString::fromUtf8("großes Residuum"));
}

TEST(LanguageFiles, LessonPagesStateNoNumbersThatTheDataMayChange)
{
    // Page numbers, the start line k = 1, d = 0 and the map's ranges are fixed;
    // a count of points is not (the learner edits them).
    const QRegularExpression otherNumber(QStringLiteral("\\d*[6-9]\\d*|\\d\\d+"));
    for (const char* file : {"/slopelab.itl", "/de/slopelab.itl"}) {
        TTolkar2000 translator(QString{});
        Load(translator, LangFolder + QString::fromLatin1(file));
        for (int page = 1; page <= 5; ++page) {
            const QString text = translator.LookupText(QStringLiteral("memo%1").arg(page));
            EXPECT_FALSE(otherNumber.match(text).hasMatch())
                << file << " memo" << page << ": " << otherNumber.match(text).captured().toStdString();
        }
    }
}

TEST(LanguageFiles, EnglishTextsUseAmericanSpelling)
{
    const QRegularExpression british(
        QStringLiteral("colour|centre|grey|behaviour|favour|(randomi|optimi|minimi|maximi|"
                       "visuali|normali|initiali|organi|recogni)s|analyse|travell|labell|modell"),
        QRegularExpression::CaseInsensitiveOption);
    TTolkar2000 translator(QString{});
    Load(translator, LangFolder + "/slopelab.itl");
    for (const QString& value : translator.Values())
        EXPECT_FALSE(british.match(value).hasMatch()) << value.toStdString();
}
