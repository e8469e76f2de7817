// The about box and the start-up texts the main window gives it.
#include "app/formkit.h"
#include "app/frmabout.h"
#include "app/frmmain.h"
#include "app/frmplot3d.h"
#include "app/program.h"
#include "app/programfolders.h"
#include "courseware/demon.h"
#include "support/language_file_beside_program.h"
#include "translation/tolkar.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QMouseEvent>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

struct StartUp {
    TFrmMain main{1};
    TFrmAbout about;
    TFrmPlot3D surface{main.clidemon->Translator()};

    StartUp() { main.PrepareStartUp(about, surface); }
};

QColor TextColor(const QLabel* label) { return label->palette().color(QPalette::WindowText); }

// A move of the pointer over a widget with no button held.
void HoverOver(QWidget* widget, QPoint position)
{
    QMouseEvent move(QEvent::MouseMove, position, widget->mapToGlobal(position), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &move);
}

} // namespace

TEST(AboutBox, EnglishTextsAndTranslatedWindowsWithoutALanguageFile)
{
    StartUp start;
    EXPECT_EQ(start.about.LblName->text(), QStringLiteral("SlopeLab"));
    EXPECT_EQ(start.about.LblVersion->text(), QStringLiteral("Version 2.0"));
    EXPECT_EQ(start.about.LblAuthor->text(), QStringLiteral("Written by the SlopeLab team"));
    EXPECT_EQ(start.about.LblCopyright->text(),
              QStringLiteral("Copyright \u00A9 2026 the SlopeLab developers"));
    EXPECT_EQ(start.about.LblWebSite->text(),
              QStringLiteral("More information can be found at the following Web sites:"));
    EXPECT_TRUE(start.about.LblDescription->text().startsWith(QStringLiteral(
        "This program shows the calculation of the regression line as an optimization problem.")));
    EXPECT_EQ(start.about.HomePageURL, TProgramFolders::OfRunningProgram().GuideUrl("en").toString());
    EXPECT_EQ(start.about.windowTitle(), QStringLiteral("About"));
    EXPECT_EQ(start.about.BButOK->text(), QStringLiteral("OK"));
    EXPECT_EQ(start.surface.BButReset->text(), QStringLiteral("Reset"));
    EXPECT_EQ(start.surface.MMExplain3D->toPlainText(), QStringLiteral("Explain3D"));
    // The guide is the one address there is.
    start.about.show();
    EXPECT_TRUE(start.about.LblHomePage->isVisible());
    EXPECT_FALSE(start.about.LblSimus->isVisible());
    EXPECT_TRUE(start.about.Panel2->isVisible());
}

TEST(AboutBox, GermanTextsFromTheShippedFileWhateverTheLetterCaseOfTheLanguage)
{
    QFile german(QStringLiteral(SLOPELAB_SOURCE_DIR "/lang/de/slopelab.itl"));
    ASSERT_TRUE(german.open(QIODevice::ReadOnly));
    // Its language is "lgGerman".
    LanguageFileBesideProgram file(
        german.readAll().replace("[HomePageURL]=|$$", "[HomePageURL]=https://home.example/|$$"));
    StartUp start;
    EXPECT_EQ(start.about.LblWebSite->text(),
              QStringLiteral("Mehr Informationen finden Sie auf folgenden Webseiten:"));
    EXPECT_TRUE(start.about.LblDescription->text().startsWith(QStringLiteral(
        "Dieses Programm zeigt die Berechnung der Regressionsgeraden als Optimierungsproblem.")));
    EXPECT_EQ(start.about.LblAuthor->text(), QStringLiteral("Geschrieben vom SlopeLab-Team"));
    EXPECT_EQ(start.about.LblCopyright->text(),
              QStringLiteral("Copyright \u00A9 2026 die SlopeLab-Entwickler"));
    EXPECT_EQ(start.about.HomePageURL, QStringLiteral("https://home.example/"));
    EXPECT_EQ(start.about.windowTitle(), QStringLiteral("Info"));
}

TEST(AboutBox, ALinkShowsOnlyWhenItsAddressLeadsToAPage)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    QFile guide(folder.filePath(QStringLiteral("guide.html")));
    ASSERT_TRUE(guide.open(QIODevice::WriteOnly));
    const struct {
        const char* address;
        QUrl target;
    } cases[] = {{"https://home.example/", QUrl(QStringLiteral("https://home.example/"))},
                 {"guide.html", QUrl::fromLocalFile(guide.fileName())},
                 {"missing.html", QUrl()},
                 {"HomePageURL", QUrl()}, // a lookup without a language entry
                 {"", QUrl()}};
    TFrmAbout about;
    about.LocalPagesFolder = folder.path();
    about.show();
    for (const auto& c : cases) {
        const QString address = QString::fromLatin1(c.address);
        EXPECT_EQ(LinkTarget(address, folder.path()), c.target) << c.address;
        about.HomePageURL = address;
        about.SimulationsPageURL = QString();
        about.ShowLinks();
        EXPECT_EQ(about.LblHomePage->isVisible(), !c.target.isEmpty()) << c.address;
        EXPECT_FALSE(about.LblSimus->isVisible());
        EXPECT_EQ(about.Panel2->isVisible(), !c.target.isEmpty()) << c.address;
    }
    about.SimulationsPageURL = QStringLiteral("guide.html");
    about.ShowLinks();
    EXPECT_TRUE(about.Panel2->isVisible());
    EXPECT_TRUE(about.LblSimus->isVisible());
    EXPECT_EQ(about.LblSimus->text(), QStringLiteral("guide.html"));
}

TEST(AboutBox, HomePageIsTheGuideInTheLanguageUnlessTheLanguageFileGivesAnAddress)
{
    const TProgramFolders folders = TProgramFolders::OfRunningProgram();
    const struct {
        QByteArray languageFile;
        QString address;
    } cases[] = {{"[HomePageURL]=|$$", folders.GuideUrl("en").toString()},
                 {"[$dlglanguage$]=lgGerman|$$", folders.GuideUrl("de").toString()},
                 {"[HomePageURL]=https://home.example/|$$", "https://home.example/"}};
    for (const auto& c : cases) {
        LanguageFileBesideProgram file(c.languageFile);
        StartUp start;
        EXPECT_EQ(start.about.HomePageURL, c.address) << c.languageFile.toStdString();
    }
    EXPECT_TRUE(folders.GuideUrl("de").isLocalFile());
}

TEST(AboutBox, WindowsShowTheInstalledIconTheLanguageFileNames)
{
    const struct {
        QByteArray languageFile;
        int iconSizes;
    } cases[] = {{"[Exit]=Ende|$$", 0},
                 {"[AppIconName]=no-such-icon|$$", 0},
                 {"[AppIconName]=" SLOPELAB_APP_ID "|$$", 2}};
    for (const auto& c : cases) {
        QApplication::setWindowIcon(QIcon());
        LanguageFileBesideProgram file(c.languageFile);
        StartUp start;
        for (const QWidget* window :
             {static_cast<QWidget*>(&start.main), static_cast<QWidget*>(&start.about)})
            EXPECT_EQ(window->windowIcon().availableSizes().size(), c.iconSizes)
                << c.languageFile.toStdString();
    }
}

TEST(AboutBox, LinksTurnRedUnderTheMouseAndBlueOverThePanel)
{
    TFrmAbout about;
    about.HomePageURL = QStringLiteral("https://home.example/");
    about.SimulationsPageURL = QStringLiteral("https://simulations.example/");
    about.show();
    ASSERT_TRUE(about.LblHomePage->isVisible());
    HoverOver(about.LblSimus, QPoint(5, 5));
    EXPECT_EQ(TextColor(about.LblSimus), QColor(Qt::red));
    HoverOver(about.LblHomePage, QPoint(5, 5));
    EXPECT_EQ(TextColor(about.LblHomePage), QColor(Qt::red));
    HoverOver(about.Panel2, QPoint(300, 58));
    EXPECT_EQ(TextColor(about.LblSimus), QColor(Qt::blue));
    EXPECT_EQ(TextColor(about.LblHomePage), QColor(Qt::blue));
}

TEST(AboutBox, ClickingALinkOpensItsPageAndRestoresTheCursor)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    QFile guide(folder.filePath(QStringLiteral("guide.html")));
    ASSERT_TRUE(guide.open(QIODevice::WriteOnly));
    TFrmAbout about;
    QList<QUrl> opened;
    Qt::CursorShape cursorWhileOpening = Qt::ArrowCursor;
    about.OpenAddress = [&](const QUrl& url) {
        opened << url;
        cursorWhileOpening = about.cursor().shape();
    };
    about.HomePageURL = QStringLiteral("guide.html");
    about.SimulationsPageURL = QStringLiteral("https://simulations.example/");
    about.LocalPagesFolder = folder.path();
    about.show();
    QTest::mouseClick(about.LblSimus, Qt::LeftButton);
    QTest::mouseClick(about.LblHomePage, Qt::LeftButton);
    ASSERT_EQ(opened.size(), 2);
    EXPECT_EQ(opened[0], QUrl(QStringLiteral("https://simulations.example/")));
    EXPECT_EQ(opened[1], QUrl::fromLocalFile(guide.fileName()));
    EXPECT_EQ(cursorWhileOpening, Qt::BusyCursor);
    EXPECT_EQ(about.cursor().shape(), Qt::ArrowCursor);
}

TEST(StartUp, TheSplashFollowsTheShownMainWindowWithAllTextsInPlace)
{
    TProgramWindows windows(std::uint64_t{1});
    bool splashSeen = false;
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (!FrmAbout->isVisible())
            return;
        splashSeen = true;
        EXPECT_TRUE(FrmMain->isVisible());
        EXPECT_EQ(FrmMain->SBExit->text(), QStringLiteral("Exit"));
        EXPECT_EQ(FrmAbout->LblName->text(), QStringLiteral("SlopeLab"));
        EXPECT_TRUE(FrmAbout->LblHomePage->isVisible()); // the guide, without a language file
        EXPECT_EQ(FrmPlot3D->BButClose->text(), QStringLiteral("Close"));
        FrmAbout->accept();
    });
    poll.start();
    FrmMain->show();
    QElapsedTimer waited;
    waited.start();
    while (!splashSeen && waited.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    EXPECT_TRUE(splashSeen);
    FrmMain->hide();
}

TEST(StartUp, TheAboutBoxAndTheErrorSurfaceAreCenteredOnTheScreenAtEveryShowing)
{
    TTolkar2000 translator{QString()};
    TFrmAbout about;
    TFrmPlot3D surface(translator);
    // An active window in the top left corner, where the main window might be.
    QWidget main;
    main.setGeometry(0, 0, 629, 475);
    main.show();
    main.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&main));
    for (QDialog* dialog : {static_cast<QDialog*>(&about), static_cast<QDialog*>(&surface)}) {
        for (int showing = 1; showing <= 2; ++showing) {
            dialog->show();
            ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog));
            const QPoint offset =
                dialog->frameGeometry().center() - dialog->screen()->availableGeometry().center();
            EXPECT_LE(offset.manhattanLength(), 1)
                << dialog->objectName().toStdString() << " showing " << showing << " is off by " << offset.x()
                << "," << offset.y();
            dialog->hide();
            // Where the learner may have dragged it.
            dialog->move(main.pos());
        }
    }
}

TEST(StartUp, AHandOverFromASecondCopyBringsTheProgramToTheFront)
{
    TProgramWindows windows(std::uint64_t{1});
    QWidget other;
    other.show();
    auto handOverWhileOtherIsActive = [&] {
        FrmMain->showMinimized();
        other.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
        TQuilletMessageStream parameters(FrmMain->clidemon, QuilletCode::NewParameters);
        parameters.WriteLines({QStringLiteral("slopelab"), QStringLiteral("again")});
        FrmMain->clidemon->ReceiveDataBlock(0, QuilletCode::NewParameters, parameters.DataBlock());
        EXPECT_FALSE(FrmMain->isMinimized());
    };

    // During the splash, the splash stays in front of the main window.
    bool splashSeen = false;
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (!FrmAbout->isVisible() || splashSeen)
            return;
        splashSeen = true;
        handOverWhileOtherIsActive();
        EXPECT_TRUE(QTest::qWaitForWindowActive(FrmAbout));
        FrmAbout->accept();
    });
    poll.start();
    FrmMain->show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return splashSeen && !FrmAbout->isVisible(); }));

    handOverWhileOtherIsActive();
    EXPECT_TRUE(QTest::qWaitForWindowActive(FrmMain));
    EXPECT_EQ(FrmMain->clidemon->ParamStr(1), QStringLiteral("again"));
    FrmMain->hide();
}
