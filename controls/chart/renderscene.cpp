#include "controls/chart/renderscene.h"

#include "platform/rounding.h"

TPixelPlacer::TPixelPlacer(const TRenderScene& scene, const TRenderOptions& options)
    : m_transforms(scene.Transforms)
    , m_dx(options.OffsetX - scene.Geometry.LRim)
    , m_dy(options.OffsetY - scene.Geometry.TRim)
{
}

void TPixelPlacer::PlaceAll(int layer, std::span<const double> xs, std::span<const double> ys,
                            std::span<QPoint> pixels) const
{
    // Each map places a stretch of values at a time, several side by side.
    const TLayerTransform& transform = TransformOf(layer);
    constexpr std::size_t kStretch = 256;
    std::array<int, kStretch> columns, rows;
    for (std::size_t start = 0; start < pixels.size(); start += kStretch) {
        const std::size_t count = std::min(kStretch, pixels.size() - start);
        transform.X.ToPixels(xs.subspan(start, count), std::span(columns).first(count));
        transform.Y.ToPixels(ys.subspan(start, count), std::span(rows).first(count));
        for (std::size_t i = 0; i < count; ++i)
            pixels[start + i] = OnCanvas(columns[i], rows[i]);
    }
}

QPoint TPixelPlacer::PlaceControlPixel(double x, double y) const { return OnCanvas(Round(x), Round(y)); }
