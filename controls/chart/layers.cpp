#include "controls/chart/layers.h"

#include <algorithm>

TPlottaLayers::TPlottaLayers(QObject* owner, const TNotifyEvent& onChange)
    : m_joints(new TJointLayers(owner))
{
    const TNotifyEvent changed = [this, onChange](QObject* sender) {
        InvalidateTransforms();
        if (onChange)
            onChange(sender);
    };
    for (int n = 1; n <= kCount; ++n) {
        TLayer& layer = m_layers[n - 1];
        layer.X = new TScalePropsHoriz(n, owner);
        layer.Y = new TScalePropsVert(n, owner);
        layer.X->OnChange = changed;
        layer.Y->OnChange = changed;
    }
    m_joints->OnChange = changed;
}

int TPlottaLayers::IndexOf(int layer) { return layer >= 1 && layer <= kCount ? layer - 1 : 0; }

TScalePropsHoriz* TPlottaLayers::ScaleX(int layer) const { return m_layers[IndexOf(layer)].X; }

TScalePropsVert* TPlottaLayers::ScaleY(int layer) const { return m_layers[IndexOf(layer)].Y; }

void TPlottaLayers::FollowLeaders()
{
    for (int n = 1; n <= kCount; ++n) {
        const TScaleProps& xLeader = *ScaleX(m_joints->ControlledBy(n, TJointAxis::X));
        const TScaleProps& yLeader = *ScaleY(m_joints->ControlledBy(n, TJointAxis::Y));
        ScaleX(n)->AssignRange(xLeader.RangeLow(), xLeader.RangeHigh());
        ScaleY(n)->AssignRange(yLeader.RangeLow(), yLeader.RangeHigh());
    }
    InvalidateTransforms();
}

void TPlottaLayers::Loaded()
{
    for (TLayer& layer : m_layers) {
        layer.X->Loaded();
        layer.Y->Loaded();
    }
}

void TPlottaLayers::RecalcTransforms(const TChartGeometry& geometry) const
{
    for (int i = 0; i < kCount; ++i) {
        m_transforms[i].X = HorizontalTransform(geometry, *m_layers[i].X);
        m_transforms[i].Y = VerticalTransform(geometry, *m_layers[i].Y);
    }
    m_transformGeometry = geometry;
    m_transformsCurrent = true;
}

const TLayerTransform& TPlottaLayers::Transform(int layer, const TChartGeometry& geometry) const
{
    if (!m_transformsCurrent || !(geometry == m_transformGeometry))
        RecalcTransforms(geometry);
    return m_transforms[std::clamp(layer, 1, kCount) - 1];
}

void TPlottaLayers::MakeIsometric(const TChartGeometry& geometry, double pixelAspect)
{
    const int width = geometry.DataBitmapWidth();
    const int height = geometry.DataBitmapHeight();
    if (width <= 0 || height <= 0)
        return;
    for (TLayer& layer : m_layers) {
        const double xSpan = layer.X->RangeHigh() - layer.X->RangeLow();
        layer.Y->SetRangeHigh(layer.Y->RangeLow() + xSpan * height / width * pixelAspect);
    }
}
