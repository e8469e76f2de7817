#include "controls/plot3d/hittest.h"
#include "controls/plot3d/plot3d.h"

#include <QApplication>
#include <QMouseEvent>
#include <gtest/gtest.h>
#include <tuple>
#include <vector>

namespace {

void Move(TPlot3D& plot, QPoint p, Qt::MouseButtons buttons = Qt::NoButton)
{
    QMouseEvent event(QEvent::MouseMove, QPointF(p), plot.mapToGlobal(QPointF(p)), Qt::NoButton, buttons,
                      Qt::NoModifier);
    QApplication::sendEvent(&plot, &event);
}

// Moves to from without a button, then drags to `to`.
void Drag(TPlot3D& plot, QPoint from, QPoint to, Qt::MouseButtons buttons = Qt::LeftButton)
{
    Move(plot, from);
    Move(plot, to, buttons);
}

} // namespace

TEST(Plot3DMouse, RotationFollowsTheTotalDisplacement)
{
    TPlot3D plot; // 650 x 500
    int actions = 0;
    plot.OnMouseAction = [&](QObject*, int&, int&, double&, double&, double&, TShiftState shift) {
        EXPECT_TRUE(shift & TShiftFlag::ssLeft);
        ++actions;
    };
    Move(plot, {100, 300});
    Move(plot, {120, 280}, Qt::LeftButton);
    Move(plot, {165, 175}, Qt::LeftButton); // 10 % right and 25 % up in all
    EXPECT_DOUBLE_EQ(plot.ViewAngleZ(), 339);
    EXPECT_DOUBLE_EQ(plot.ViewAngleX(), 150);
    EXPECT_EQ(plot.ViewMatrix().m33, TViewMatrix::FromAngles(150, 339).m33);
    EXPECT_EQ(actions, 2);
    Move(plot, {700, 175}, Qt::LeftButton); // outside: nothing happens
    EXPECT_EQ(actions, 2);

    // A handler may hold the elevation, bypassing the setters.
    plot.OnMouseAction = [](QObject*, int&, int&, double& angleX, double&, double&, TShiftState) {
        angleX = 60;
    };
    Drag(plot, {100, 300}, {100, 200});
    EXPECT_EQ(plot.ViewAngleX(), 60);

    plot.OnMouseAction = nullptr;
    plot.SetMouseAction(TMouseActMode::maRotXOnly);
    Drag(plot, {100, 300}, {100, 175});
    EXPECT_DOUBLE_EQ(plot.ViewAngleX(), 330);

    plot.SetMouseAction(TMouseActMode::maNone);
    Drag(plot, {100, 300}, {150, 100});
    EXPECT_DOUBLE_EQ(plot.ViewAngleX(), 330);
}

TEST(Plot3DMouse, ZoomAndPan)
{
    TPlot3D plot;
    plot.SetMagnification(0.7);
    plot.SetMouseAction(TMouseActMode::maZoom);
    Drag(plot, {10, 400}, {10, 150});
    EXPECT_NEAR(plot.Magnification(), 1.44975, 1e-12);
    Drag(plot, {10, 500}, {10, 0});
    Drag(plot, {10, 500}, {10, 0});
    EXPECT_DOUBLE_EQ(plot.Magnification(), 3.0);
    Drag(plot, {10, 0}, {10, 500});
    Drag(plot, {10, 0}, {10, 500});
    EXPECT_DOUBLE_EQ(plot.Magnification(), 0.001);

    // Rotate-and-zoom: the right button zooms.
    plot.SetMouseAction(TMouseActMode::maRotAndZoom);
    Drag(plot, {10, 500}, {20, 250}, Qt::RightButton);
    EXPECT_NEAR(plot.Magnification(), 0.001 + 0.74975, 1e-12);
    EXPECT_EQ(plot.ViewAngleZ(), 15);

    plot.SetMouseAction(TMouseActMode::maPan);
    plot.SetCentX(5000);
    Drag(plot, {100, 100}, {200, 90});
    EXPECT_EQ(plot.CentX(), 1400); // past the setter's limit of 2 x 650
    EXPECT_EQ(plot.CentY(), 240);
}

TEST(Plot3DMouse, AControlWithoutAreaIgnoresDrags)
{
    for (QSize size : {QSize(0, 300), QSize(300, 0)}) {
        TPlot3D plot;
        plot.SetMouseAction(TMouseActMode::maRotAndZoom);
        plot.resize(size);
        Drag(plot, {0, 0}, {0, 0}, Qt::LeftButton | Qt::RightButton);
        EXPECT_EQ(plot.ViewAngleX(), 60) << size.width();
        EXPECT_EQ(plot.ViewAngleZ(), 15) << size.width();
        EXPECT_EQ(plot.Magnification(), 1.0) << size.width();
    }
}

TEST(Plot3DMouse, CellUnderThePointer)
{
    TPlot3D plot;
    std::vector<std::tuple<bool, int, int>> reports;
    plot.OnMouseMoveOverPlot = [&](QObject*, bool over, TShiftState, int c, int r) {
        reports.push_back({over, c, r});
    };
    plot.SurfaceMatrix()->Resize(4, 2);
    Move(plot, {325, 250}); // nothing drawn yet
    EXPECT_EQ(reports.back(), std::tuple(false, 0, 0));

    // From above the cells span x 175..275, 275..375 and 375..475.
    plot.SetViewAngles(0, 0);
    Move(plot, {200, 120});
    EXPECT_EQ(reports.back(), std::tuple(true, 1, 1));
    Move(plot, {375, 250}); // the shared edge: the cell drawn last wins
    EXPECT_EQ(reports.back(), std::tuple(true, 3, 1));
    plot.SetViewAngleZ(360); // same picture, columns drawn from the right
    Move(plot, {375, 250});
    EXPECT_EQ(reports.back(), std::tuple(true, 2, 1));
    Move(plot, {175, 100}); // a corner of the mesh lies on two edges
    EXPECT_EQ(reports.back(), std::tuple(false, 0, 0));
    Move(plot, {600, 250});
    EXPECT_EQ(reports.back(), std::tuple(false, 0, 0));
}
