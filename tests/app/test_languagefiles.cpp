// The language files the program ships.
#include "app/columnchoice.h"
#include "app/formkit.h"
#include "app/frmabout.h"
#include "app/frmmain.h"
#include "app/frmplot3d.h"
#include "app/frmsetpoints.h"
#include "app/lessonextras.h"
#include "app/program.h"
#include "courseware/demon.h"
#include "platform/messagebox.h"
#include "translation/tolkar.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <gtest/gtest.h>

namespace {

const QString LanguageFolder = QStringLiteral(SLOPELAB_SOURCE_DIR "/lang");

void Load(TTolkar2000& translator, const QString& path)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    translator.LoadFromStream(file);
}

QSet<QString> KeysOf(QIODevice& stream)
{
    TTolkar2000 translator(QString{});
    translator.LoadFromStream(stream);
    QSet<QString> keys;
    for (const QString& key : translator.Keys())
        keys.insert(key.toLower());
    return keys;
}

QSet<QString> KeysOfFile(const QString& path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return KeysOf(file);
}

// Every key the windows look up, found by running them without a language file: each
// lookup misses, and the translator collects the misses.
QSet<QString> KeysTheWindowsLookUp()
{
    TTolkar2000* translator = nullptr;
    TProgramWindows windows(std::uint64_t{1}, [&translator](TkdbDemonClient& link) {
        link.SetAutoCreateItlFile(true);
        translator = &link.Translator();
    });
    while (FrmMain->SBNext->isEnabled())
        FrmMain->SBNext->click();
    FrmMain->Extras->Show({true, true});
    FrmMain->PrepareStartUp(*FrmAbout, *FrmPlot3D);
    FrmPlot3D->BButAutoRot->click();
    FrmPlot3D->BButAutoRot->click();
    const auto informationBox = InformationBoxHandler;
    InformationBoxHandler = [](const QString&) {};
    FrmMain->NumPoints = 0;
    FrmSetPoints->SBOK->click();
    // The data commands: their dialogs, and a file of each kind of trouble.
    FrmMain->AskForFile = [](const TFrmMain::TFileQuestion&) { return QString(); };
    FrmMain->OpenDataFile();
    FrmMain->SaveDataFile();
    FrmMain->OpenDataFile(QStringLiteral("/nonexistent/data.csv"));
    FrmMain->SaveDataFile(QStringLiteral("/nonexistent/data.csv"));
    FrmMain->OpenExample(QStringLiteral("nonexistent"));
    FrmMain->LoadPoints({"x", "y", {0, 1e308}, {0, 1e308}}, QStringLiteral("huge.csv"));
    TFrmColumns columns(nullptr, *translator, QStringLiteral("data.csv"), {"a", "b", "c"});
    // The first pages with a data set.
    FrmMain->OpenExample(QStringLiteral("cars"));
    FrmMain->SBReset->click();
    FrmMain->SBNext->click();
    InformationBoxHandler = informationBox;

    // Collected, not written to a file.
    translator->SetCollectMissing(false);
    QByteArray lines = translator->Missing().join(QStringLiteral("\r\n")).toUtf8();
    QBuffer collected(&lines);
    collected.open(QIODevice::ReadOnly);
    return KeysOf(collected);
}

} // namespace

TEST(LanguageFiles, EveryLanguageHasEveryTextTheWindowsLookUp)
{
    const QSet<QString> needed = KeysTheWindowsLookUp();
    for (const char* key : {"linear regression",
                            "exit",
                            "memo1",
                            "memo5",
                            "data points",
                            "homepage",
                            "appiconname",
                            "$dlglanguage$",
                            "explain3d",
                            "stop",
                            "auto rotate",
                            "at least 2 data points are required",
                            "open...",
                            "examples",
                            "save data file",
                            "all files (*)",
                            "cancel",
                            "the data file <%1%> cannot be opened: <%2%>",
                            "the numbers in <%1%> are too large to show",
                            "memo1data",
                            "memo2data"})
        EXPECT_TRUE(needed.contains(QString::fromLatin1(key))) << key;

    const QStringList languages =
        QDir(LanguageFolder).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    EXPECT_EQ(languages, (QStringList{"de", "en"}));
    for (const QString& language : languages) {
        const QSet<QString> missing =
            QSet<QString>(needed).subtract(KeysOfFile(LanguageFolder + "/" + language + "/slopelab.itl"));
        EXPECT_TRUE(missing.isEmpty())
            << language.toStdString()
            << " lacks: " << QStringList(missing.values()).join(" | ").toStdString();
    }
}

TEST(LanguageFiles, GermanNamesItsLanguageAndKeepsItsUmlauts)
{
    QFile file(LanguageFolder + "/de/slopelab.itl");
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    TTolkar2000 translator(QString{});
    translator.LoadFromStream(file);
    EXPECT_EQ(translator.LookupText(QStringLiteral("$dlglanguage$")).toLower(), QStringLiteral("lggerman"));
    EXPECT_EQ(translator.LookupText(QStringLiteral("large residual")), QString::fromUtf8("großes Residuum"));
}

TEST(LanguageFiles, LessonPagesStateNoNumbersThatTheDataMayChange)
{
    // Page numbers, the start line k = 1, d = 0 and the map's ranges are fixed;
    // a count of points is not (the learner edits them). Key names such as F10 are
    // no numbers.
    const QRegularExpression otherNumber(QStringLiteral("(?<![F\\d])(\\d*[6-9]\\d*|\\d\\d+)"));
    for (const char* file : {"/en/slopelab.itl", "/de/slopelab.itl"}) {
        TTolkar2000 translator(QString{});
        Load(translator, LanguageFolder + QString::fromLatin1(file));
        for (const QString key : {"memo1", "memo2", "memo3", "memo4", "memo5", "memo1data", "memo2data"}) {
            const QString text = translator.LookupText(key);
            EXPECT_FALSE(otherNumber.match(text).hasMatch())
                << file << " " << key.toStdString() << ": "
                << otherNumber.match(text).captured().toStdString();
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
    Load(translator, LanguageFolder + "/en/slopelab.itl");
    for (const QString& value : translator.Values())
        EXPECT_FALSE(british.match(value).hasMatch()) << value.toStdString();
}
