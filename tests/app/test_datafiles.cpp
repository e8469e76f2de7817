// Data files in the program: opening, saving, the examples, drops, and a data set
// shown and edited in its own units.
#include "app/datacommands.h"
#include "app/formkit.h"
#include "app/frmmain.h"
#include "app/frmplot3d.h"
#include "app/frmsetpoints.h"
#include "app/maplabels.h"
#include "app/program.h"
#include "app/programfolders.h"
#include "controls/chart/plotta.h"
#include "controls/chart/scaleprops.h"
#include "controls/numlab/numlab.h"
#include "controls/plot3d/plot3d.h"
#include "courseware/demon.h"
#include "dataset/examples.h"
#include "dataset/linefit.h"
#include "lastpageform.h"
#include "platform/image.h"
#include "platform/messagebox.h"

#include <QAction>
#include <QApplication>
#include <QDropEvent>
#include <QFile>
#include <QLabel>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>
#include <cmath>
#include <gtest/gtest.h>

namespace {

QString Examples() { return TProgramFolders::OfRunningProgram().ExamplesDir(); }

QString WriteFile(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes)
{
    QFile file(dir.filePath(name));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    return file.fileName();
}

// Everything an opened file may change.
struct TState {
    std::vector<double> x, y;
    double k, d;
    std::optional<QStringList> names;
    double kLow, kHigh, dLow, dHigh, chartXLow, chartXHigh, chartYLow, chartYHigh;
    QString xCaption;
    double errMin, errMax;
    int bestI, bestJ;
    QImage map, chart;
    bool operator==(const TState&) const = default;

    explicit TState(const TFrmMain& form)
        : x(PointsOf(form.DataX, form.NumPoints).begin(), PointsOf(form.DataX, form.NumPoints).end())
        , y(PointsOf(form.DataY, form.NumPoints).begin(), PointsOf(form.DataY, form.NumPoints).end())
        , k(form.K)
        , d(form.D)
        , kLow(form.View.Map.KLow)
        , kHigh(form.View.Map.KHigh)
        , dLow(form.View.Map.DLow)
        , dHigh(form.View.Map.DHigh)
        , chartXLow(form.Plotta1->Scale1X()->RangeLow())
        , chartXHigh(form.Plotta1->Scale1X()->RangeHigh())
        , chartYLow(form.Plotta1->Scale1Y()->RangeLow())
        , chartYHigh(form.Plotta1->Scale1Y()->RangeHigh())
        , xCaption(form.Plotta1->Scale1X()->Caption())
        , errMin(form.ErrMin)
        , errMax(form.ErrMax)
        , bestI(form.BestI)
        , bestJ(form.BestJ)
        , map(form.Image1->Picture().Image().copy())
        , chart(form.Plotta1->DataAreaPicture().Image().copy())
    {
        if (form.LoadedData)
            names = QStringList{form.LoadedData->XName, form.LoadedData->YName, form.LoadedData->File};
    }
};

class DataFiles : public MainWindowOnLastPage {
protected:
    PointSet Example(const QString& name) const
    {
        return ReadPointFile(ExampleFile(name, Examples())).Value();
    }
};

} // namespace

TEST_F(DataFiles, ExamplesOpenInTheirOwnUnits)
{
    const struct {
        const char* name;
        const char* x;
        const char* y;
    } examples[] = {{"anscombe-1", "x", "y"},
                    {"anscombe-2", "x", "y"},
                    {"anscombe-3", "x", "y"},
                    {"anscombe-4", "x", "y"},
                    {"cars", "speed_mph", "stopping_distance_ft"},
                    {"women", "height_in", "weight_lb"}};
    ASSERT_EQ(std::size(examples), std::size_t(ExampleNames(Examples()).size()));
    for (const auto& example : examples) {
        SCOPED_TRACE(example.name);
        ASSERT_TRUE(form.OpenExample(example.name));
        const PointSet points = Example(example.name);
        ASSERT_EQ(form.NumPoints, points.x.size());
        EXPECT_EQ(form.LoadedData->XName, example.x);
        EXPECT_EQ(form.LoadedData->YName, example.y);

        // The chart's axes hold every point and carry the column names.
        const TScaleProps& cx = *form.Plotta1->Scale1X();
        const TScaleProps& cy = *form.Plotta1->Scale1Y();
        EXPECT_EQ(cx.Caption(), example.x);
        EXPECT_EQ(cy.Caption(), example.y);
        for (std::size_t m = 0; m < points.x.size(); ++m) {
            EXPECT_EQ(form.DataX[m + 1], points.x[m]);
            EXPECT_TRUE(points.x[m] >= cx.RangeLow() && points.x[m] <= cx.RangeHigh());
            EXPECT_TRUE(points.y[m] >= cy.RangeLow() && points.y[m] <= cy.RangeHigh());
        }

        // The least-squares line lies well inside the map, and its grid cell is the optimum.
        const LineFit fit = FitLine(points).Value();
        const TMapWindow& map = form.View.Map;
        EXPECT_TRUE(map.HoldsWellInside(fit.slope, fit.intercept, 0.15));
        const int n = form.GridN();
        // (Along a narrow valley the grid's best cell may lie a cell or two off the line.)
        EXPECT_NEAR(GridK(form.BestI, n, map), fit.slope, 2 * map.KSpan() / n);
        EXPECT_NEAR(GridD(form.BestJ, map), fit.intercept, 2 * map.DSpan() / 100);

        // The lesson starts from the middle of the map; a pick gives k and d in the data's
        // units and puts the learner's marker where the pointer is.
        EXPECT_EQ(form.K, (map.KLow + map.KHigh) / 2);
        QTest::mouseClick(form.Image1, Qt::LeftButton, {}, QPoint(50, 150));
        EXPECT_NEAR(form.K, map.KLow + map.KSpan() * 50 / 200, 1e-12 * map.KSpan());
        EXPECT_NEAR(form.D, map.DLow + map.DSpan() * 50 / 200, 1e-12 * map.DSpan());
        EXPECT_EQ(form.Image1->Canvas().Pixel(50, 150), clBlack);
        EXPECT_EQ(form.NLk->Precision(), form.View.KDecimals);
        EXPECT_EQ(form.NLk->DisplayText(), QString::number(form.K, 'f', form.View.KDecimals));

        // The labels beside the map show the window's ticks.
        const QLabel* designLabel = form.Panel3->findChild<QLabel*>("Label3");
        EXPECT_TRUE(designLabel->isHidden());
        const auto values = form.Panel3->findChildren<QLabel*>("KValue");
        ASSERT_FALSE(values.isEmpty());
        EXPECT_EQ(values.front()->text(),
                  TickLabelText(TickValues(map.KTicks, map.KHigh).front(), map.KTicks.Step, 0));
        EXPECT_EQ(form.Panel3->findChildren<QLabel*>("DValue").size(),
                  qsizetype(TickValues(map.DTicks, map.DHigh).size()));
    }
    EXPECT_TRUE(messages.isEmpty()) << messages.join("\n").toStdString();
}

TEST_F(DataFiles, BadFilesAreReportedAndChangeNothing)
{
    QByteArray tooMany = "x,y\n";
    for (int m = 0; m <= kMaxPoints; ++m)
        tooMany += QByteArray::number(m) + ",1\n";
    ASSERT_TRUE(QDir(dir.path()).mkdir("folder"));
    const struct {
        const char* file;
        QByteArray bytes;
        const char* reason; // the data set library's message
    } cases[] = {
        {"empty.csv", "", "the file is empty"},
        {"one.csv", "x,y\n1,2\n", "fewer than 2 points"},
        {"text.csv", "x,y\n1,2\n3,abc\n", "line 3: \"abc\" is not a number"},
        {"inf.csv", "x,y\n1,2\n2,inf\n", "line 3: \"inf\" is not a finite number"},
        {"huge.csv", "x,y\n1,2\n3,1e999\n", "line 3: \"1e999\" is not a finite number"},
        {"ragged.csv", "x,y\n1,2\n3\n", "line 3: 1 field, but line 1 has 2"},
        {"quote.csv", "x,y\n\"1,2\n3,4\n", "line 2: quote not closed"},
        {"gap.csv", "x,y\n1,2\n3,\n4,5\n", "line 3: no value in column \"y\""},
        {"vertical.csv", "x,y\n5,1\n5,2\n5,3\n", "all x values are equal: the slope is not defined"},
        {"column.csv", "x\n1\n2\n", "fewer than 2 numeric columns"},
        {"binary.csv", QByteArray("x,y\n1,2\0\x01\x02", 10), "not a text file"},
        {"many.csv", tooMany, "more than 10,000 points"},
        {"missing.csv", {}, "file not found"},
        {"folder", {}, "is a directory, not a file"},
    };
    for (const char* start : {"random points", "cars"}) {
        if (QByteArray(start) == "cars") {
            ASSERT_TRUE(form.OpenExample("cars"));
        }
        QTest::mouseClick(form.Image1, Qt::LeftButton, {}, QPoint(30, 40));
        const TState before(form);
        for (const auto& c : cases) {
            SCOPED_TRACE(c.file);
            const QString path = QByteArray(c.file).endsWith(".csv") && QByteArray(c.file) != "missing.csv"
                ? WriteFile(dir, c.file, c.bytes)
                : dir.filePath(c.file);
            messages.clear();
            EXPECT_FALSE(form.OpenDataFile(path));
            ASSERT_EQ(messages.size(), 1);
            EXPECT_EQ(
                messages.front().toStdString(),
                QStringLiteral("The data file %1 cannot be opened: %2").arg(c.file, c.reason).toStdString());
            EXPECT_TRUE(TState(form) == before) << start;
        }
    }
}

TEST_F(DataFiles, WithMoreThanTwoColumnsTheUserChoosesTwo)
{
    const QString path = WriteFile(dir, "three.csv", "a,label,b,c\n1,p,10,7\n2,q,30,5\n4,r,20,1\n");
    QStringList offered;
    std::optional<std::pair<int, int>> answer = std::pair{2, 0};
    form.ChooseColumns = [&](const QString& file, const QStringList& names) {
        EXPECT_EQ(file, path);
        offered = names;
        return answer;
    };
    ASSERT_TRUE(form.OpenDataFile(path));
    EXPECT_EQ(offered, (QStringList{"a", "b", "c"})); // the text column is left out
    EXPECT_EQ(form.LoadedData->XName, "c");
    EXPECT_EQ(form.LoadedData->YName, "a");
    EXPECT_EQ(std::vector<double>(form.DataX.begin() + 1, form.DataX.begin() + 4),
              (std::vector<double>{7, 5, 1}));

    // Cancelled: nothing changes. The command line takes the first two.
    answer.reset();
    const TState before(form);
    EXPECT_FALSE(form.OpenDataFile(path));
    EXPECT_TRUE(TState(form) == before);
    EXPECT_TRUE(messages.isEmpty());
    const Result<TDataArgument> argument = ReadDataArgument(path, Examples());
    ASSERT_TRUE(argument);
    EXPECT_EQ(argument.Value().points.xName, "a");
    EXPECT_EQ(argument.Value().points.yName, "b");
}

TEST_F(DataFiles, SavedPointsOpenAgainAsTheyWere)
{
    // Random points keep all their digits and get the names x and y.
    const std::vector<double> randomX(form.DataX.begin() + 1, form.DataX.begin() + 21);
    const QString random = dir.filePath("random.csv");
    ASSERT_TRUE(form.SaveDataFile(random));
    ASSERT_TRUE(form.OpenDataFile(random));
    EXPECT_EQ(std::vector<double>(form.DataX.begin() + 1, form.DataX.begin() + 21), randomX);
    EXPECT_EQ(form.LoadedData->XName, "x");

    ASSERT_TRUE(form.OpenExample("women"));
    const PointSet women = form.CurrentPoints();
    const QString copy = dir.filePath("women copy.csv");
    ASSERT_TRUE(form.SaveDataFile(copy));
    EXPECT_EQ(form.LoadedData->File, copy);
    ASSERT_TRUE(form.OpenExample("cars"));
    ASSERT_TRUE(form.OpenDataFile(copy));
    const PointSet again = form.CurrentPoints();
    EXPECT_EQ(again.xName, women.xName);
    EXPECT_EQ(again.yName, women.yName);
    EXPECT_EQ(again.x, women.x);
    EXPECT_EQ(again.y, women.y);

    // A file that cannot be written is reported.
    EXPECT_FALSE(form.SaveDataFile(dir.filePath("no folder/points.csv")));
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages.front().toStdString(),
              "The data file points.csv cannot be saved: cannot write the file");
}

TEST_F(DataFiles, CommandsHaveTheirShortcutsAndAskForTheFile)
{
    TDataCommands& commands = *form.DataCommands;
    EXPECT_EQ(commands.Open->shortcut(), QKeySequence("Ctrl+O"));
    EXPECT_EQ(commands.Save->shortcut(), QKeySequence("Ctrl+S"));
    EXPECT_TRUE(form.actions().contains(commands.Open));
    EXPECT_EQ(commands.ExamplesTitle, "Examples");
    QStringList names;
    for (const QAction* example : commands.Examples)
        names << example->text();
    EXPECT_EQ(names, ExampleNames(Examples()));

    QList<TFrmMain::TFileQuestion> questions;
    QString answer = ExampleFile("anscombe-2", Examples());
    form.AskForFile = [&](const TFrmMain::TFileQuestion& question) {
        questions << question;
        return answer;
    };
    commands.Open->trigger();
    ASSERT_EQ(questions.size(), 1);
    EXPECT_FALSE(questions[0].Save);
    EXPECT_EQ(questions[0].Title, "Open data file");
    EXPECT_EQ(form.LoadedData->File, answer);

    // Saving offers the data set's name beside its file.
    answer = dir.filePath("saved.csv");
    commands.Save->trigger();
    ASSERT_EQ(questions.size(), 2);
    EXPECT_TRUE(questions[1].Save);
    EXPECT_EQ(questions[1].Path, QDir(Examples()).filePath("anscombe-2.csv"));
    EXPECT_TRUE(QFile::exists(answer));

    // Cancelled dialogs change nothing; an example opens by its action.
    answer.clear();
    commands.Open->trigger();
    EXPECT_EQ(form.LoadedData->File, dir.filePath("saved.csv"));
    commands.Examples.back()->trigger();
    EXPECT_EQ(form.LoadedData->YName, "weight_lb");
    EXPECT_FALSE(form.OpenExample("nonsense"));
    EXPECT_EQ(messages.join("|").toStdString(), "There is no example named nonsense");
}

TEST(DataFileDrops, AFileDroppedOnAnyWindowOpens)
{
    TProgramWindows windows(std::uint64_t{2});
    InformationBoxHandler = [](const QString&) {};
    const QString cars = ExampleFile("cars", Examples());
    auto drop = [](QWidget* target, const QList<QUrl>& urls) {
        QMimeData data;
        data.setUrls(urls);
        QDragEnterEvent enter({10, 10}, Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(target, &enter);
        if (!enter.isAccepted())
            return false;
        QDropEvent dropped({10, 10}, Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(target, &dropped);
        return dropped.isAccepted();
    };
    // Two files at once, or something that is no file, are not taken.
    EXPECT_FALSE(drop(FrmMain, {QUrl::fromLocalFile(cars), QUrl::fromLocalFile(cars)}));
    EXPECT_FALSE(drop(FrmMain, {QUrl("https://example.org/data.csv")}));
    EXPECT_FALSE(FrmMain->LoadedData);

    EXPECT_TRUE(drop(FrmSetPoints, {QUrl::fromLocalFile(cars)}));
    ASSERT_TRUE(FrmMain->LoadedData);
    EXPECT_EQ(FrmMain->LoadedData->File, cars);
    // The editor shows the new points on the data's axes.
    EXPECT_EQ(FrmSetPoints->Plotta1->Scale1X()->RangeHigh(), FrmMain->Plotta1->Scale1X()->RangeHigh());
    EXPECT_EQ(FrmSetPoints->Plotta1->DisplayList().KindCount(TItemKind::ikMark), 50);

    const QString women = ExampleFile("women", Examples());
    EXPECT_TRUE(drop(FrmPlot3D, {QUrl::fromLocalFile(women)}));
    EXPECT_EQ(FrmMain->LoadedData->File, women);
    // A drop on a control inside a window reaches the window.
    for (QPlainTextEdit* memo : {FrmMain->Memo, FrmPlot3D->MMExplain3D}) {
        EXPECT_FALSE(memo->acceptDrops());
        EXPECT_FALSE(memo->viewport()->acceptDrops());
    }
    InformationBoxHandler = nullptr;
}

TEST_F(DataFiles, TheEditorWorksInTheDataUnits)
{
    TFrmSetPoints editor(form, form.clidemon->Translator());
    ASSERT_TRUE(form.OpenExample("anscombe-1"));
    editor.FormShow();
    EXPECT_EQ(editor.Plotta1->Scale1X()->RangeLow(), form.View.ChartX.Low);
    EXPECT_EQ(editor.Plotta1->Scale1Y()->RangeHigh(), form.View.ChartY.High);
    EXPECT_EQ(editor.Plotta1->Scale1Y()->Caption(), "y");

    // A click sets a point where it lands, in the data's units.
    const QPoint pixel = editor.Plotta1->DataToPixel(1, 12.5, 9.0);
    QTest::mouseClick(editor.Plotta1, Qt::LeftButton, {}, pixel);
    ASSERT_EQ(form.NumPoints, 12);
    EXPECT_NEAR(form.DataX[12], 12.5, 0.1);
    EXPECT_NEAR(form.DataY[12], 9.0, 0.1);
    // The last point goes for a click as near to it as 0.02 is on the lesson's axes.
    editor.SBRemove->click();
    const double reach = 0.02 * (form.View.ChartX.High - form.View.ChartX.Low) / 3;
    editor.ChartMouseDown(form.DataX[12] + 1.5 * reach, form.DataY[12]);
    EXPECT_EQ(form.NumPoints, 12);
    editor.ChartMouseDown(form.DataX[12] + 0.5 * reach, form.DataY[12]);
    EXPECT_EQ(form.NumPoints, 11);

    // A line that stays well inside keeps the map; one that leaves it moves the map.
    const TMapWindow window = form.View.Map;
    editor.SBSet->click();
    editor.ChartMouseDown(9, 7.5);
    form.PointsEdited();
    EXPECT_EQ(form.View.Map.KLow, window.KLow);
    for (int i = 0; i < 6; ++i) { // a falling line
        editor.ChartMouseDown(3 + 0.2 * i, 13.5);
        editor.ChartMouseDown(14 - 0.2 * i, 2.5);
    }
    form.PointsEdited();
    const LineFit fit = FitLine(form.CurrentPoints()).Value();
    EXPECT_NE(form.View.Map.KLow, window.KLow);
    EXPECT_TRUE(form.View.Map.HoldsWellInside(fit.slope, fit.intercept, 0.15));
    EXPECT_EQ(form.K, form.View.StartK);
}

TEST_F(DataFiles, RandomPointsReturnToTheLessonsUnitsAndResetKeepsTheDataSet)
{
    TFrmSetPoints editor(form, form.clidemon->Translator());
    editor.FormShow();
    ASSERT_TRUE(form.OpenExample("cars"));
    const TState loaded(form);

    // Reset: page 1, the line at the map's middle, the same data set.
    QTest::mouseClick(form.Image1, Qt::LeftButton, {}, QPoint(10, 10));
    form.SBReset->click();
    EXPECT_EQ(form.Page(), 1);
    EXPECT_EQ(form.Memo->toPlainText(), "memo1data"); // no start line k = 1, d = 0 here
    while (form.SBNext->isEnabled())
        form.SBNext->click();
    EXPECT_TRUE(TState(form) == loaded);

    form.SBReset->click();
    editor.SBRandomizeClick();
    EXPECT_EQ(form.Memo->toPlainText(), "memo1");
    EXPECT_FALSE(form.LoadedData);
    EXPECT_EQ(form.NumPoints, 20);
    EXPECT_EQ(form.View.Map.KLow, -3);
    EXPECT_EQ(form.View.ChartY, LessonView.ChartY);
    EXPECT_EQ(form.K, 1);
    EXPECT_EQ(form.D, 0);
    EXPECT_EQ(form.Plotta1->Scale1X()->RangeLow(), -0.5);
    EXPECT_EQ(form.Plotta1->Scale1X()->Caption(), "");
    EXPECT_EQ(editor.Plotta1->Scale1X()->RangeHigh(), 2.5);
    EXPECT_EQ(form.NLk->DisplayText(), "1.00");
    // The map's labels are the design's again.
    EXPECT_TRUE(form.Panel3->findChildren<QLabel*>("KValue").isEmpty());
    EXPECT_EQ(form.Panel3->findChild<QLabel*>("Label1")->text(), "d");
    EXPECT_FALSE(form.Panel3->findChild<QLabel*>("Label3")->isHidden());
}

TEST_F(DataFiles, TheSurfaceFollowsTheMapsWindow)
{
    TFrmPlot3D window(form.clidemon->Translator());
    TPlot3D& plot = *window.P3D;
    ASSERT_TRUE(form.OpenExample("cars"));
    form.FillErrorSurface(window);
    const TMapWindow& map = form.View.Map;
    EXPECT_EQ(plot.RangeXLow(), map.KLow);
    EXPECT_EQ(plot.RangeXHigh(), map.KHigh);
    EXPECT_DOUBLE_EQ(plot.RangeYLow(), map.DLow - map.DSpan() / 20);
    EXPECT_DOUBLE_EQ(plot.RangeYHigh(), map.DHigh + map.DSpan() / 20);
    // The colors and heights run from the smallest to the largest sum, as in the map.
    EXPECT_DOUBLE_EQ(plot.ColorScaleLow(), std::log(form.ErrMin));
    EXPECT_DOUBLE_EQ(plot.ColorScaleHigh(), std::log(form.ErrMax));
    EXPECT_DOUBLE_EQ(plot.RangeZHigh(), std::log(form.ErrMax));
    EXPECT_LT(plot.RangeZLow(), std::log(form.ErrMin));

    // Random points again: the lesson's ranges and colors.
    form.NumPoints = 20;
    form.GenerateRandomPoints();
    form.FillErrorSurface(window);
    EXPECT_EQ(plot.RangeXLow(), -3);
    EXPECT_DOUBLE_EQ(plot.RangeYHigh(), 2.2);
    EXPECT_EQ(plot.ColorScaleLow(), 0);
    EXPECT_DOUBLE_EQ(plot.RangeZLow(), -0.5 * std::log(form.ErrMax));
}

TEST_F(DataFiles, NumbersTooLongForTheirFieldsTurnScientific)
{
    // Prices in the tens of thousands over a century: the sum of squares has twelve digits.
    PointSet points{"year", "price", {}, {}};
    for (int m = 0; m < 100; ++m) {
        points.x.push_back(1900 + m);
        points.y.push_back(3e4 + 100 * m + ((m * 37) % 11) * 5000);
    }
    ASSERT_TRUE(form.LoadPoints(points, "prices.csv"));
    QTest::mouseClick(form.Image1, Qt::LeftButton, {}, QPoint(0, 199));
    ASSERT_GT(form.NLSum_e2->Value(), 1e9);
    EXPECT_NE(form.NLSum_e2->DisplayText(), form.NLSum_e2->OverflowIndicator());
    EXPECT_TRUE(form.NLSum_e2->DisplayText().contains("E+")) << form.NLSum_e2->DisplayText().toStdString();

    // The lesson's field keeps its fixed-point design.
    form.NumPoints = 20;
    form.GenerateRandomPoints();
    EXPECT_EQ(form.NLSum_e2->DisplayType(), TDisplay::dtFixP);
    EXPECT_EQ(form.NLSum_e2->Precision(), 4);
}
