#include "controls/plot3d/colorcoding.h"
#include "controls/plot3d/cubeview.h"
#include "controls/plot3d/plot3d.h"

#include <QColor>
#include <gtest/gtest.h>
#include <limits>
#include <tuple>
#include <utility>
#include <vector>

namespace {

TColor PixelAt(TPlot3D& plot, QPoint p) { return FromQColor(plot.CurrentPicture().Image().pixelColor(p)); }

// The screen point in the middle of the given cube corners.
QPoint MiddleOf(const TPlot3D& plot, std::initializer_list<int> corners)
{
    QPoint sum;
    for (int corner : corners)
        sum += plot.Projection().Project(CubeCorner(corner));
    return sum / int(corners.size());
}

int CountPixels(TPlot3D& plot, TColor color)
{
    const QImage& image = plot.CurrentPicture().Image();
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += FromQColor(image.pixelColor(x, y)) == color;
    return count;
}

// A plot without axes whose cube parts have colors of their own.
class Plot3DRenderTest : public ::testing::Test {
protected:
    Plot3DRenderTest()
    {
        plot.SetVisibleXCoords(false);
        plot.SetVisibleYCoords(false);
        plot.SetVisibleZCoords(false);
        plot.SetColorCubeHidLin(0x123456);
        plot.SetColorCubeFrame(0x654321);
    }

    TPlot3D plot;
};

} // namespace

TEST_F(Plot3DRenderTest, BackWallsAreShadedByHowSquarelyTheyFaceTheViewer)
{
    // Default view: the walls through corner 7 at z, x and y = +150.
    EXPECT_EQ(BackCorner(plot.ViewMatrix()), 0);
    const TViewMatrix& view = plot.ViewMatrix();
    EXPECT_EQ(WallShade(view, 0), 100);
    EXPECT_EQ(WallShade(view, 4), 45);
    EXPECT_EQ(WallShade(view, 1), 167);
    const TColor low = plot.ColorCubeFaceLow();
    const TColor high = plot.ColorCubeFaceHigh();
    EXPECT_EQ(PixelAt(plot, MiddleOf(plot, {1, 5, 7, 3})), ShadeColor(low, high, 100));
    EXPECT_EQ(PixelAt(plot, MiddleOf(plot, {4, 5, 7, 6})), ShadeColor(low, high, 45));
    EXPECT_EQ(PixelAt(plot, MiddleOf(plot, {2, 3, 7, 6})), ShadeColor(low, high, 167));
    EXPECT_GT(CountPixels(plot, 0x123456), 100); // the edges from corner 0

    // Channels move toward the high color, truncated toward zero both ways.
    EXPECT_EQ(ShadeColor(0xC0C0C0, 0xFEEEEE, 45), RGBColor(202, 202, 205));
    EXPECT_EQ(ShadeColor(0x0000FF, 0x000000, 1), 0x0000FEu);

    // Seen from straight above, the wall at z = +150 is face-on.
    plot.SetViewAngles(0, 0);
    EXPECT_EQ(PixelAt(plot, QPoint(plot.CentX() + 20, plot.CentY() + 30)), high);
    EXPECT_EQ(WallShade(plot.ViewMatrix(), 4), 0);
}

TEST_F(Plot3DRenderTest, BoundBoxStyles)
{
    const QPoint topWall = MiddleOf(plot, {1, 5, 7, 3});
    plot.SetBoundBoxStyle(TBoundingBox::bbFrame);
    EXPECT_EQ(PixelAt(plot, topWall), plot.ColorBakGnd());
    EXPECT_EQ(PixelAt(plot, plot.Projection().Project(CubeCorner(5))), 0x654321u);
    EXPECT_GT(CountPixels(plot, 0x123456), 100);

    plot.SetBoundBoxStyle(TBoundingBox::bbNone);
    EXPECT_EQ(CountPixels(plot, 0x123456), 0);
    EXPECT_EQ(CountPixels(plot, 0x654321), 0);
    EXPECT_EQ(PixelAt(plot, topWall), plot.ColorBakGnd());

    // Outlined walls leave the cells filled.
    plot.SurfaceMatrix()->Resize(2, 2);
    plot.SetBoundBoxStyle(TBoundingBox::bbFrame);
    EXPECT_EQ(PixelAt(plot, QPoint(plot.CentX(), plot.CentY())), plot.ColorRamp().ColorOf(0));
}

TEST(Plot3DColorRamp, RampsClampAndRoundHalvesToEven)
{
    TColorRamp ramp{RGBColor(0, 0, 0),
                    RGBColor(10, 20, 30),
                    RGBColor(1, 3, 255),
                    0,
                    100,
                    TColorCodingMode::ccmThreeColors};
    EXPECT_EQ(ramp.ColorOf(50), RGBColor(10, 20, 30));
    EXPECT_EQ(ramp.ColorOf(0), ramp.Low);
    EXPECT_EQ(ramp.ColorOf(-7), ramp.Low);
    EXPECT_EQ(ramp.ColorOf(100), ramp.High);
    EXPECT_EQ(ramp.ColorOf(1e300), ramp.High);
    EXPECT_EQ(ramp.ColorOf(25), RGBColor(5, 10, 15));

    ramp.Mode = TColorCodingMode::ccmTwoColors;
    EXPECT_EQ(ramp.ColorOf(50), RGBColor(0, 2, 128)); // 0.5, 1.5 and 127.5 round to even
    EXPECT_EQ(ramp.ColorOf(std::numeric_limits<double>::quiet_NaN()), ramp.Low);
}

TEST_F(Plot3DRenderTest, CellsAreColoredDrawnInViewOrderAndKeyed)
{
    TMatrix& surface = *plot.SurfaceMatrix();
    surface.Resize(3, 2);
    for (auto [c, r, h] :
         {std::tuple{1, 1, 1.0}, {1, 2, 2.0}, {2, 1, 3.0}, {2, 2, 10.0}, {3, 1, 0.0}, {3, 2, 0.0}})
        surface.SetElem(c, r, h);
    plot.SetMeshVisible(false);
    std::vector<std::pair<QPoint, TColor>> cells;
    plot.OnBeforeRenderPolygon = [&](QObject*, TCanvas&, bool& handled, int c, int r, const TQuad&,
                                     TColor& color) {
        cells.push_back({QPoint(c, r), color});
        handled = c == 2;
        if (c == 1)
            color = clRed;
    };
    plot.SetViewAngles(0, 0);
    const TColorRamp ramp = plot.ColorRamp();
    ASSERT_EQ(cells.size(), 2u);
    EXPECT_EQ(cells[0], std::pair(QPoint(1, 1), ramp.ColorOf(10))); // the largest corner
    EXPECT_EQ(cells[1].first, QPoint(2, 1));
    // The handler's color is used; the handled cell is left to its handler.
    EXPECT_EQ(PixelAt(plot, QPoint(plot.CentX() - 75, plot.CentY())), clRed);
    EXPECT_EQ(PixelAt(plot, QPoint(plot.CentX() + 75, plot.CentY())), plot.ColorCubeFaceHigh());
    for (int c = 1; c <= 3; ++c)
        for (int r = 1; r <= 2; ++r)
            EXPECT_EQ(plot.DrawKeyMatrix().GetElem(c, r), (r - 1) * 3 + c);

    cells.clear();
    plot.SetColorCodeAvg(true);
    EXPECT_EQ(cells[0].second, ramp.ColorOf(4)); // the mean of 1, 2, 10 and 3

    // Turned past 180 degrees the columns are drawn from the right.
    cells.clear();
    plot.SetViewAngleZ(360);
    EXPECT_EQ(cells[0].first, QPoint(2, 1));
    EXPECT_EQ(plot.DrawKeyMatrix().GetElem(1, 1), 2);
}

TEST(Plot3DAxes, TickLabelsAndWhereTheyStart)
{
    TPlot3D plot;
    std::vector<QString> labels[3];
    std::vector<QPoint> ticks[3];
    plot.OnBeforeDrawScaleLabel = [&](QObject*, TCanvas&, TP3ScaleKind axis, QString& label, int x, int y) {
        labels[axis].push_back(label);
        ticks[axis].push_back(QPoint(x, y));
    };
    const auto render = [&] {
        for (int axis = 0; axis < 3; ++axis) {
            labels[axis].clear();
            ticks[axis].clear();
        }
        plot.SetColorMesh(clBlack);
    };
    plot.SetRangeXLow(-3);
    plot.SetRangeXHigh(3);
    plot.SetDecPlaceX(-2);
    plot.SetRangeYHigh(1e6);
    plot.SetRangeYLow(0);
    plot.SetDecPlaceY(-2);
    plot.SetRangeZLow(-1e6);
    plot.SetRangeZHigh(1e6);
    plot.SetDecPlaceZ(-1);
    render();
    EXPECT_EQ(labels[TP3ScaleKind::skXAxis],
              (std::vector<QString>{"-3.0", "-2.0", "-1.0", "0.0", "1.0", "2.0", "3.0"}));
    EXPECT_EQ(
        labels[TP3ScaleKind::skYAxis],
        (std::vector<QString>{"0.0", " 2.0E+0005", " 4.0E+0005", " 6.0E+0005", " 8.0E+0005", " 1.0E+0006"}));
    EXPECT_EQ(labels[TP3ScaleKind::skZAxis],
              (std::vector<QString>{"-1.0E+0006", "-5.0E+0005", "0.0", " 5.0E+0005", " 1.0E+0006"}));

    // Default view: X from corner 2 to 6, Y from 4 to 6 and Z from corner 4 up to 5.
    const TProjection projection = plot.Projection();
    EXPECT_EQ(ticks[TP3ScaleKind::skXAxis].front(), projection.Project(CubeCorner(2)));
    EXPECT_EQ(ticks[TP3ScaleKind::skXAxis].back(), projection.Project(CubeCorner(6)));
    EXPECT_EQ(ticks[TP3ScaleKind::skYAxis].front(), projection.Project(CubeCorner(4)));
    EXPECT_EQ(ticks[TP3ScaleKind::skZAxis].front(), projection.Project(CubeCorner(4)));
    EXPECT_EQ(ticks[TP3ScaleKind::skZAxis].back(), projection.Project(CubeCorner(5)));

    // Long labels are cut before the handler sees them; a reversed range counts down.
    plot.SetRangeXHigh(1e15);
    plot.SetDecPlaceX(2);
    plot.SetRangeZLow(10);
    plot.SetRangeZHigh(0);
    plot.SetDecPlaceZ(0);
    render();
    EXPECT_EQ(labels[TP3ScaleKind::skXAxis].back(), "10000000000000");
    EXPECT_EQ(labels[TP3ScaleKind::skZAxis], (std::vector<QString>{"10", "8", "6", "4", "2", "0"}));
}
