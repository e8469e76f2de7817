#include "loadtext.h"
#include "translation/languagefile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(Lookup, ArgumentsFillNumberedPlaceholdersWithoutRescanning)
{
    TTolkar2000 tolkar({});
    LoadText(tolkar, "[pair]=<%1%> of <%2%>; <%1%> <%3%> <%01%> <%<%2%>|$$");
    EXPECT_EQ(tolkar.LookupText("pair", {"<%2%>", "b"}), "<%2%> of b; <%2%> <%3%> <%01%> <%b");
    EXPECT_EQ(tolkar.LookupText("pair"), "<%1%> of <%2%>; <%1%> <%3%> <%01%> <%<%2%>");
    EXPECT_EQ(tolkar.LookupText("No file <%1%>", {"a.itl"}), "No file a.itl");

    QStringList ten;
    for (int n = 1; n <= 10; ++n)
        ten << QString::number(n * 11);
    EXPECT_EQ(tolkar.LookupText("<%10%>/<%1%>/<%11%>", ten), "110/11/<%11%>");
}

TEST(Lookup, OnTextFoundMayChangeFoundTextsOnly)
{
    TTolkar2000 tolkar({});
    LoadText(tolkar, "[Next]=Weiter <%1%>|$$");
    QStringList calls;
    tolkar.OnTextFound = [&](QObject* sender, const QString& key, QString& text) {
        EXPECT_EQ(sender, &tolkar);
        calls << key + "=" + text;
        text += "!";
    };
    EXPECT_EQ(tolkar.LookupText("NEXT", {"2"}), "Weiter 2!");
    EXPECT_EQ(tolkar.LookupText("Reset"), "Reset");
    EXPECT_EQ(calls, QStringList({"NEXT=Weiter 2"}));
}

TEST(Lookup, CollectsEachMissOnceIgnoringCase)
{
    TTolkar2000 tolkar({});
    LoadText(tolkar, "[Exit]=Ende|$$");
    tolkar.LookupText("Early");
    EXPECT_TRUE(tolkar.Missing().isEmpty());

    tolkar.SetCollectMissing(true);
    for (const char* key : {"Stop", "STOP", "Exit", "stop", "Auto Rotate", ""})
        tolkar.LookupText(key);
    EXPECT_EQ(tolkar.Missing(), QStringList({"[Stop]=Stop|$$", "[Auto Rotate]=Auto Rotate|$$", "[]=|$$"}));
    tolkar.SetCollectMissing(false); // no language file from this test
}

// Runs a test body in a fresh temporary directory as the current directory.
class InTemporaryDirectory : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(QDir::setCurrent(m_directory.path())); }
    void TearDown() override { QDir::setCurrent(m_previous); }

    static QString CollectedFileName()
    {
        return LanguageFileName(QFileInfo(QCoreApplication::applicationFilePath()).fileName());
    }

private:
    QString m_previous = QDir::currentPath();
    QTemporaryDir m_directory;
};

TEST_F(InTemporaryDirectory, DestructorWritesCollectedFileThatReadsBackTheSame)
{
    const QByteArray original = "[Exit]=Ende|$$\r\n[memo1]=Seite\\neins,\r\n<%AppName%>|$$";
    {
        TTolkar2000 tolkar("Slope");
        LoadText(tolkar, original);
        tolkar.LookupText("Reset");
    }
    EXPECT_FALSE(QFile::exists(CollectedFileName()));
    QStringList loadedValues;
    {
        TTolkar2000 tolkar("Slope");
        LoadText(tolkar, original);
        loadedValues = tolkar.Values();
        tolkar.SetCollectMissing(true);
        tolkar.LookupText("Reset");
        tolkar.LookupText("OK");
    }
    QFile written(CollectedFileName());
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    const QByteArray bytes = written.readAll();
    EXPECT_EQ(bytes,
              "[Reset]=Reset|$$\r\n[OK]=OK|$$\r\n[exit]=Ende|$$\r\n"
              "[memo1]=Seite\\neins,  <%AppName%>|$$\r\n");

    TTolkar2000 reread("Slope");
    LoadText(reread, bytes);
    EXPECT_EQ(reread.Keys(), QStringList({"reset", "ok", "exit", "memo1"}));
    EXPECT_EQ(reread.Values().mid(2), loadedValues);
}
