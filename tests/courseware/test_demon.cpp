// The courseware link without a server: parameters, language file, translation.
#include "courseware/demon.h"
#include "support/language_file_beside_program.h"
#include "translation/tolkar.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QPushButton>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

struct Form {
    QWidget window;
    QPushButton* exit = new QPushButton(QStringLiteral("TK_Exit"), &window);
    TkdbDemonClient* link = new TkdbDemonClient(&window);

    Form() { link->SetUseOrvindeServer(false); }
};

} // namespace

TEST(CoursewareLink, DefaultsAndParameters)
{
    Form form;
    TkdbDemonClient fresh(nullptr);
    EXPECT_TRUE(fresh.AutoTranslate());
    EXPECT_FALSE(fresh.AutoCreateItlFile());
    EXPECT_FALSE(fresh.MultiStart());
    EXPECT_TRUE(fresh.UseOrvindeServer());

    fresh.SetAutoCreateItlFile(true);
    EXPECT_TRUE(fresh.Translator().CollectMissing());
    fresh.SetAutoCreateItlFile(false);

    EXPECT_EQ(fresh.ParamStr(0), QCoreApplication::applicationFilePath());
    EXPECT_EQ(fresh.ParamCount(), QCoreApplication::arguments().size() - 1);
    for (int bad : {-1, fresh.ParamCount() + 1}) {
        try {
            fresh.ParamStr(bad);
            ADD_FAILURE() << "no error for " << bad;
        } catch (const EQuillet& e) {
            EXPECT_EQ(std::string(e.what()),
                      "Illegal \"ParamStr\" parameter: " + std::to_string(bad));
        }
    }
}

TEST(CoursewareLink, WorkAreaWithoutServerIsTheProgramsDirectory)
{
    TkdbDemonClient link(nullptr);
    link.SetUseOrvindeServer(false);
    const QString dir = QFileInfo(QCoreApplication::applicationFilePath()).absolutePath() + "/";
    EXPECT_EQ(link.ServerParam(QStringLiteral("OrvindeWorkArea")), dir);
    EXPECT_EQ(link.ServerParam(QStringLiteral("OrvindeHomeDir")), dir);
    EXPECT_EQ(link.ServerParam(QStringLiteral("orvindeworkarea")), QString());
    EXPECT_EQ(link.ServerParam(QStringLiteral("Anything")), QString());
}

TEST(CoursewareLink, LoadingReadsTheLanguageFileAndTranslatesTheOwner)
{
    {
        // Without a language file the keys show.
        Form form;
        form.link->Loaded();
        EXPECT_EQ(form.exit->text(), QStringLiteral("Exit"));
    }
    LanguageFileBesideProgram file("[Exit]=Ende|$$\r\n[memo1]=Erste\\nZeile|$$\r\n");
    {
        Form form;
        form.link->Loaded();
        EXPECT_EQ(form.exit->text(), QStringLiteral("Ende"));
        EXPECT_EQ(form.link->Translator().LookupText(QStringLiteral("MEMO1")),
                  QStringLiteral("Erste\nZeile"));
    }
    {
        Form form;
        form.link->SetAutoTranslate(false);
        form.link->Loaded();
        EXPECT_EQ(form.exit->text(), QStringLiteral("TK_Exit"));
        EXPECT_EQ(form.link->Translator().LookupText(QStringLiteral("exit")),
                  QStringLiteral("Ende"));
    }
}

TEST(CoursewareLink, LoadingThroughAServerNeedsARunningServer)
{
    QWidget window;
    TkdbDemonClient link(&window);
    try {
        link.Loaded();
        ADD_FAILURE() << "loaded without a server";
    } catch (const EQuillet& e) {
        EXPECT_STREQ(e.what(), "Quillet server application is not running");
    }
}
