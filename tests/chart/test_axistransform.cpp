// The map from axis values to pixels: the quick double evaluation never picks a pixel
// other than the one the long double evaluation rounds to.
#include "controls/chart/axistransform.h"
#include "platform/rounding.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <vector>

TEST(AxisTransform, PixelsMatchTheLongDoubleEvaluationAlsoAtHalfPixels)
{
    struct Map {
        long double K, D;
    };
    // The main window's axes (-0.5..2.5 over 292 and 197 pixels), a reversed axis, a
    // huge and a tiny scale.
    const Map maps[] = {{292.0L / 3, 41 + 292.0L / 6},
                        {-197.0L / 3, 217 - 197.0L / 6},
                        {-1.0L / 7, 100},
                        {1e12L, 0.5L},
                        {3e-9L, -0.25L},
                        {0, 176.5L}};
    std::mt19937_64 random(5);
    std::uniform_real_distribution<double> pixel(-40000, 40000);
    TAxisTransform first;
    first.SetMap(maps[0].K, maps[0].D);
    for (const Map& map : maps) {
        TAxisTransform t;
        t.SetMap(map.K, map.D);
        // Both pixels of a point at once, with this map across and the first one up.
        const TLayerTransform layer{t, first};
        double previous = 0;
        std::vector<double> tried;
        for (int i = 0; i < 20000; ++i) {
            const long double target = i % 2 ? std::floor(pixel(random)) + 0.5L : pixel(random);
            const double value = map.K == 0 ? double(target) : double((target - map.D) / map.K);
            for (double v : {value, std::nextafter(value, -1e300), std::nextafter(value, 1e300)}) {
                const long double exact = std::clamp(map.K * v + map.D, -2147483647.0L, 2147483647.0L);
                ASSERT_EQ(t.ToPixel(v), int(RoundHalfEven(exact))) << double(map.K) << " " << v;
                ASSERT_EQ(layer.ToPixels(v, previous), QPoint(t.ToPixel(v), first.ToPixel(previous)));
                previous = v;
                tried.push_back(v);
            }
        }
        tried.insert(tried.end(), {1e300, -1e300, std::nan(""), HUGE_VAL, -0.0});
        // Many at once (also on a logarithmic axis): each as one at a time.
        for (bool logarithmic : {false, true}) {
            t.Logarithmic = logarithmic;
            std::vector<int> pixels(tried.size());
            t.ToPixels(tried, pixels);
            for (std::size_t i = 0; i < tried.size(); ++i)
                ASSERT_EQ(pixels[i], t.ToPixel(tried[i])) << tried[i] << " " << logarithmic;
        }
        t.Logarithmic = false;
        for (double v : {1e300, -1e300, std::nan(""), HUGE_VAL})
            EXPECT_EQ(layer.ToPixels(v, 1.0), QPoint(t.ToPixel(v), first.ToPixel(1.0)));
        for (double v : {1e300, -1e300, 0.0, -0.0})
            EXPECT_EQ(t.ToPixel(v),
                      int(RoundHalfEven(std::clamp(map.K * v + map.D, -2147483647.0L, 2147483647.0L))));
    }
}
