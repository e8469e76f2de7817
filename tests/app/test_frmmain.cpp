// The main window: tutorial pages, reset, picking k and d in the error map.
#include "app/formkit.h"
#include "app/frmmain.h"
#include "controls/chart/plotta.h"
#include "controls/numlab/numlab.h"
#include "platform/image.h"
#include "platform/rounding.h"
#include "support/language_file_beside_program.h"

#include <QCheckBox>
#include <QPaintEvent>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScreen>
#include <QTest>
#include <gtest/gtest.h>
#include <map>

namespace {

class MainWindow : public ::testing::Test {
protected:
    TFrmMain form{42};

    void Next(int times)
    {
        for (int i = 0; i < times; ++i)
            form.SBNext->click();
    }
    bool Shown(QWidget* w) const { return !w->isHidden(); }
    TCanvas& Map() { return form.Image1->Canvas(); }

    // The 3 × 3 learner's marker centered at (x, y) is black.
    void ExpectLearnerMarkerAt(int x, int y)
    {
        for (int a = -1; a <= 1; ++a)
            for (int b = -1; b <= 1; ++b)
                EXPECT_EQ(Map().Pixel(x + a, y + b), clBlack) << x + a << "," << y + b;
    }
};

} // namespace

TEST_F(MainWindow, StartsOnPageOneWithTwentyPointsAndTheDesignLayout)
{
    EXPECT_EQ(form.size(), QSize(629, 475));
    EXPECT_EQ(form.Page(), 1);
    EXPECT_EQ(form.NumPoints, 20);
    EXPECT_EQ(form.K, 1);
    EXPECT_EQ(form.D, 0);
    EXPECT_EQ(form.Memo->toPlainText(), QStringLiteral("memo1"));
    EXPECT_TRUE(form.RBLogarithmic->isChecked());
    EXPECT_TRUE(form.SBNext->isEnabled());
    EXPECT_FALSE(form.SBDataPts->isEnabled());
    EXPECT_FALSE(form.SB3dPlot->isEnabled());
    EXPECT_FALSE(form.CBSquares->isEnabled());
    EXPECT_FALSE(form.CBSquares->isChecked());
    EXPECT_FALSE(Shown(form.Panel2));
    EXPECT_FALSE(Shown(form.Panel3));
    EXPECT_FALSE(Shown(form.NLSum_e2));
    EXPECT_EQ(form.Image1->geometry(), QRect(33, 24, 200, 200));
    EXPECT_EQ(form.GridN(), 101);
}

TEST_F(MainWindow, PagesUnlockTheControlsStepByStep)
{
    Next(1);
    EXPECT_EQ(form.Memo->toPlainText(), QStringLiteral("memo2"));
    EXPECT_TRUE(Shown(form.Panel3));
    EXPECT_FALSE(Shown(form.Panel2));
    EXPECT_FALSE(form.CBSquares->isEnabled());

    Next(1);
    EXPECT_EQ(form.Memo->toPlainText(), QStringLiteral("memo3"));
    EXPECT_TRUE(form.CBSquares->isEnabled());
    EXPECT_TRUE(form.CBSquares->isChecked());
    EXPECT_TRUE(Shown(form.NLSum_e2));
    EXPECT_FALSE(form.SB3dPlot->isEnabled());

    Next(1);
    EXPECT_EQ(form.Memo->toPlainText(), QStringLiteral("memo4"));
    EXPECT_TRUE(form.SB3dPlot->isEnabled());
    EXPECT_TRUE(Shown(form.Panel2));
    EXPECT_FALSE(form.SBDataPts->isEnabled());

    Next(1);
    EXPECT_EQ(form.Memo->toPlainText(), QStringLiteral("memo5"));
    EXPECT_TRUE(form.SBDataPts->isEnabled());
    EXPECT_FALSE(form.SBNext->isEnabled());

    // Next is disabled on the last page, so the page never goes past 5.
    Next(3);
    EXPECT_EQ(form.Page(), 5);
    EXPECT_EQ(form.Memo->toPlainText(), QStringLiteral("memo5"));
}

TEST_F(MainWindow, ResetFromTheLastPageKeepsPointsAndMap)
{
    Next(4);
    const TPointArray x = form.DataX;
    const QImage map = form.ErrMapBitmap.Image().copy();
    const double errMin = form.ErrMin;
    QTest::mouseClick(form.Image1, Qt::LeftButton, {}, QPoint(20, 30));
    ASSERT_NE(form.K, 1);

    form.SBReset->click();
    EXPECT_EQ(form.Page(), 1);
    EXPECT_EQ(form.K, 1);
    EXPECT_EQ(form.D, 0);
    EXPECT_FALSE(Shown(form.Panel2));
    EXPECT_FALSE(Shown(form.Panel3));
    EXPECT_FALSE(form.SBDataPts->isEnabled());
    EXPECT_FALSE(form.SB3dPlot->isEnabled());
    EXPECT_FALSE(form.CBSquares->isChecked());
    EXPECT_FALSE(form.CBSquares->isEnabled());
    EXPECT_FALSE(Shown(form.NLSum_e2));
    EXPECT_TRUE(form.SBNext->isEnabled());
    EXPECT_EQ(form.NumPoints, 20);
    EXPECT_EQ(form.DataX, x);
    EXPECT_EQ(form.ErrMin, errMin);
    EXPECT_EQ(form.ErrMapBitmap.Image(), map);
}

TEST_F(MainWindow, BelowPageFourTheMapIsBlankExceptTheLearnersMarker)
{
    Next(2);
    ExpectLearnerMarkerAt(133, 100);
    int black = 0;
    for (int y = 0; y < 200; ++y)
        for (int x = 0; x < 200; ++x) {
            const TColor c = Map().Pixel(x, y);
            ASSERT_TRUE(c == clWhite || c == clBlack);
            black += c == clBlack;
        }
    EXPECT_EQ(black, 9);
}

TEST_F(MainWindow, FromPageFourTheColorMapShowsBothMarkers)
{
    Next(3);
    ExpectLearnerMarkerAt(133, 100);
    const int n = form.GridN();
    const int x0 = Round(double(form.BestI) * 200 / n) + 1;
    const int y0 = 200 - Round(double(form.BestJ) * 200 / n) + 1;
    for (int a = 0; a <= 1; ++a)
        for (int b = 0; b <= 1; ++b)
            EXPECT_EQ(Map().Pixel(x0 + a, y0 + b), clBlack);
    // Away from the markers the map shows the error map bitmap.
    EXPECT_EQ(Map().Pixel(5, 5), form.ErrMapBitmap.Canvas().Pixel(5, 5));
    EXPECT_NE(Map().Pixel(5, 5), clWhite);
}

TEST_F(MainWindow, PickingKAndDByPressingAndDragging)
{
    Next(3);
    QTest::mousePress(form.Image1, Qt::LeftButton, {}, QPoint(0, 100));
    EXPECT_TRUE(form.MouseIsDown);
    EXPECT_DOUBLE_EQ(form.K, -3);
    EXPECT_DOUBLE_EQ(form.D, 0);

    QTest::mouseMove(form.Image1, QPoint(150, 50));
    EXPECT_DOUBLE_EQ(form.K, 1.5);
    EXPECT_DOUBLE_EQ(form.D, 1);
    ExpectLearnerMarkerAt(150, 50);
    EXPECT_EQ(form.NLk->DisplayText(), QStringLiteral("1.50"));
    EXPECT_EQ(form.NLd->DisplayText(), QStringLiteral("1.00"));
    EXPECT_EQ(form.NLSum_e2->Value(), SumOfSquares(form.DataX, form.DataY, form.NumPoints, 1.5, 1));
    EXPECT_EQ(form.NLSum_e2->DisplayText(), QString::number(form.NLSum_e2->Value(), 'f', 4));

    // Y = 0 and positions outside the image are ignored.
    QTest::mouseMove(form.Image1, QPoint(10, 0));
    QTest::mouseMove(form.Image1, QPoint(200, 20));
    EXPECT_DOUBLE_EQ(form.K, 1.5);
    EXPECT_DOUBLE_EQ(form.D, 1);

    QTest::mouseRelease(form.Image1, Qt::LeftButton, {}, QPoint(150, 50));
    EXPECT_FALSE(form.MouseIsDown);
    QTest::mouseMove(form.Image1, QPoint(30, 30));
    EXPECT_DOUBLE_EQ(form.K, 1.5);
}

TEST_F(MainWindow, EncodingsShareExtremesAndOptimum)
{
    Next(3);
    const double max = form.ErrMax, min = form.ErrMin;
    const int bi = form.BestI, bj = form.BestJ;
    const QImage logarithmic = form.ErrMapBitmap.Image().copy();
    QTest::mouseClick(form.RBNormal, Qt::LeftButton, {}, QPoint(6, 8));
    ASSERT_TRUE(form.RBNormal->isChecked());
    EXPECT_EQ(form.ErrMax, max);
    EXPECT_EQ(form.ErrMin, min);
    EXPECT_EQ(form.BestI, bi);
    EXPECT_EQ(form.BestJ, bj);
    EXPECT_NE(form.ErrMapBitmap.Image(), logarithmic);
}

TEST_F(MainWindow, WithoutPointsTheMapIsFlatAndTheSumIsZero)
{
    Next(3);
    form.NumPoints = 0;
    form.ComputeErrorMap();
    form.DrawErrorMapImage();
    EXPECT_EQ(form.ErrMax, 0);
    EXPECT_EQ(form.ErrMin, 0);
    EXPECT_EQ(form.ErrMapBitmap.Canvas().Pixel(100, 100), MapColorLow);
    form.DrawChart();
    EXPECT_EQ(form.NLSum_e2->DisplayText(), QStringLiteral("0.0000"));
}

TEST_F(MainWindow, TheSumOfSquaresGivesUpDecimalsBeforeItOverflows)
{
    Next(2);
    // One point at (0, y) and the line y = 0: the sum is y².
    form.NumPoints = 1;
    form.DataX[1] = 0;
    form.K = 0;
    form.D = 0;
    const struct {
        double sum;
        const char* shown;
    } cases[] = {{12.3456, "12.3456"},    {999.99994, "999.9999"}, {999.99996, "1000.000"},
                 {12345.678, "12345.68"}, {1234567.8, "1234568"},  {1e15, "*********"},
                 {0.5, "0.5000"}};
    for (const auto& c : cases) {
        form.DataY[1] = std::sqrt(c.sum);
        form.ShowSumOfSquares();
        EXPECT_EQ(form.NLSum_e2->DisplayText(), QString::fromLatin1(c.shown)) << c.sum;
    }

    // The largest sum in reach: 35 points in the chart's top right corner and the
    // line picked in the map's bottom left corner.
    form.NumPoints = 35;
    form.DataX.fill(2.5);
    form.DataY.fill(2.5);
    QTest::mouseClick(form.Image1, Qt::LeftButton, {}, QPoint(0, 199));
    EXPECT_GT(form.NLSum_e2->Value(), 5000);
    EXPECT_NE(form.NLSum_e2->DisplayText(), form.NLSum_e2->OverflowIndicator());
}

TEST(MainWindowTexts, DesignTextsAreTranslatedThroughTheLanguageFile)
{
    {
        TFrmMain form(1);
        EXPECT_EQ(form.windowTitle(), QStringLiteral("Linear Regression"));
        EXPECT_EQ(form.SBExit->text(), QStringLiteral("Exit"));
        EXPECT_EQ(form.SBDataPts->text(), QStringLiteral("Data Points"));
        EXPECT_EQ(form.SpeedButton4->text(), QStringLiteral("About"));
        EXPECT_EQ(form.Label6->text(), QStringLiteral("large residual"));
        EXPECT_EQ(form.Label6->geometry().right(), 232);
        EXPECT_EQ(form.NLSum_e2->LeftText(), QStringLiteral("Sum of squared residuals"));
        EXPECT_EQ(form.NLk->DisplayText(), QStringLiteral("1.00"));
        EXPECT_EQ(form.NLd->DisplayText(), QStringLiteral("0.00"));
    }
    LanguageFileBesideProgram file("[Exit]=Ende|$$\r\n"
                                   "[memo1]=Erste Seite\\nzweite Zeile|$$\r\n"
                                   "[3D Plot]=Raumbild|$$\r\n"
                                   "[large residual]=gro\xc3\x9f"
                                   "es Residuum|$$\r\n");
    TFrmMain form(1);
    EXPECT_EQ(form.SBExit->text(), QStringLiteral("Ende"));
    EXPECT_EQ(form.SBReset->text(), QStringLiteral("Reset"));
    EXPECT_EQ(form.SB3dPlot->text(), QStringLiteral("3D Plot"));
    EXPECT_EQ(form.Memo->toPlainText(), QStringLiteral("Erste Seite\nzweite Zeile"));
    EXPECT_EQ(form.Label6->text(),
              QString::fromUtf8("gro\xc3\x9f"
                                "es Residuum"));
    // The right-aligned label keeps its right edge at the end of the color bar.
    EXPECT_EQ(form.Label6->geometry().right(), 232);
}

TEST_F(MainWindow, TheChartShowsPointsResidualsAndTheLine)
{
    const int n = form.NumPoints;
    const TDisplayList& items = form.Plotta1->DisplayList();
    // Residuals off: n marks and the line's two items.
    EXPECT_EQ(items.Count(), n + 2);
    EXPECT_EQ(items.KindCount(TItemKind::ikMark), n);

    Next(2); // page 3 shows the residuals
    ASSERT_TRUE(form.CBSquares->isChecked());
    EXPECT_EQ(items.Count(), 3 * n + 2);
    EXPECT_EQ(items.KindCount(TItemKind::ikMoveTo), n + 1);
    EXPECT_EQ(items.KindCount(TItemKind::ikLineTo), n + 1);

    TPlottaItem residual, lineStart, lineEnd;
    form.Plotta1->GetItem(2, residual);
    EXPECT_EQ(residual.Kind, TItemKind::ikLineTo);
    EXPECT_EQ(residual.Color, clRed);
    EXPECT_EQ(residual.LineWidth, 1);
    EXPECT_DOUBLE_EQ(residual.Y, form.DataX[1]); // on the line y = x
    form.Plotta1->GetItem(3 * n, lineStart);
    form.Plotta1->GetItem(3 * n + 1, lineEnd);
    EXPECT_EQ(lineStart.Kind, TItemKind::ikMoveTo);
    EXPECT_EQ(QPointF(lineStart.X, lineStart.Y), QPointF(-0.5, -0.5));
    EXPECT_EQ(QPointF(lineEnd.X, lineEnd.Y), QPointF(2.5, 2.5));
    EXPECT_EQ(lineEnd.Color, clBlack);
    EXPECT_EQ(lineEnd.LineWidth, 2);
    EXPECT_EQ(form.Plotta1->LineWidth(), 1);

    // The residuals show as red pixels in the data area.
    int red = 0;
    const TBitmap& picture = form.Plotta1->DataAreaPicture();
    for (int y = 0; y < picture.Height(); ++y)
        for (int x = 0; x < picture.Width(); ++x)
            red += picture.Image().pixel(x, y) == QColor(Qt::red).rgb();
    EXPECT_GT(red, 20);

    // A pick in the map moves the line.
    QTest::mouseClick(form.Image1, Qt::LeftButton, {}, QPoint(100, 100)); // k = 0, d = 0
    form.Plotta1->GetItem(3 * n + 1, lineEnd);
    EXPECT_EQ(QPointF(lineEnd.X, lineEnd.Y), QPointF(2.5, 0));
}

namespace {

// The regions each widget of a window was asked to paint.
class PaintRecorder : public QObject {
public:
    explicit PaintRecorder(QWidget& window)
    {
        window.installEventFilter(this);
        for (QWidget* w : window.findChildren<QWidget*>())
            w->installEventFilter(this);
    }
    std::map<QObject*, QRegion> Painted;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            Painted[watched] += static_cast<QPaintEvent*>(event)->region();
        return false;
    }
};

int Area(const QRegion& region)
{
    int area = 0;
    for (const QRect& r : region)
        area += r.width() * r.height();
    return area;
}

} // namespace

// A pick repaints what it changes and nothing else: the two places of the learner's
// marker, the chart's pixels that change and the three numbers. The screen then shows
// what a full repaint would.
TEST_F(MainWindow, APickRepaintsOnlyWhatItChanges)
{
    Next(3);
    form.show();
    QCoreApplication::removePostedEvents(&form, QEvent::MetaCall); // no splash
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    QTest::mousePress(form.Image1, Qt::LeftButton, {}, QPoint(100, 100));
    QCoreApplication::processEvents();

    PaintRecorder recorder(form);
    QTest::mouseMove(form.Image1, QPoint(110, 80));
    QCoreApplication::processEvents();
    auto& painted = recorder.Painted;
    for (const auto& [widget, region] : painted) {
        const bool expected = widget == form.Image1 || widget == form.Plotta1
            || widget->parent() == form.Plotta1 || // its axes, drawn into it
            widget == form.NLk || widget == form.NLd || widget == form.NLSum_e2;
        EXPECT_TRUE(expected) << widget->objectName().toStdString() << " was painted";
    }
    EXPECT_EQ(painted[form.Image1], QRegion(99, 99, 3, 3) + QRegion(109, 79, 3, 3));
    const QRegion chart = painted[form.Plotta1];
    const QRect dataArea(41, 20, 293, 198);
    EXPECT_FALSE(chart.isEmpty());
    EXPECT_TRUE(dataArea.contains(chart.boundingRect()));
    EXPECT_LT(Area(chart), Area(dataArea) / 4);

    const QImage screen = form.screen()->grabWindow(form.winId()).toImage();
    const QImage full = form.grab().toImage();
    EXPECT_EQ(screen.convertToFormat(QImage::Format_RGB32), full.convertToFormat(QImage::Format_RGB32));
}
