// The data point editor, editing the main window's points.
#include "app/formkit.h"
#include "app/frmmain.h"
#include "app/frmsetpoints.h"
#include "app/program.h"
#include "controls/chart/plotta.h"
#include "controls/numlab/numlab.h"
#include "courseware/demon.h"
#include "platform/messagebox.h"

#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

class PointEditor : public ::testing::Test {
protected:
    TFrmMain main{3};
    TFrmSetPoints editor{main, main.clidemon->Translator()};
    QStringList messages;

    void SetUp() override
    {
        InformationBoxHandler = [this](const QString& text) { messages << text; };
        editor.FormShow();
    }
    void TearDown() override { InformationBoxHandler = nullptr; }

    int MarksShown() const { return editor.Plotta1->DisplayList().KindCount(TItemKind::ikMark); }
};

} // namespace

TEST_F(PointEditor, SettingUpTo35PointsSwitchesToRemove)
{
    EXPECT_EQ(MarksShown(), 20);
    EXPECT_EQ(editor.NumLab1->DisplayText(), QStringLiteral("20"));
    EXPECT_TRUE(editor.SBSet->Down());
    for (int i = 0; i < 15; ++i)
        editor.ChartMouseDown(0.1 * i, 2.2);
    EXPECT_EQ(main.NumPoints, 35);
    EXPECT_EQ(main.DataX[35], 0.1 * 14);
    EXPECT_EQ(main.DataY[35], 2.2); // outside the random band: the click's exact position
    EXPECT_TRUE(editor.SBRemove->Down());
    EXPECT_FALSE(editor.SBSet->isEnabled());
    EXPECT_EQ(MarksShown(), 35);
    EXPECT_EQ(editor.NumLab1->DisplayText(), QStringLiteral("35"));

    // Removing one point sets Set free again; the mode stays Remove.
    editor.ChartMouseDown(main.DataX[3], main.DataY[3]);
    EXPECT_EQ(main.NumPoints, 34);
    EXPECT_TRUE(editor.SBSet->isEnabled());
    EXPECT_TRUE(editor.SBRemove->Down());
}

TEST_F(PointEditor, RemoveTakesTheNearestPointButTheLastOnlyFromClose)
{
    editor.SBRemove->click();
    ASSERT_TRUE(editor.SBRemove->Down());
    const double secondX = main.DataX[2];
    const double lastX = main.DataX[20], lastY = main.DataY[20];
    editor.ChartMouseDown(main.DataX[1] + 0.001, main.DataY[1]);
    EXPECT_EQ(main.NumPoints, 19);
    EXPECT_EQ(main.DataX[1], secondX);

    // The last point is nearest but the click is 0.05 away: it stays.
    editor.ChartMouseDown(lastX + 0.05, lastY);
    EXPECT_EQ(main.NumPoints, 19);
    editor.ChartMouseDown(lastX + 0.01, lastY - 0.01);
    EXPECT_EQ(main.NumPoints, 18);
    EXPECT_EQ(MarksShown(), 18);
}

TEST_F(PointEditor, ClearLeavesSetModeAndOkAsksForTwoPoints)
{
    editor.SBRemove->click();
    editor.SBClearClick();
    EXPECT_EQ(main.NumPoints, 0);
    EXPECT_TRUE(editor.SBSet->Down());
    EXPECT_FALSE(editor.SBRemove->isEnabled());
    EXPECT_EQ(MarksShown(), 0);

    editor.show();
    editor.SBOKClick();
    EXPECT_EQ(messages, QStringList{QStringLiteral("At least 2 data points are required")});
    EXPECT_TRUE(editor.isVisible());
    // The close box takes the same check.
    editor.close();
    EXPECT_TRUE(editor.isVisible());
    EXPECT_EQ(messages.size(), 2);

    editor.ChartMouseDown(0.5, 0.5);
    EXPECT_FALSE(editor.SBRemove->isEnabled());
    editor.ChartMouseDown(1.5, 1.0);
    EXPECT_TRUE(editor.SBRemove->isEnabled());
    editor.SBOKClick();
    EXPECT_FALSE(editor.isVisible());
    EXPECT_EQ(messages.size(), 2);
}

TEST_F(PointEditor, RandomizeGivesTwentyPointsInTheBand)
{
    editor.SBClearClick();
    editor.SBRandomizeClick();
    EXPECT_EQ(main.NumPoints, 20);
    EXPECT_TRUE(editor.SBRemove->isEnabled());
    EXPECT_EQ(MarksShown(), 20);
    for (int m = 1; m <= 20; ++m) {
        EXPECT_GE(main.DataX[m], 0.05);
        EXPECT_LT(main.DataX[m], 1.95);
        EXPECT_LE(std::abs(main.DataY[m] - main.DataX[m]), 0.3 + 1e-12);
    }
}

TEST(PointEditorInTheProgram, EditingUpdatesTheMainWindowsMapAndOptimum)
{
    TProgramWindows windows(std::uint64_t{4});
    for (int page = 1; page < 5; ++page)
        FrmMain->SBNext->click();
    ASSERT_TRUE(FrmMain->SBDataPts->isEnabled());
    const double errMax = FrmMain->ErrMax;
    const QImage map = FrmMain->ErrMapBitmap.Image().copy();
    QTimer::singleShot(0, [] {
        FrmSetPoints->SBClearClick();
        FrmSetPoints->ChartMouseDown(0.2, 1.8);
        FrmSetPoints->ChartMouseDown(1.8, 0.2);
        FrmSetPoints->SBOK->click();
    });
    FrmMain->SBDataPts->click();
    EXPECT_EQ(FrmMain->NumPoints, 2);
    EXPECT_NE(FrmMain->ErrMax, errMax);
    EXPECT_NE(FrmMain->ErrMapBitmap.Image(), map);
    // Two points on the line y = −x + 2: the optimum lies at k = −1, d = 2.
    EXPECT_NEAR(GridK(FrmMain->BestI, FrmMain->GridN()), -1, 6.0 / 101);
    EXPECT_NEAR(GridD(FrmMain->BestJ), 2, 0.04);
    EXPECT_EQ(FrmMain->Plotta1->DisplayList().KindCount(TItemKind::ikMark), 2);
}

TEST_F(PointEditor, AClickIntoTheChartSetsAPointWhereItLands)
{
    const QPoint pixel = editor.Plotta1->DataToPixel(1, 1.0, 0.5);
    QTest::mouseClick(editor.Plotta1, Qt::LeftButton, {}, pixel);
    ASSERT_EQ(main.NumPoints, 21);
    EXPECT_NEAR(main.DataX[21], 1.0, 0.02);
    EXPECT_NEAR(main.DataY[21], 0.5, 0.02);
    EXPECT_EQ(MarksShown(), 21);
}

TEST_F(PointEditor, AClickOutsideTheDataAreaDoesNothing)
{
    TPlotta& chart = *editor.Plotta1;
    // One pixel into each rim: left, right, top, bottom.
    const QPoint inRims[] = {{chart.LRim() - 1, 100},
                             {chart.width() - chart.RRim() - chart.ShadowWidth() + 1, 100},
                             {150, chart.TRim() - 1},
                             {150, chart.height() - chart.BRim() - chart.ShadowWidth() + 1}};
    QTest::mouseClick(&chart, Qt::LeftButton, {}, chart.DataToPixel(1, 1.0, 0.5));
    ASSERT_EQ(main.NumPoints, 21);
    for (bool removing : {false, true}) {
        if (removing)
            editor.SBRemove->click();
        for (const QPoint& pixel : inRims) {
            QTest::mouseClick(&chart, Qt::LeftButton, {}, pixel);
            EXPECT_EQ(main.NumPoints, 21)
                << (removing ? "remove at " : "set at ") << pixel.x() << "," << pixel.y();
        }
    }
    EXPECT_EQ(MarksShown(), 21);
}
