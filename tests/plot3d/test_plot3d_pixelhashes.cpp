// Whole frames of the 3-D plot, each pinned by a hash of its pixels: a speed-up of the
// surface drawing must leave every pixel where it was.
#include "controls/plot3d/plot3d.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <functional>

namespace {

std::uint64_t PixelHash(const QImage& image)
{
    std::uint64_t hash = 14695981039346656037ull; // FNV-1a
    for (int y = 0; y < image.height(); ++y) {
        const QRgb* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            hash = (hash ^ (row[x] & RGB_MASK)) * 1099511628211ull;
    }
    return hash;
}

void FillSurface(TPlot3D& plot, int columns, int rows, const std::function<double(double, double)>& height)
{
    TMatrix& surface = *plot.SurfaceMatrix();
    surface.Resize(columns, rows);
    for (int c = 1; c <= columns; ++c)
        for (int r = 1; r <= rows; ++r)
            surface.SetElem(c, r, height(c, r));
}

// The error surface window's look: a paraboloid without mesh in three colors.
void ErrorSurface(TPlot3D& plot)
{
    plot.resize(615, 434);
    plot.SetCentX(307);
    plot.SetCentY(217);
    plot.SetColorBakGnd(0x804000);
    plot.SetMeshVisible(false);
    plot.SetColorHigh(clWhite);
    plot.SetColorMid(0x14698B);
    plot.SetColorLow(clGreen);
    plot.SetColorCodingMode(TColorCodingMode::ccmThreeColors);
    plot.SetMagnification(0.7);
    FillSurface(plot, 50, 50, [](double c, double r) {
        return 50 * ((c - 25.5) * (c - 25.5) + (r - 25.5) * (r - 25.5)) / 600.25;
    });
    plot.SetRangeZLow(-50);
    plot.SetRangeZHigh(100);
}

// Waves with a mesh, some cells folding over others, one height missing.
void MeshedWaves(TPlot3D& plot)
{
    plot.SetColorMesh(0x00FF00);
    FillSurface(plot, 37, 23, [](double c, double r) {
        return c == 20 && r == 9 ? NAN : 40 * std::sin(c * 0.3) * std::cos(r * 0.21) + 50;
    });
    plot.SetRangeZLow(0);
    plot.SetRangeZHigh(100);
    plot.SetColorCodeAvg(true);
}

} // namespace

TEST(Plot3DPixelHashes, FramesDrawTheSamePixels)
{
    const struct {
        const char* name;
        std::function<void(TPlot3D&)> setUp;
        double angleX, angleZ;
        std::uint64_t expected;
    } frames[] = {
        {"error surface", ErrorSurface, 60, 16, 15043497678890762408ull},
        {"error surface from below", ErrorSurface, 200, 250, 2234910009580320744ull},
        {"meshed waves", MeshedWaves, 50, 40, 15924851062704561649ull},
        {"meshed waves zoomed past the edges",
         [](TPlot3D& p) {
             MeshedWaves(p);
             p.SetMagnification(2.5);
             p.SetBoundBoxStyle(TBoundingBox::bbFrame);
         },
         300, 45, 465287512833037136ull},
    };
    for (const auto& f : frames) {
        TPlot3D plot;
        plot.SetVisibleXCoords(false);
        plot.SetVisibleYCoords(false);
        plot.SetVisibleZCoords(false);
        f.setUp(plot);
        plot.SetViewAngles(f.angleX, f.angleZ);
        EXPECT_EQ(PixelHash(plot.CurrentPicture().Image()), f.expected) << f.name;
    }
}
