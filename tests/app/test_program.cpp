// The screenshot mode and how the program ends when it cannot start.
#include "app/frmmain.h"
#include "app/program.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(ProgramOptions, ScreenshotsRepeatForTheSameSeed)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QImage first;
    for (int run = 0; run < 2; ++run) {
        TProgramWindows windows(std::uint64_t{3});
        QString error;
        ASSERT_TRUE(WriteScreenshots(dir.path(), 4, error)) << error.toStdString();
        EXPECT_EQ(FrmMain->Page(), 4);
        QImage shot(dir.filePath("main.png"));
        ASSERT_EQ(shot.size(), QSize(629, 475));
        if (run == 0)
            first = shot;
        else
            EXPECT_EQ(shot, first);
    }
}

TEST(ProgramOptions, TheApplicationIsNamedForTheLearner)
{
    // Information boxes take the application's name as their title.
    NameTheApplication();
    EXPECT_EQ(QCoreApplication::applicationName(), QStringLiteral("SlopeLab"));
}

TEST(ProgramStart, AnErrorAtStartEndsTheProgramWithAMessageNotACrash)
{
    // The single-copy lock cannot be taken: a folder with something in it is in its way.
    QTemporaryDir runtime;
    ASSERT_TRUE(QDir().mkpath(runtime.filePath("QL_slopelab.lock/inside")));
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_RUNTIME_DIR", runtime.path());
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    program.setProcessEnvironment(environment);
    program.start(QCoreApplication::applicationDirPath() + "/slopelab", {});
    ASSERT_TRUE(program.waitForFinished(10000));
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 1);
    const QString errors = QString::fromUtf8(program.readAllStandardError());
    EXPECT_TRUE(errors.contains("slopelab: ") && errors.contains(runtime.filePath("QL_slopelab.lock")))
        << errors.toStdString();
}

TEST(ProgramStart, DataNamedOnTheCommandLineIsShownOrItsTroubleReported)
{
    QTemporaryDir dir;
    QFile bad(dir.filePath("bad.csv"));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("x,y\n1,2\n3,abc\n");
    bad.close();
    const struct {
        QStringList arguments;
        int exitCode;
        QString error;
    } cases[] = {
        {{"--data", bad.fileName()},
         2,
         "slopelab: " + bad.fileName() + ": line 3: \"abc\" is not a number\n"},
        {{"--data", "anscombe-9"},
         2,
         "slopelab: anscombe-9: no such file, and no example of that name (anscombe-1, "
         "anscombe-2, anscombe-3, anscombe-4, cars, women)\n"},
        {{"--screenshot", dir.filePath("shots"), "--page", "5", "--data", "anscombe-3"}, 0, ""},
        {{"--screenshot", dir.filePath("random"), "--page", "5"}, 0, ""},
    };
    for (const auto& c : cases) {
        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("XDG_RUNTIME_DIR", dir.path());
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        program.setProcessEnvironment(environment);
        program.start(QCoreApplication::applicationDirPath() + "/slopelab", c.arguments);
        ASSERT_TRUE(program.waitForFinished(20000));
        EXPECT_EQ(program.exitCode(), c.exitCode) << c.arguments.join(' ').toStdString();
        EXPECT_EQ(QString::fromUtf8(program.readAllStandardError()).toStdString(), c.error.toStdString());
    }
    // The screenshots show the example, not random points.
    const QImage example(dir.filePath("shots/main.png"));
    ASSERT_EQ(example.size(), QSize(629, 475));
    EXPECT_NE(example, QImage(dir.filePath("random/main.png")));
    // And so does the chart, drawn as vectors.
    QFile svg(dir.filePath("shots/chart.svg")), randomSvg(dir.filePath("random/chart.svg"));
    ASSERT_TRUE(svg.open(QIODevice::ReadOnly) && randomSvg.open(QIODevice::ReadOnly));
    EXPECT_NE(svg.readAll(), randomSvg.readAll());
    QFile pdf(dir.filePath("shots/chart.pdf"));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.readAll().startsWith("%PDF"));
}
