// Pictures of the main window's parts: PNG as on the screen, SVG and PDF with the
// chart as vectors, the commands that save and copy them.
#include "app/formkit.h"
#include "app/frmmain.h"
#include "app/picturecommands.h"
#include "controls/chart/plotta.h"
#include "lastpageform.h"
#include "platform/bitmap.h"
#include "platform/messagebox.h"

#include <QAction>
#include <QClipboard>
#include <QFile>
#include <QFrame>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class Pictures : public MainWindowOnLastPage {
protected:
    TPictureCommands& commands = *form.PictureCommands;
};

} // namespace

TEST_F(Pictures, PngIsThePixelsOnTheScreen)
{
    const QRect map =
        QRect(form.Panel3->pos(), form.Panel3->size()).united(QRect(form.Panel2->pos(), form.Panel2->size()));
    const struct {
        TPictureTarget target;
        QImage expected;
    } cases[] = {
        {TPictureTarget::Chart, form.Plotta1->Picture().Image()},
        {TPictureTarget::ErrorMap, PicturePixels(WidgetPicture(form)).copy(map)},
        {TPictureTarget::WholeWindow, PicturePixels(WidgetPicture(form))},
    };
    for (const auto& c : cases) {
        const QString path = dir.filePath("part.png");
        ASSERT_TRUE(commands.Save(c.target, path));
        EXPECT_EQ(QImage(path).convertToFormat(QImage::Format_RGB32),
                  c.expected.convertToFormat(QImage::Format_RGB32))
            << static_cast<int>(c.target);
    }
    EXPECT_EQ(QImage(dir.filePath("part.png")).size(), QSize(629, 475));
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(Pictures, SvgAndPdfDrawTheChartAsVectors)
{
    ASSERT_TRUE(commands.Save(TPictureTarget::Chart, dir.filePath("chart.svg")));
    const QByteArray svg = ReadAll(dir.filePath("chart.svg"));
    EXPECT_TRUE(svg.contains("<path") || svg.contains("<polyline"));
    EXPECT_TRUE(svg.contains("<text"));
    EXPECT_FALSE(svg.contains("<image"));

    ASSERT_TRUE(commands.Save(TPictureTarget::Chart, dir.filePath("chart.pdf")));
    const QByteArray pdf = ReadAll(dir.filePath("chart.pdf"));
    EXPECT_TRUE(pdf.startsWith("%PDF"));
    EXPECT_GT(pdf.size(), 2000);
    // Drawing the vectors leaves the chart on the screen as it was.
    EXPECT_EQ(PicturePixels(ChartPicture(*form.Plotta1)), form.Plotta1->Picture().Image());
}

TEST_F(Pictures, AFileThatCannotBeWrittenIsReportedAndChangesNothing)
{
    const QString kept = dir.filePath("kept.png");
    ASSERT_TRUE(commands.Save(TPictureTarget::Chart, kept));
    const QByteArray before = ReadAll(kept);
    for (const QString& path : {dir.filePath("no/such/folder/chart.svg"), dir.filePath("chart.bmp")}) {
        messages.clear();
        EXPECT_FALSE(commands.Save(TPictureTarget::WholeWindow, path));
        EXPECT_EQ(messages.size(), 1);
        EXPECT_FALSE(QFile::exists(path));
    }
    EXPECT_TRUE(messages.constFirst().contains("chart.bmp")) << messages.constFirst().toStdString();
    EXPECT_EQ(ReadAll(kept), before);
}

TEST_F(Pictures, CommandsAskWhatAndWhereAndCopyTheWindow)
{
    EXPECT_EQ(commands.SavePicture->shortcut(), QKeySequence("Ctrl+E"));
    EXPECT_EQ(commands.Copy->shortcut(), QKeySequence("Ctrl+C"));
    const QString path = dir.filePath("map.png");
    commands.AskForTarget = [] { return std::optional(TPictureTarget::ErrorMap); };
    form.AskForFile = [&](const TFrmMain::TFileQuestion& question) {
        EXPECT_TRUE(question.Save);
        return path;
    };
    commands.SavePicture->trigger();
    EXPECT_EQ(QImage(path).size(), PicturePixels(commands.PictureOf(TPictureTarget::ErrorMap)).size());

    commands.AskForTarget = [] { return std::nullopt; };
    form.AskForFile = [](const TFrmMain::TFileQuestion&) -> QString {
        ADD_FAILURE() << "cancelled before the file";
        return {};
    };
    commands.SavePicture->trigger();

    commands.Copy->trigger();
    EXPECT_EQ(QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32),
              PicturePixels(WidgetPicture(form)));
}
