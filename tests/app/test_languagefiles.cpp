// The language files the program ships.
#include "translation/tolkar.h"

#include <QFile>
#include <QSet>
#include <gtest/gtest.h>

namespace {

QSet<QString> KeysOf(const QString& path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    TTolkar2000 translator(QString{});
    translator.LoadFromStream(file);
    QSet<QString> keys;
    for (const QString& key : translator.Keys())
        keys.insert(key.toLower());
    return keys;
}

} // namespace

TEST(LanguageFiles, EveryLanguageTranslatesTheSameTexts)
{
    const QString lang = QStringLiteral(SLOPELAB_SOURCE_DIR "/lang");
    QSet<QString> english = KeysOf(lang + "/slopelab.itl");
    const QSet<QString> german = KeysOf(lang + "/de/slopelab.itl");
    for (const char* key : {"exit", "memo1", "memo5", "sum of squared residuals", "auto rotate"})
        EXPECT_TRUE(english.contains(QString::fromLatin1(key))) << key;
    // The English file may leave out texts that are their own translation.
    EXPECT_TRUE(english.subtract(german).isEmpty());

    QFile file(lang + "/de/slopelab.itl");
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    TTolkar2000 translator(QString{});
    translator.LoadFromStream(file);
    EXPECT_EQ(translator.LookupText(QStringLiteral("$dlglanguage$")).toLower(), QStringLiteral("lggerman"));
    EXPECT_EQ(translator.LookupText(QStringLiteral("large residual")), QString::fromUtf8("großes Residuum"));
}
