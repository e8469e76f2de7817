#include "controls/chart/renderscene.h"

#include "platform/rounding.h"

#include <algorithm>

namespace {

// Pixels far outside the control are drawn at this distance at most.
constexpr int kPixelLimit = 30000;

int Limited(int pixel)
{
    return std::clamp(pixel, -kPixelLimit, kPixelLimit);
}

} // namespace

TPixelPlacer::TPixelPlacer(const TRenderScene& scene, const TRenderOptions& options)
    : m_transforms(scene.Transforms)
    , m_dx(options.OffsetX - scene.Geometry.LRim)
    , m_dy(options.OffsetY - scene.Geometry.TRim)
{
}

QPoint TPixelPlacer::Place(int layer, double x, double y) const
{
    const TLayerTransform& transform = m_transforms[std::clamp(layer, 1, int(m_transforms.size())) - 1];
    return {Limited(transform.X.ToPixel(x)) + m_dx, Limited(transform.Y.ToPixel(y)) + m_dy};
}

QPoint TPixelPlacer::PlaceControlPixel(double x, double y) const
{
    return {Limited(Round(x)) + m_dx, Limited(Round(y)) + m_dy};
}
