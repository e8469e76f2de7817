// The error surface: the 3-D window filled from the main window's error grid.
#include "app/errorsurface.h"
#include "app/formkit.h"
#include "app/frmmain.h"
#include "app/frmplot3d.h"
#include "controls/common/matrix.h"
#include "controls/plot3d/plot3d.h"
#include "courseware/demon.h"
#include "translation/tolkar.h"

#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <cmath>
#include <gtest/gtest.h>

TEST(ErrorSurface, EverySecondCellWithRowsFromHighToLowD)
{
    const int n = GridSize(200);
    TErrGrid grid{};
    for (int i = 0; i <= n; ++i)
        for (int j = 0; j <= n; ++j)
            grid[GridIndex(i, j, n)] = 1000.0 * i + j + 1;
    TMatrix matrix(nullptr);
    FillSurfaceMatrix(matrix, grid, n, false);
    ASSERT_EQ(matrix.NrOfColumns(), 50);
    ASSERT_EQ(matrix.NrOfRows(), 50);
    EXPECT_EQ(matrix.GetElem(1, 50), grid[GridIndex(2, 2, n)]); // k index 2, d = −1.92
    EXPECT_EQ(matrix.GetElem(1, 1), grid[GridIndex(2, 100, n)]); // d = 2.0
    EXPECT_EQ(matrix.GetElem(50, 1), grid[GridIndex(100, 100, n)]);
    EXPECT_EQ(matrix.GetElem(7, 20), grid[GridIndex(14, 62, n)]);

    FillSurfaceMatrix(matrix, grid, n, true);
    EXPECT_DOUBLE_EQ(matrix.GetElem(7, 20), std::log(grid[GridIndex(14, 62, n)]));
}

TEST(ErrorSurface, ZeroCellsStayFiniteOnTheLogarithmicSurface)
{
    const int n = GridSize(200);
    TErrGrid grid{};
    for (int i = 0; i <= n; ++i)
        for (int j = 0; j <= n; ++j)
            grid[GridIndex(i, j, n)] = 0.5 + i + j;
    grid[GridIndex(10, 10, n)] = 0; // a line through all points
    TMatrix matrix(nullptr);
    FillSurfaceMatrix(matrix, grid, n, true);
    // The zero cell lies as low as the lowest positive cell, not at minus infinity.
    EXPECT_DOUBLE_EQ(matrix.GetElem(5, 46), std::log(grid[GridIndex(2, 2, n)]));
    for (int c = 1; c <= 50; ++c)
        for (int r = 1; r <= 50; ++r)
            ASSERT_TRUE(std::isfinite(matrix.GetElem(c, r)));

    // A flat surface of zeros (no points) is flat at 0, with a finite top.
    TErrGrid zeros{};
    FillSurfaceMatrix(matrix, zeros, n, true);
    EXPECT_EQ(matrix.GetElem(1, 1), 0);
    EXPECT_EQ(SurfaceTop(0, true), 0);
    EXPECT_EQ(SurfaceTop(0, false), 0);
    EXPECT_DOUBLE_EQ(SurfaceTop(std::exp(2.0), true), 2.0);
}

namespace {

class SurfaceWindow : public ::testing::Test {
protected:
    TFrmMain main{5};
    TFrmPlot3D window{main.clidemon->Translator()};
    TPlot3D& plot = *window.P3D;
};

} // namespace

TEST_F(SurfaceWindow, FillingSetsRangesAnglesAndColors)
{
    plot.SetViewAngles(33, 44);
    main.FillErrorSurface(window); // logarithmic at start
    EXPECT_DOUBLE_EQ(plot.RangeZHigh(), std::log(main.ErrMax));
    EXPECT_DOUBLE_EQ(plot.RangeZLow(), -0.5 * std::log(main.ErrMax));
    EXPECT_DOUBLE_EQ(plot.ColorScaleHigh(), std::log(main.ErrMax));
    EXPECT_DOUBLE_EQ(plot.SurfaceMatrix()->GetElem(3, 4), std::log(main.ErrCell(6, 94)));
    EXPECT_EQ(plot.RangeXLow(), -3);
    EXPECT_EQ(plot.RangeXHigh(), 3);
    EXPECT_DOUBLE_EQ(plot.RangeYLow(), -2.2);
    EXPECT_DOUBLE_EQ(plot.RangeYHigh(), 2.2);
    EXPECT_EQ(plot.ViewAngleX(), 0);
    EXPECT_EQ(plot.ViewAngleZ(), 0);
    EXPECT_EQ(plot.ColorMid(), 0x14698Bu);
    EXPECT_EQ(plot.ColorLow(), clGreen);
    EXPECT_EQ(plot.ColorHigh(), clWhite);

    main.RBNormal->setChecked(true);
    main.FillErrorSurface(window);
    EXPECT_DOUBLE_EQ(plot.RangeZHigh(), main.ErrMax);
    EXPECT_DOUBLE_EQ(plot.RangeZLow(), -0.5 * main.ErrMax);
    EXPECT_DOUBLE_EQ(plot.SurfaceMatrix()->GetElem(3, 4), main.ErrCell(6, 94));
}

TEST_F(SurfaceWindow, AutoRotationTurnsTwoDegreesPerTickUntilStoppedOrReset)
{
    main.FillErrorSurface(window);
    window.BButAutoRot->click();
    EXPECT_TRUE(window.Timer1->isActive());
    EXPECT_EQ(window.Timer1->interval(), 200);
    EXPECT_EQ(window.BButAutoRot->Tag, 1);
    EXPECT_EQ(window.BButAutoRot->text(), QStringLiteral("Stop"));
    for (int tick = 0; tick < 10; ++tick)
        window.Timer1Timer();
    EXPECT_DOUBLE_EQ(plot.ViewAngleZ(), 20);
    EXPECT_EQ(plot.ViewAngleX(), 0);

    window.BButAutoRot->click();
    EXPECT_FALSE(window.Timer1->isActive());
    EXPECT_EQ(window.BButAutoRot->text(), QStringLiteral("Auto Rotate"));

    window.BButAutoRot->click();
    plot.SetViewAngleX(30);
    window.BButReset->click();
    EXPECT_FALSE(window.Timer1->isActive());
    EXPECT_EQ(window.BButAutoRot->Tag, 0);
    EXPECT_EQ(plot.ViewAngleX(), 0);
    EXPECT_EQ(plot.ViewAngleZ(), 0);
}

TEST_F(SurfaceWindow, AClosedWindowKeepsTurningAndRendersWhenShownAgain)
{
    int renders = 0;
    plot.OnDataRendered = [&](QObject*, TCanvas&) { ++renders; };
    main.FillErrorSurface(window);
    window.show();
    window.BButAutoRot->click();
    window.BButClose->click();
    renders = 0;
    for (int tick = 0; tick < 5; ++tick)
        window.Timer1Timer();
    EXPECT_DOUBLE_EQ(plot.ViewAngleZ(), 10);
    EXPECT_EQ(renders, 0);
    window.show();
    EXPECT_EQ(renders, 1);
}

TEST_F(SurfaceWindow, ResizingRecentersThePlot)
{
    window.resize(700, 600);
    QResizeEvent event(window.size(), QSize(607, 512));
    QCoreApplication::sendEvent(&window, &event);
    EXPECT_EQ(plot.CentX(), (700 + 8) / 2); // half the outer width, with the designed frame
    EXPECT_EQ(plot.CentY(), plot.height() / 2);
    EXPECT_EQ(plot.width(), 700);
    EXPECT_EQ(window.BButClose->geometry().right(), 700 - 7);
}

TEST_F(SurfaceWindow, DraggingWithTheLeftButtonTurnsTheSurface)
{
    main.FillErrorSurface(window);
    QTest::mouseMove(window.P3D, QPoint(200, 200));
    QTest::mousePress(window.P3D, Qt::LeftButton, {}, QPoint(200, 200));
    QTest::mouseMove(window.P3D, QPoint(240, 170));
    QTest::mouseRelease(window.P3D, Qt::LeftButton, {}, QPoint(240, 170));
    EXPECT_TRUE(plot.ViewAngleX() != 0 || plot.ViewAngleZ() != 0);
}

TEST_F(SurfaceWindow, ThePlotCenterIsTheSameRenderedAndShown)
{
    QImage picture(window.size(), QImage::Format_RGB32);
    window.render(&picture);
    // Half the designed outer width of 615 pixels.
    EXPECT_EQ(plot.CentX(), 307);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_EQ(plot.CentX(), 307);
    EXPECT_EQ(plot.CentY(), plot.height() / 2);
}
