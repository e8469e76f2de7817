#include "controls/chart/renderscene.h"

#include "platform/rounding.h"

TPixelPlacer::TPixelPlacer(const TRenderScene& scene, const TRenderOptions& options)
    : m_transforms(scene.Transforms)
    , m_dx(options.OffsetX - scene.Geometry.LRim)
    , m_dy(options.OffsetY - scene.Geometry.TRim)
{
}

QPoint TPixelPlacer::PlaceControlPixel(double x, double y) const
{
    return {Limited(Round(x)) + m_dx, Limited(Round(y)) + m_dy};
}
