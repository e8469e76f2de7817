// Dense scenes drawn through the chart and straight on a canvas, each pinned by a hash
// of its pixels: a speed-up of the drawing code must leave every pixel where it was.
#include "chartpixels.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <random>

namespace {

std::uint64_t PixelHash(const QImage& image)
{
    std::uint64_t hash = 14695981039346656037ull; // FNV-1a
    for (int y = 0; y < image.height(); ++y) {
        const QRgb* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            hash = (hash ^ (row[x] & RGB_MASK)) * 1099511628211ull;
        }
    }
    return hash;
}

// Values from the generator's own output, which the standard fixes, in [low, high).
class Draws {
public:
    double Real(double low, double high) { return low + (high - low) * (m_random() / 4294967296.0); }
    int Int(int low, int high) { return low + int(m_random() % unsigned(high - low)); }

private:
    std::mt19937 m_random{2026};
};

void RandomWalk(TPlotta& chart, int steps, Draws& draws)
{
    double x = 105, y = 70;
    chart.AddMoveTo(x, y);
    for (int i = 0; i < steps; ++i) {
        x = std::clamp(x + draws.Real(-6, 6), -5.0, 215.0);
        y = std::clamp(y + draws.Real(-6, 6), -5.0, 145.0);
        chart.AddLineTo(x, y);
    }
}

void FarLines(TPlotta& chart, int count, Draws& draws)
{
    for (int i = 0; i < count; ++i)
        chart.AddLine(draws.Real(-30000, 30000), draws.Real(-30000, 30000), draws.Real(-30000, 30000),
                      draws.Real(-30000, 30000));
}

using ChartScene = std::function<void(TPlotta&, Draws&)>;
using CanvasScene = std::function<void(TCanvas&, Draws&)>;

std::uint64_t ChartHash(const ChartScene& scene)
{
    TPlotta chart;
    UsePixelUnits(chart);
    Draws draws;
    scene(chart, draws);
    chart.ShowItems();
    return PixelHash(chart.DataAreaPicture().Image());
}

std::uint64_t CanvasHash(const CanvasScene& scene)
{
    TBitmap bitmap(211, 141);
    Draws draws;
    scene(bitmap.Canvas(), draws);
    return PixelHash(bitmap.Image());
}

} // namespace

TEST(ChartPixelHashes, DenseScenesDrawTheSamePixels)
{
    const struct {
        const char* name;
        ChartScene scene;
        std::uint64_t expected;
    } chartScenes[] = {
        {"random walk", [](TPlotta& c, Draws& d) { RandomWalk(c, 100000, d); }, 16958540297611625768ull},
        {"marks",
         [](TPlotta& c, Draws& d) {
             for (int i = 0; i < 10000; ++i) {
                 c.SetDataColor(TColor(d.Int(0, 0x1000000)));
                 c.AddMark(std::uint8_t(i % 48), d.Real(-5, 215), d.Real(-5, 145));
             }
         },
         14372017944650635960ull},
        {"far lines", [](TPlotta& c, Draws& d) { FarLines(c, 3000, d); }, 7192050283076741782ull},
        {"dashed",
         [](TPlotta& c, Draws& d) {
             c.SetPenStyle(TPenStyle::psDash);
             RandomWalk(c, 3000, d);
             c.SetPenStyle(TPenStyle::psDashDotDot);
             FarLines(c, 300, d);
         },
         13181587834296294043ull},
        {"width 2",
         [](TPlotta& c, Draws& d) {
             c.SetLineWidth(2);
             RandomWalk(c, 3000, d);
             c.SetPenStyle(TPenStyle::psDot);
             FarLines(c, 300, d);
         },
         4214878741261103935ull},
    };
    for (const auto& s : chartScenes)
        EXPECT_EQ(ChartHash(s.scene), s.expected) << s.name;

    const struct {
        const char* name;
        CanvasScene scene;
        std::uint64_t expected;
    } canvasScenes[] = {
        {"xor lines",
         [](TCanvas& c, Draws& d) {
             c.Pen.Mode = TPenMode::pmXor;
             c.Pen.Color = clYellow;
             for (int i = 0; i < 20000; ++i)
                 c.LineTo(d.Int(-30000, 30000) / (i % 2 ? 1 : 200), d.Int(-30000, 30000) / (i % 2 ? 1 : 200));
         },
         6952580625413971840ull},
        {"xor dashed",
         [](TCanvas& c, Draws& d) {
             c.Pen.Mode = TPenMode::pmXor;
             c.Pen.Style = TPenStyle::psDashDot;
             for (int i = 0; i < 5000; ++i)
                 c.LineTo(d.Int(-20, 230), d.Int(-20, 160));
         },
         14129976061789646208ull},
    };
    for (const auto& s : canvasScenes)
        EXPECT_EQ(CanvasHash(s.scene), s.expected) << s.name;
}
