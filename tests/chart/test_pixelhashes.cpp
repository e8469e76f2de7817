// Dense scenes drawn through the chart and straight on a canvas, each pinned by a hash
// of its pixels: a speed-up of the drawing code must leave every pixel where it was.
#include "chartpixels.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
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

// Runs of marks and of line-tos that look alike, of every length, with points that are
// no numbers, tags that change within a run, and layers and classes that are hidden.
void AlikeRuns(TPlotta& chart, Draws& draws)
{
    for (int layer = 2; layer <= 4; ++layer)
        chart.SetLayerRange(layer, -20, -10, 230, 150 + 10 * layer, false, false);
    chart.SetLayerVisible(3, false);
    chart.SetClassVisible(6, false);
    double x = 105, y = 70;
    for (int run = 0; run < 300; ++run) {
        chart.SetDataColor(TColor(draws.Int(0, 4)) * 0x3F3F3F);
        chart.SetCurrentLayer(draws.Int(1, 5));
        chart.SetClassDefault(draws.Int(4, 8));
        chart.SetLineWidth(draws.Int(0, 8) == 0 ? 2 : 1);
        const bool marks = draws.Int(0, 2) == 0;
        const std::uint8_t markType = std::uint8_t(draws.Int(0, 48));
        const int length = draws.Int(1, 1500);
        for (int i = 0; i < length; ++i) {
            x = std::clamp(x + draws.Real(-9, 9), -5.0, 215.0);
            y = std::clamp(y + draws.Real(-9, 9), -5.0, 145.0);
            const double px = draws.Int(0, 150) == 0 ? std::nan("") : x;
            if (draws.Int(0, 100) == 0)
                chart.SetItemTag(i);
            if (marks)
                chart.AddMark(markType, px, y);
            else
                chart.AddLineTo(px, y);
        }
    }
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
        {"alike runs", AlikeRuns, 3564526728606053353ull},
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
