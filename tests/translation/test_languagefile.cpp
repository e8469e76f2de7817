#include "loadtext.h"
#include "translation/languagefile.h"

#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sys/stat.h>

TEST(LanguageFile, SplitsRecordsAndNormalizesKeys)
{
    TTolkar2000 tolkar({});
    LoadText(tolkar,
             "junk before\r\n[Exit]=Beenden|$$\r\n\r\n"
             "[a]=x]=y|$$\n"
             "[Multi]=one\r\ntwo|$$"
             "[EXIT]=Second|$$"
             "\r\nno separator|$$"
             "\r\nKey Only]=v|$$"
             "x]=y[z|$$"
             "[ \tMemo1 \r\n  Text ]=page|$$"
             "[tail]=never ended");
    EXPECT_EQ(tolkar.Keys(), QStringList({"exit", "a", "multi", "exit", "", "key only", "", "memo1 text "}));
    EXPECT_EQ(tolkar.Values(),
              QStringList({"Beenden", "x]=y", "one  two", "Second", " no separator", "v", "y[z", "page"}));
    EXPECT_EQ(tolkar.LookupText("Exit"), "Beenden");
    EXPECT_EQ(tolkar.LookupText("EXIT"), "Beenden");
    EXPECT_EQ(tolkar.LookupText(""), " no separator");
    EXPECT_EQ(tolkar.LookupText("memo1 text"), "memo1 text");
    EXPECT_EQ(tolkar.LookupText("tail"), "tail");
}

TEST(LanguageFile, ValuesShowLineBreaksAndProgramName)
{
    TTolkar2000 tolkar("Slope");
    LoadText(tolkar, "[a]=one\\ntwo|$$[b]=first\nsecond|$$[c]=<%AppName%> by <%APPNAME%>|$$");
    EXPECT_EQ(tolkar.Values(), QStringList({"one\ntwo", "first second", "Slope by Slope"}));
}

TEST(LanguageFile, LoadingReplacesEntriesAndReadsFromTheStart)
{
    TTolkar2000 tolkar({});
    LoadText(tolkar, "[old]=gone|$$");
    QBuffer second;
    second.setData("[new]=here|$$");
    second.open(QIODevice::ReadOnly);
    second.seek(second.size());
    tolkar.LoadFromStream(second);
    EXPECT_EQ(tolkar.Keys(), QStringList({"new"}));

    QBuffer unopened;
    tolkar.LoadFromStream(unopened);
    EXPECT_TRUE(tolkar.Keys().isEmpty());
    LoadText(tolkar, "[no]=terminator|$");
    EXPECT_TRUE(tolkar.Keys().isEmpty());
    EXPECT_EQ(tolkar.LookupText("no"), "no");
}

TEST(LanguageFile, DecodesUtf8OrElseWindows1252)
{
    TTolkar2000 tolkar({});
    LoadText(tolkar, "[k]=\xE2\x82\xAC \xC3\xA4|$$");
    EXPECT_EQ(tolkar.Values(), QStringList({QStringLiteral("\u20AC \u00E4")}));
    LoadText(tolkar, "[k]=\x80 \xE4 \x81 \x9F|$$");
    EXPECT_EQ(tolkar.Values(), QStringList({QStringLiteral("\u20AC \u00E4 \u0081 \u0178")}));
    LoadText(tolkar, "[k]=\xC3\xA4 \xE4|$$");
    EXPECT_EQ(tolkar.Values(), QStringList({QStringLiteral("\u00C3\u00A4 \u00E4")}));
}

TEST(LanguageFile, JunkAndOversizedStreamsAreHarmless)
{
    QByteArray junk(1 << 20, '\0');
    QRandomGenerator random(42);
    for (char& byte : junk)
        byte = static_cast<char>(random.bounded(256));
    TTolkar2000 tolkar({});
    LoadText(tolkar, junk + QByteArray("|$$").repeated(300000));
    EXPECT_GE(tolkar.Keys().size(), 300000);

    // Files far beyond any real one are read whole.
    const QByteArray filler(5 * 1024 * 1024, ' ');
    LoadText(tolkar, "[first]=in|$$" + filler + "[late]=out|$$");
    EXPECT_EQ(tolkar.Keys(), QStringList({"first", "late"}));
}

TEST(LanguageFile, ReadingStopsAtTheLimitWithTheLastWholeRecordAndSaysSo)
{
    const QByteArray text = "[a]=1|$$[b]=2|$$[c]=3|$$";
    struct Case {
        qint64 limit;
        QByteArray read;
        bool cutShort;
    };
    for (const Case& c : {Case{text.size(), text, false}, Case{text.size() - 1, "[a]=1|$$[b]=2|$$", true},
                          Case{16, "[a]=1|$$[b]=2|$$", true}, Case{7, "", true}}) {
        QBuffer buffer;
        buffer.setData(text);
        buffer.open(QIODevice::ReadOnly);
        const LanguageText read = ReadLanguageText(buffer, c.limit);
        EXPECT_EQ(read.text, QString::fromLatin1(c.read)) << c.limit;
        EXPECT_EQ(read.cutShort, c.cutShort) << c.limit;
    }
}

TEST(LanguageFile, OnlyRegularFilesAreOpened)
{
    QTemporaryDir folder;
    const QString regular = folder.filePath("lab.itl");
    QFile file(regular);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[Exit]=Ende|$$");
    file.close();
    const QString pipe = folder.filePath("pipe.itl");
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);

    const std::unique_ptr<QFile> opened = OpenRegularFile(regular);
    ASSERT_TRUE(opened);
    EXPECT_EQ(opened->readAll(), QByteArray("[Exit]=Ende|$$"));
    QElapsedTimer clock;
    clock.start();
    for (const QString& path : {pipe, folder.path(), folder.filePath("missing.itl"), QString("/dev/zero")})
        EXPECT_FALSE(OpenRegularFile(path)) << path.toStdString();
    EXPECT_LT(clock.elapsed(), 1000);
}

TEST(LanguageFile, FileNameFollowsTheProgram)
{
    EXPECT_EQ(LanguageFileName("C:/Programs/slopelab.EXE"), "C:/Programs/slopelab.itl");
    EXPECT_EQ(LanguageFileName("/usr/bin/slopelab"), "/usr/bin/slopelab.itl");
}
