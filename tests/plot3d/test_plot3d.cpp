#include "controls/plot3d/plot3d.h"

#include <QColor>
#include <QMetaProperty>
#include <QVBoxLayout>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace {

// A plot that counts how often it renders.
class Plot3DTest : public ::testing::Test {
protected:
    Plot3DTest()
    {
        plot.OnDataRendered = [this](QObject* sender, TCanvas&) {
            EXPECT_EQ(sender, &plot);
            ++renders;
        };
    }

    TPlot3D plot;
    int renders = 0;
};

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

} // namespace

TEST_F(Plot3DTest, Defaults)
{
    EXPECT_EQ(plot.size(), QSize(650, 500));
    QWidget window; // a layout gives it its default size
    auto* layout = new QVBoxLayout(&window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new TPlot3D);
    EXPECT_EQ(window.sizeHint(), QSize(650, 500));
    EXPECT_EQ(plot.CentX(), 325);
    EXPECT_EQ(plot.CentY(), 250);
    EXPECT_EQ(plot.ViewAngleX(), 60.0);
    EXPECT_EQ(plot.ViewAngleZ(), 15.0);
    EXPECT_EQ(plot.ViewMatrix().m22, TViewMatrix::FromAngles(60, 15).m22);
    EXPECT_EQ(plot.Magnification(), 1.0);
    EXPECT_EQ(plot.BoundBoxStyle(), TBoundingBox::bbFaces);
    EXPECT_EQ(plot.FrameStyle(), TFrameStyle::fsLowered);
    EXPECT_EQ(plot.ColorScheme(), TColorScheme::csSystem);
    EXPECT_EQ(plot.MouseAction(), TMouseActMode::maRotate);
    EXPECT_EQ(plot.ColorCodingMode(), TColorCodingMode::ccmTwoColors);
    EXPECT_EQ(plot.ColorCubeFaceHigh(), 0xFEEEEEu);
    EXPECT_EQ(plot.ColorXCoords(), 0x0000FFu);
    EXPECT_EQ(plot.ColorYCoords(), 0xFF0000u);
    EXPECT_EQ(plot.ColorHigh(), 0x00FFFFu);
    EXPECT_EQ(plot.ColorMid(), 0xFF0000u);
    EXPECT_EQ((std::array{plot.DecPlaceX(), plot.DecPlaceY(), plot.DecPlaceZ()}), (std::array{1, 1, 2}));
    EXPECT_EQ(plot.MinTickZ(), 3);
    EXPECT_EQ(plot.RangeZLow(), -1.0);
    EXPECT_EQ(plot.RangeXHigh(), 1.0);
    EXPECT_EQ(plot.ColorScaleHigh(), 100.0);
    EXPECT_EQ(plot.HeightMapping().Factor, 150.0);
    EXPECT_EQ(plot.HeightMapping().Offset, 0.0);
    EXPECT_EQ(plot.SurfaceMatrix()->NrOfColumns(), 1);
    EXPECT_EQ(plot.SurfaceMatrix()->GetElem(1, 1), 0.0);
    EXPECT_EQ(plot.DrawKeyMatrix().NrOfRows(), 1);
    EXPECT_EQ(renders, 0);
}

TEST_F(Plot3DTest, ViewAnglesNormalizeAndRenderOnlyOnChange)
{
    plot.SetViewAngleX(370);
    EXPECT_EQ(plot.ViewAngleX(), 10);
    EXPECT_EQ(renders, 1);
    EXPECT_EQ(plot.ViewMatrix().m33, TViewMatrix::FromAngles(10, 15).m33);
    plot.SetViewAngleX(10);
    EXPECT_EQ(renders, 1);
    plot.SetViewAngleX(-90);
    EXPECT_EQ(plot.ViewAngleX(), 270);
    plot.SetViewAngleZ(360);
    EXPECT_EQ(plot.ViewAngleZ(), 360);
    EXPECT_EQ(renders, 3);

    plot.SetViewAngles(90, 375);
    EXPECT_EQ(plot.ViewAngleX(), 90);
    EXPECT_EQ(plot.ViewAngleZ(), 15);
    EXPECT_EQ(plot.ViewMatrix().m33, 0.0);
    EXPECT_EQ(renders, 4);
    plot.SetViewAngles(90, 15);
    EXPECT_EQ(renders, 4);
    plot.SetViewAngles(90, 17); // one angle changing is enough
    EXPECT_EQ(renders, 5);

    plot.SetViewAngleX(kNaN);
    plot.SetViewAngles(kInf, -kInf);
    EXPECT_EQ(plot.ViewAngleX(), 90);
    EXPECT_EQ(plot.ViewAngleZ(), 17);
    EXPECT_EQ(renders, 5);
}

TEST_F(Plot3DTest, ClampedSetters)
{
    plot.SetMagnification(5);
    EXPECT_EQ(plot.Magnification(), 3.0);
    plot.SetMagnification(0);
    EXPECT_EQ(plot.Magnification(), 0.001);
    plot.SetMagnification(kNaN);
    EXPECT_EQ(plot.Magnification(), 0.001);

    plot.SetMinTickX(1);
    EXPECT_EQ(plot.MinTickX(), 2);
    plot.SetMinTickY(50);
    EXPECT_EQ(plot.MinTickY(), 20);
    plot.SetDecPlaceZ(-5);
    EXPECT_EQ(plot.DecPlaceZ(), -2);
    plot.SetDecPlaceX(20);
    EXPECT_EQ(plot.DecPlaceX(), 12);

    plot.SetCentX(5000);
    EXPECT_EQ(plot.CentX(), 1300);
    plot.SetCentX(-5000);
    EXPECT_EQ(plot.CentX(), -650);
    plot.SetCentY(1001);
    EXPECT_EQ(plot.CentY(), 1000);
    EXPECT_EQ(renders, 9);

    // Equal values are left alone where the rule says so.
    plot.SetMinTickX(2);
    plot.SetCentY(1000);
    plot.SetMeshVisible(true);
    plot.SetFrameStyle(TFrameStyle::fsLowered);
    EXPECT_EQ(renders, 9);
}

TEST_F(Plot3DTest, RangeEndsNeverMeet)
{
    plot.SetRangeZHigh(1);
    plot.SetRangeZLow(1);
    EXPECT_EQ(plot.RangeZLow(), 0);
    plot.SetRangeZLow(-1);
    plot.SetRangeZHigh(-1);
    EXPECT_EQ(plot.RangeZHigh(), 0);
    EXPECT_DOUBLE_EQ(plot.HeightMapping().CubeZ(0), 150);
    plot.SetRangeXLow(3); // Low above High is allowed
    EXPECT_EQ(plot.RangeXLow(), 3);

    // Too large for a step of 1 to count: the next number still keeps them apart.
    plot.SetRangeYHigh(1e17);
    plot.SetRangeYLow(1e17);
    EXPECT_LT(plot.RangeYLow(), plot.RangeYHigh());
    plot.SetRangeYLow(kNaN);
    EXPECT_LT(plot.RangeYLow(), plot.RangeYHigh());
    EXPECT_EQ(renders, 7);

    plot.SetColorScaleLow(100);
    plot.SetColorScaleHigh(-3);
    plot.SetColorScaleHigh(kInf);
    EXPECT_EQ(plot.ColorScaleLow(), 0.0);
    EXPECT_EQ(plot.ColorScaleHigh(), 100.0);
    EXPECT_EQ(renders, 7);
    plot.SetColorScaleLow(99.5);
    EXPECT_EQ(renders, 8);
}

TEST_F(Plot3DTest, SurfaceChangesResizeTheScreenMatricesWithoutRendering)
{
    TMatrix& surface = *plot.SurfaceMatrix();
    int ownerNotices = 0;
    surface.OnChange = [&](QObject*) { ++ownerNotices; }; // the owner's handler does not displace the plot's
    surface.Resize(50, 40);
    EXPECT_EQ(ownerNotices, 1);
    EXPECT_EQ(plot.ScreenXMatrix().NrOfColumns(), 50);
    EXPECT_EQ(plot.ScreenYMatrix().NrOfRows(), 40);
    EXPECT_EQ(plot.DrawKeyMatrix().NrOfColumns(), 50);
    surface.SetNrOfColumns(0);
    EXPECT_EQ(plot.ScreenXMatrix().NrOfColumns(), 1);
    surface.Resize(50, 50);
    for (int c = 1; c <= 50; ++c)
        for (int r = 1; r <= 50; ++r)
            surface.SetElem(c, r, r % 2 ? 1.0 : -0.5);
    EXPECT_EQ(renders, 0);
    plot.SetRangeZLow(-0.5);
    EXPECT_EQ(renders, 1);

    EXPECT_DOUBLE_EQ(plot.GridPoint(1, 1).X, -150);
    EXPECT_DOUBLE_EQ(plot.GridPoint(50, 1).X, 150);
    EXPECT_DOUBLE_EQ(plot.GridPoint(1, 50).Y, 150);
    EXPECT_DOUBLE_EQ(plot.GridPoint(7, 1).Z, 150);
    EXPECT_DOUBLE_EQ(plot.GridPoint(7, 2).Z, -150);

    // Seen from straight above, the heights do not move the points.
    plot.SetViewAngles(0, 0);
    plot.SetMagnification(0.5);
    const TProjection projection = plot.Projection();
    EXPECT_EQ(projection.Project(plot.GridPoint(1, 1)), QPoint(325 - 75, 250 - 75));
    EXPECT_EQ(projection.Project(plot.GridPoint(50, 2)), QPoint(325 + 75, 178)); // 250 + (-150 + 300/49) / 2
}

TEST_F(Plot3DTest, RendersBackgroundAndFrameAtTheControlsSize)
{
    plot.resize(200, 120);
    plot.SetColorBakGnd(clAqua);
    plot.SetColorFrame(clRed);
    plot.SetFrameStyle(TFrameStyle::fsSimple);
    const QImage& image = plot.CurrentPicture().Image();
    EXPECT_EQ(image.size(), QSize(200, 120));
    EXPECT_EQ(FromQColor(image.pixelColor(0, 0)), clRed);
    EXPECT_EQ(FromQColor(image.pixelColor(199, 119)), clRed);
    EXPECT_EQ(FromQColor(image.pixelColor(3, 3)), clAqua);

    plot.hide();
    const int before = renders;
    plot.SetColorMesh(clGreen);
    EXPECT_EQ(renders, before);
    plot.show();
    EXPECT_EQ(renders, before + 1);
}

TEST_F(Plot3DTest, PublishedPropertiesGoThroughTheSetters)
{
    const QMetaObject* meta = plot.metaObject();
    const int first = QWidget::staticMetaObject.propertyCount();
    EXPECT_EQ(meta->propertyCount() - first, 45);
    EXPECT_STREQ(meta->property(first).name(), "BoundBoxStyle");
    EXPECT_STREQ(meta->property(meta->propertyCount() - 1).name(), "VisibleZCoords");

    EXPECT_TRUE(plot.setProperty("ViewAngleZ", -30.0));
    EXPECT_EQ(plot.ViewAngleZ(), 330);
    EXPECT_TRUE(plot.setProperty("MinTickZ", 0));
    EXPECT_EQ(plot.MinTickZ(), 2);
    EXPECT_TRUE(plot.setProperty("ColorCodingMode", QVariant::fromValue(TColorCodingMode::ccmThreeColors)));
    EXPECT_EQ(plot.ColorCodingMode(), TColorCodingMode::ccmThreeColors);
}
