// The chart's mouse: panning, zooming, dragging crosshairs and labels, the zoom window
// and selection rectangle, cursors, the zoom history and the events.
//
// A new chart is 280 x 200 with rims 50, 20, 20, 40: its data area spans pixels
// 50..260 and 20..160, where layer 1's ranges 0..1 lie.
#include "chartpixels.h"
#include "controls/common/crosshair.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QMouseEvent>
#include <QStringList>
#include <QTest>
#include <cmath>

namespace {

void Move(TPlotta& chart, QPoint p, Qt::MouseButtons buttons = Qt::NoButton)
{
    QMouseEvent event(QEvent::MouseMove, QPointF(p), chart.mapToGlobal(QPointF(p)), Qt::NoButton, buttons,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(&chart, &event);
}

// A left-button drag as the mouse makes it: a move to `from`, the press, the move
// there that starts the drag, the move to `to`, the release.
void Drag(TPlotta& chart, QPoint from, QPoint to)
{
    Move(chart, from);
    QTest::mousePress(&chart, Qt::LeftButton, {}, from);
    Move(chart, from, Qt::LeftButton);
    Move(chart, to, Qt::LeftButton);
    QTest::mouseRelease(&chart, Qt::LeftButton, {}, to);
}

void ExpectRange(const TScaleProps* axis, double low, double high)
{
    EXPECT_NEAR(axis->RangeLow(), low, 1e-12);
    EXPECT_NEAR(axis->RangeHigh(), high, 1e-12);
}

} // namespace

TEST(ChartMouse, PanningFollowsTheMouseWithinThePanLimits)
{
    TPlotta chart;
    chart.resize(290, 200); // a data area of 220 x 140 pixels
    chart.SetMouseAction(TMouseActMode::maPan);
    int zoomPans = 0;
    chart.OnZoomPan = [&](QObject*) { ++zoomPans; };
    Drag(chart, {100, 90}, {155, 90});
    ExpectRange(chart.Scale1X(), -0.25, 0.75);
    ExpectRange(chart.Scale1Y(), 0, 1);
    EXPECT_EQ(zoomPans, 1);
    EXPECT_EQ(chart.ZoomHistory().Count(), 2);
    QTest::mouseClick(&chart, Qt::LeftButton, {}, {100, 90}); // the view stays
    EXPECT_EQ(chart.ZoomHistory().Count(), 2);

    // Moves outside the data area are ignored; maPanVert keeps X.
    chart.SetMouseAction(TMouseActMode::maPanVert);
    Drag(chart, {100, 90}, {100, 55});
    ExpectRange(chart.Scale1X(), -0.25, 0.75);
    ExpectRange(chart.Scale1Y(), -0.25, 0.75);
    Drag(chart, {100, 90}, {100, 190});
    ExpectRange(chart.Scale1Y(), -0.25, 0.75);

    // Limits on X alone leave Y free; a pan keeps the width at the limit.
    chart.SetMouseAction(TMouseActMode::maPan);
    chart.SetPanLimits({{-0.5, 1}, {0, 0}});
    Drag(chart, {100, 90}, {210, 125}); // X would be -0.75..0.25
    ExpectRange(chart.Scale1X(), -0.5, 0.5);
    ExpectRange(chart.Scale1Y(), 0, 1);
    Drag(chart, {230, 90}, {65, 90}); // X would be 0.25..1.25
    ExpectRange(chart.Scale1X(), 0, 1);
}

TEST(ChartMouse, ZoomDragShrinksAboutTheCenterDownToMinRange)
{
    TPlotta chart;
    chart.SetMouseAction(TMouseActMode::maZoomDrag);
    Drag(chart, {100, 90}, {240, 90}); // right by half the control's width
    ExpectRange(chart.Scale1X(), 0.25, 0.75);
    ExpectRange(chart.Scale1Y(), 0, 1);

    chart.Scale1Y()->SetMinRange(0.6);
    Drag(chart, {100, 60}, {100, 30}); // up by 0.15 of the height: Y would be 0.85 wide
    ExpectRange(chart.Scale1Y(), 0.075, 0.925);
    Drag(chart, {100, 150}, {100, 50}); // Y would be 0.425 wide: refused
    ExpectRange(chart.Scale1Y(), 0.075, 0.925);
    ExpectRange(chart.Scale1X(), 0.25, 0.75);
}

TEST(ChartMouse, ZoomWindowsSetTheRangesBetweenTheirCorners)
{
    TPlotta chart;
    chart.ShowItems();
    chart.SetMouseAction(TMouseActMode::maZoomWind);
    int zoomPans = 0;
    chart.OnZoomPan = [&](QObject*) { ++zoomPans; };

    // The window is drawn in XOR while it is dragged open.
    Move(chart, {71, 34});
    QTest::mousePress(&chart, Qt::LeftButton, {}, {71, 34});
    Move(chart, {155, 90}, Qt::LeftButton);
    EXPECT_EQ(ColorAt(chart.Picture(), 100, 34), clBlack);
    EXPECT_EQ(ColorAt(chart.Picture(), 100, 50), clWhite);
    Move(chart, {155, 80}, Qt::LeftButton);
    EXPECT_EQ(ColorAt(chart.Picture(), 100, 89), clWhite);
    Move(chart, {155, 90}, Qt::LeftButton);
    QTest::mouseRelease(&chart, Qt::LeftButton, {}, {155, 90});
    EXPECT_EQ(ColorAt(chart.Picture(), 100, 34), clWhite);

    // Top left to bottom right: the anchor's Y becomes the low end.
    ExpectRange(chart.Scale1X(), 0.1, 0.5);
    ExpectRange(chart.Scale1Y(), 0.9, 0.5);
    EXPECT_EQ(zoomPans, 1);
    EXPECT_EQ(chart.ZoomHistory().Count(), 2);

    // maZoomWindPos keeps each axis's direction, also a reversed one.
    chart.SetMouseAction(TMouseActMode::maZoomWindPos);
    Drag(chart, {155, 90}, {71, 34});
    ExpectRange(chart.Scale1X(), 0.14, 0.3);
    ExpectRange(chart.Scale1Y(), 0.7, 0.54);

    // A window without width changes nothing; the right button cancels and erases.
    Drag(chart, {100, 40}, {100, 120});
    ExpectRange(chart.Scale1X(), 0.14, 0.3);
    Move(chart, {71, 34});
    QTest::mousePress(&chart, Qt::LeftButton, {}, {71, 34});
    Move(chart, {155, 90}, Qt::LeftButton);
    QTest::mousePress(&chart, Qt::RightButton, {}, {155, 90});
    QTest::mouseRelease(&chart, Qt::RightButton, {}, {155, 90});
    EXPECT_EQ(ColorAt(chart.Picture(), 100, 34), clWhite);
    QTest::mouseRelease(&chart, Qt::LeftButton, {}, {155, 90});
    ExpectRange(chart.Scale1X(), 0.14, 0.3);
    EXPECT_EQ(zoomPans, 2);
    EXPECT_EQ(chart.ZoomHistory().Count(), 3);
}

TEST(ChartMouse, LogarithmicAxesZoomAndPanByRatios)
{
    TPlotta chart;
    chart.Scale1X()->SetRangeLow(1);
    chart.Scale1X()->SetRangeHigh(1000);
    chart.Scale1X()->SetLogarithmic(true);
    chart.SetMouseAction(TMouseActMode::maZoomWindPos);
    Drag(chart, {120, 34}, {190, 90}); // a third to two thirds of the width
    EXPECT_NEAR(chart.Scale1X()->RangeLow(), 10, 1e-9);
    EXPECT_NEAR(chart.Scale1X()->RangeHigh(), 100, 1e-9);

    chart.SetMouseAction(TMouseActMode::maPanHoriz);
    Drag(chart, {100, 90}, {170, 90}); // right by a third
    const double f = std::pow(10, -1.0 / 3);
    EXPECT_NEAR(chart.Scale1X()->RangeLow(), 10 * f, 1e-9);
    EXPECT_NEAR(chart.Scale1X()->RangeHigh(), 100 * f, 1e-9);
}

TEST(ChartMouse, OnlyMouseControlledLayersAndTheirFollowersMove)
{
    TPlotta chart;
    chart.resize(290, 200);
    chart.JointLayers()->SetL03xControlledBy(1);
    chart.SetMouseAction(TMouseActMode::maPan);
    Drag(chart, {100, 90}, {155, 55});
    ExpectRange(chart.Scale1Y(), -0.25, 0.75);
    ExpectRange(chart.ScaleX(3), -0.25, 0.75);
    ExpectRange(chart.ScaleY(3), 0, 1);
    ExpectRange(chart.ScaleX(2), 0, 1);
    // The follower adds no history entries of its own.
    EXPECT_EQ(chart.ZoomHistory().Count(), 2);

    chart.SetMouseControlled(2, true);
    EXPECT_TRUE(chart.MouseControlled(2));
    Drag(chart, {100, 90}, {155, 90});
    ExpectRange(chart.ScaleX(2), -0.25, 0.75);
    ExpectRange(chart.Scale1X(), -0.5, 0.5);
    ExpectRange(chart.ScaleX(3), -0.5, 0.5);
}

TEST(ChartMouse, ZoomHistoryKeepsTheLastSixteenSnapshots)
{
    TPlotta chart;
    for (int i = 0; i < 20; ++i)
        chart.SetLayerRange(1, 0, 0, i + 2, 1, true, false);
    EXPECT_EQ(chart.ZoomHistory().Count(), 16);
    EXPECT_EQ(chart.ZoomHistory().WritePosition(), 6);
    for (int i = 0; i < 15; ++i)
        ASSERT_TRUE(chart.ZoomBack());
    EXPECT_FALSE(chart.ZoomBack());
    ExpectRange(chart.Scale1X(), 0, 6);

    // Without a record or with an unusable range nothing is added.
    chart.SetLayerRange(1, 0, 0, 3, 1, false, false);
    chart.SetLayerRange(1, 0, 0, 0, 1, true, false);
    EXPECT_EQ(chart.ZoomHistory().Count(), 1);
    ExpectRange(chart.Scale1X(), 0, 3);

    chart.SetIsometric(true);
    EXPECT_EQ(chart.ZoomHistory().Count(), 2);
}

TEST(ChartMouse, ZoomBackReturnsToTheViewBeforeTheZoomAndReportsIt)
{
    TPlotta chart;
    UsePixelUnits(chart); // ranges set by code are not in the history
    int zoomPans = 0;
    chart.OnZoomPan = [&](QObject*) { ++zoomPans; };
    chart.SetMouseAction(TMouseActMode::maZoomWindPos);
    Drag(chart, {71, 34}, {155, 90});
    ExpectRange(chart.Scale1X(), 21, 105);
    ASSERT_TRUE(chart.ZoomBack());
    ExpectRange(chart.Scale1X(), 0, 210);
    ExpectRange(chart.Scale1Y(), 0, 140);
    EXPECT_EQ(zoomPans, 2);

    chart.Scale1X()->SetRangeHigh(420);
    chart.SetMouseAction(TMouseActMode::maPan);
    Drag(chart, {100, 90}, {155, 90});
    ASSERT_TRUE(chart.ZoomBack());
    ExpectRange(chart.Scale1X(), 0, 420);
    EXPECT_EQ(zoomPans, 4);
}

TEST(ChartMouse, CrossHairNearestToTheDragStartFollows)
{
    TPlotta chart;
    chart.SetMouseAction(TMouseActMode::maDragCrossH);
    QList<int> moved;
    chart.OnCrossHairMove = [&](QObject*, int which) { moved << which; };

    // All off: crosshair 1 follows, though it is not drawn.
    Drag(chart, {100, 90}, {155, 90});
    EXPECT_DOUBLE_EQ(chart.CrossHair1()->PosX(), 0.5);
    EXPECT_DOUBLE_EQ(chart.CrossHair1()->PosY(), 0.5);
    EXPECT_EQ(moved, QList<int>({1}));

    chart.CrossHair2()->SetPosX(0.2); // column 92
    chart.CrossHair2()->SetMode(TCrossHMode::chVert);
    chart.CrossHair3()->SetPosY(0.5); // row 90
    chart.CrossHair3()->SetMode(TCrossHMode::chHoriz);
    Drag(chart, {95, 60}, {71, 34});
    EXPECT_DOUBLE_EQ(chart.CrossHair2()->PosX(), 0.1);
    Drag(chart, {155, 88}, {71, 34}); // right on crosshair 1, which is off
    EXPECT_DOUBLE_EQ(chart.CrossHair3()->PosY(), 0.9);
    EXPECT_EQ(moved, QList<int>({1, 2, 3}));
}

TEST(ChartMouse, TextLabelNearestToTheDragStartFollows)
{
    TPlotta chart;
    chart.SetMouseAction(TMouseActMode::maDragLabel);
    TTextLabel* attached = chart.TextLabel(2);
    attached->SetPosX(0.5);
    attached->SetPosY(0.5);
    attached->SetMode(TTxtLblMode::tlBox);
    TTextLabel* inPixels = chart.TextLabel(3);
    inPixels->SetAttachToData(false);
    inPixels->SetPosX(60.4);
    inPixels->SetPosY(30);
    inPixels->SetMode(TTxtLblMode::tlBox);
    QList<int> moved;
    chart.OnTextLabelMove = [&](QObject*, int which) { moved << which; };

    Drag(chart, {150, 85}, {71, 34});
    EXPECT_DOUBLE_EQ(attached->PosX(), 0.1);
    EXPECT_DOUBLE_EQ(attached->PosY(), 0.9);
    Drag(chart, {62, 31}, {80, 40});
    EXPECT_EQ(inPixels->PosX(), 80);
    EXPECT_EQ(inPixels->PosY(), 40);
    EXPECT_EQ(moved, QList<int>({2, 3}));
}

TEST(ChartMouse, SelectionRectangleIsDraggedWithinTheDataArea)
{
    TPlotta chart;
    chart.ShowItems();
    chart.ArmSelection();
    QTest::mousePress(&chart, Qt::RightButton, {}, {60, 30});
    QTest::mouseRelease(&chart, Qt::RightButton, {}, {60, 30});
    EXPECT_EQ(chart.SelectionState(), TSelectionState::Idle);

    chart.ArmSelection();
    QTest::mousePress(&chart, Qt::LeftButton, {}, {60, 30});
    EXPECT_EQ(chart.SelectionState(), TSelectionState::Dragging);
    Move(chart, {275, 190}, Qt::LeftButton);
    EXPECT_EQ(ColorAt(chart.Picture(), 100, 30), clBlack);
    QTest::mouseRelease(&chart, Qt::LeftButton, {}, {275, 190});
    EXPECT_EQ(chart.SelectionState(), TSelectionState::Finished);
    EXPECT_EQ(chart.SelectionStart(), QPoint(60, 30));
    EXPECT_EQ(chart.SelectionEnd(), QPoint(260, 160));
    EXPECT_EQ(ColorAt(chart.Picture(), 100, 30), clWhite);
}

TEST(ChartMouse, CursorFollowsTheModeUnlessFixed)
{
    TPlotta chart;
    chart.SetMouseAction(TMouseActMode::maPan);
    Move(chart, {100, 90});
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);

    chart.SetMouseCursorFixed(false);
    Move(chart, {100, 90});
    ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(*QGuiApplication::overrideCursor(), ChartCursor(TChartCursor::crHand));
    chart.SetMouseAction(TMouseActMode::maZoomWindPos);
    Move(chart, {100, 90});
    EXPECT_EQ(*QGuiApplication::overrideCursor(), ChartCursor(TChartCursor::crZoomWindowPos));
    chart.SetMouseAction(TMouseActMode::maNone);
    Move(chart, {100, 90});
    EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::CrossCursor);
    Move(chart, {20, 90}); // beside the data area
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);

    Move(chart, {100, 90});
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(&chart, &leave);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST(ChartMouse, EventsAndMousePositionInTheirOrder)
{
    TPlotta chart;
    chart.SetMouseAction(TMouseActMode::maPan);
    QStringList events;
    chart.OnMouseDown = [&](QObject*, TMouseButton, TShiftState, int, int) {
        // The press position is already the mouse position.
        events << QStringLiteral("down %1 %2").arg(chart.MousePosX()).arg(chart.MousePosY());
    };
    chart.OnMouseMove = [&](QObject*, TShiftState, int, int) { events << "move"; };
    chart.OnZoomPan = [&](QObject*) { events << "zoompan"; };
    chart.OnMouseMoveInChart = [&](QObject*, bool inChart, TShiftState shift, double x, double y) {
        events << QStringLiteral("in chart %1 %2 %3 %4")
                      .arg(inChart)
                      .arg(bool(shift & TShiftFlag::ssLeft))
                      .arg(x)
                      .arg(y);
    };
    chart.OnMouseUp = [&](QObject*, TMouseButton, TShiftState, int, int) {
        events << QStringLiteral("up, history %1").arg(chart.ZoomHistory().Count());
    };

    QTest::mousePress(&chart, Qt::LeftButton, {}, {155, 90});
    Move(chart, {155, 90}, Qt::LeftButton);
    Move(chart, {260, 20}, Qt::LeftButton); // the point taken moves with the mouse
    Move(chart, {155, 195}, Qt::LeftButton);
    QTest::mouseRelease(&chart, Qt::LeftButton, {}, {155, 195});
    EXPECT_EQ(events.join(" | ").toStdString(),
              "down 0.5 0.5 | move | in chart 1 1 0.5 0.5 | move | zoompan | in chart 1 1 0.5 0.5"
              " | move | in chart 0 1 0 -0.75 | up, history 1");
    EXPECT_DOUBLE_EQ(chart.MousePosX(), 0.5);
    EXPECT_DOUBLE_EQ(chart.MousePosY(), 0.5);
    EXPECT_EQ(chart.ZoomHistory().Count(), 2);
}
