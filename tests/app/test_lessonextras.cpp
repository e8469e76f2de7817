// Seeing more in the lesson's chart: the residuals' squares and the least-squares line.
#include "app/formkit.h"
#include "app/frmmain.h"
#include "app/lessoncommands.h"
#include "app/lessonextras.h"
#include "controls/chart/plotta.h"
#include "controls/numlab/numlab.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <gtest/gtest.h>
#include <vector>

namespace {

struct TPoint {
    double x, y;
};

class LessonExtras : public ::testing::Test {
protected:
    TFrmMain form{42};

    void UsePoints(const std::vector<TPoint>& points, double k, double d)
    {
        form.NumPoints = std::uint16_t(points.size());
        for (std::size_t i = 0; i < points.size(); ++i) {
            form.DataX[i + 1] = points[i].x;
            form.DataY[i + 1] = points[i].y;
        }
        form.K = k;
        form.D = d;
        form.DrawChart();
    }
    // Chart pixel (x, y) in the data area's picture.
    QRgb ChartPixel(int x, int y) const
    {
        return form.Plotta1->DataAreaPicture().Image().pixel(x - form.Plotta1->LRim(),
                                                             y - form.Plotta1->TRim());
    }
    int CountInDataArea(const std::function<bool(QRgb)>& wanted) const
    {
        const QImage& picture = form.Plotta1->DataAreaPicture().Image();
        int count = 0;
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                count += wanted(picture.pixel(x, y));
        return count;
    }
    int ItemsOfKind(TItemKind kind) const { return form.Plotta1->DisplayList().KindCount(kind); }
};

bool IsSquarePixel(QRgb pixel)
{
    return pixel == ToQColor(SquareFillColor).rgb() || pixel == ToQColor(SquareOutlineColor).rgb();
}

} // namespace

TEST_F(LessonExtras, TurnedOffTheChartIsAsBefore)
{
    form.SBNext->click();
    form.SBNext->click(); // residuals shown
    const int items = form.Plotta1->DisplayList().Count();
    const QImage before = form.Plotta1->DataAreaPicture().Image().copy();
    form.Extras->Show({true, true});
    EXPECT_NE(form.Plotta1->DataAreaPicture().Image(), before);
    EXPECT_FALSE(form.Extras->FitLabel->isHidden());
    form.Extras->Show({false, false});
    EXPECT_EQ(form.Plotta1->DataAreaPicture().Image(), before);
    EXPECT_EQ(form.Plotta1->DisplayList().Count(), items);
    EXPECT_TRUE(form.Extras->FitLabel->isHidden());
}

TEST_F(LessonExtras, SquaresCoverTheResidualsLengthsSquaredOnScreen)
{
    // The last point is near the right edge: its square turns to the left.
    const std::vector<TPoint> points{{0.2, 0.6}, {1.0, 1.5}, {2.3, 1.4}};
    form.Extras->Show({true, false});
    UsePoints(points, 1, 0);
    EXPECT_EQ(ItemsOfKind(TItemKind::ikRectangle), int(points.size()));

    // Only the squares, to measure their area.
    form.Plotta1->SetClassVisible(0, false);
    form.Plotta1->ShowItems();
    const int dataRight = form.Plotta1->DataToPixel(1, 2.5, 0).x();
    int totalArea = 0;
    for (const TPoint& p : points) {
        const QPoint point = form.Plotta1->DataToPixel(1, p.x, p.y);
        const int lineY = form.Plotta1->DataToPixel(1, p.x, p.x).y();
        const int side = std::abs(point.y() - lineY);
        const QRect square = ResidualSquare(point, lineY, dataRight);
        EXPECT_EQ(square.size(), QSize(side, side)) << p.x;
        EXPECT_EQ(square.left() == point.x(), p.x < 2) << p.x;
        int area = 0;
        for (int y = square.top(); y <= square.bottom(); ++y)
            for (int x = square.left(); x <= square.right(); ++x)
                area += IsSquarePixel(ChartPixel(x, y));
        EXPECT_EQ(area, side * side) << p.x;
        totalArea += side * side;
    }
    EXPECT_EQ(CountInDataArea(IsSquarePixel), totalArea);
}

TEST_F(LessonExtras, FitLineShowsItsEquationAndHowFarTheLearnersSumIsAbove)
{
    // y = 2x + 1 plus noise that neither tilts nor shifts the line: the smallest sum
    // is 0.04, r² = 1 − 0.04 / 10.04. The learner's line y = 2x + 1.2 has the sum 0.24.
    const std::vector<TPoint> noisy{{0, 1.1}, {0.5, 1.9}, {1, 3}, {1.5, 3.9}, {2, 5.1}};
    const struct {
        std::vector<TPoint> points;
        QString text;
    } cases[] = {
        {noisy,
         QString::fromUtf8("Least-squares line: y = 2.00·x + 1.00, r = 0.998, R² = 0.996\n"
                           "Your sum is 6.0 × the smallest possible")},
        {{{0, 1.5}, {1, 0.5}, {2, -0.5}},
         QString::fromUtf8("Least-squares line: y = −1.00·x + 1.50, r = −1.00, R² = 1.00\n"
                           "The points lie on one line: the smallest possible sum is 0")},
        {{{1, 0}, {1, 2}}, "No least-squares line: the points need two different x values"},
    };
    form.Extras->Show({false, true});
    for (const auto& c : cases) {
        UsePoints(c.points, 2, 1.2);
        EXPECT_EQ(form.Extras->FitLabel->text(), c.text);
        EXPECT_EQ(ItemsOfKind(TItemKind::ikLineTo), c.text.startsWith("No") ? 1 : 2);
    }

    // The best line is dashed: of the rows it crosses (it is steep), some hold blue
    // pixels and some none; nothing else in the chart is blue.
    UsePoints(noisy, 1, 0);
    const QRgb blue = ToQColor(FitLineColor).rgb();
    int dashes = 0, gaps = 0;
    const int top = form.Plotta1->DataToPixel(1, 0.7, 2.4).y();
    const int bottom = form.Plotta1->DataToPixel(1, -0.4, 0.2).y();
    for (int y = top; y <= bottom; ++y) {
        bool hasBlue = false;
        for (int x = form.Plotta1->LRim(); x < form.Plotta1->DataToPixel(1, 2.5, 0).x(); ++x)
            hasBlue = hasBlue || ChartPixel(x, y) == blue;
        (hasBlue ? dashes : gaps) += 1;
    }
    EXPECT_GT(dashes, 20);
    EXPECT_GT(gaps, 10);
    EXPECT_FALSE(form.Extras->FitLabel->isHidden());
    EXPECT_TRUE(form.Extras->FitLabel->geometry().bottom() < form.NLk->geometry().top());
}

TEST_F(LessonExtras, MenuCommandsToggleAndShowTheirCheck)
{
    QAction* squares = form.Extras->SquaresCommand;
    QAction* fit = form.Extras->FitCommand;
    EXPECT_TRUE(form.Commands->Menu().actions().contains(squares));
    EXPECT_TRUE(form.Commands->Menu().actions().contains(fit));
    EXPECT_EQ(form.Extras->Shown(), TExtrasShown{});

    squares->trigger();
    EXPECT_TRUE(squares->isChecked());
    EXPECT_EQ(form.Extras->Shown(), (TExtrasShown{true, false}));
    EXPECT_EQ(ItemsOfKind(TItemKind::ikRectangle), form.NumPoints);
    fit->trigger();
    EXPECT_EQ(form.Extras->Shown(), (TExtrasShown{true, true}));
    EXPECT_FALSE(form.Extras->FitLabel->isHidden());

    squares->trigger();
    fit->trigger();
    EXPECT_EQ(form.Extras->Shown(), TExtrasShown{});
    EXPECT_EQ(ItemsOfKind(TItemKind::ikRectangle), 0);
    EXPECT_TRUE(form.Extras->FitLabel->isHidden());

    form.Extras->Show({false, true});
    EXPECT_FALSE(squares->isChecked());
    EXPECT_TRUE(fit->isChecked());
}
