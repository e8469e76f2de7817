#pragma once
// TPlottaLayers: the chart's 16 layers, each with a horizontal and a vertical axis
// property object and the maps between its data coordinates and the chart's pixels,
// plus the table of joined layers. The maps are recomputed when they are asked for
// after a change of an axis or of the chart's geometry.
#include "controls/chart/axistransform.h"
#include "controls/chart/jointlayers.h"
#include "controls/chart/scaleprops.h"
#include "platform/events.h"

#include <QObject>
#include <array>

class TPlottaLayers {
public:
    static constexpr int kCount = 16;

    // Creates the property objects and the joint table as children of owner (which
    // frees them); every change of any of them calls onChange.
    TPlottaLayers(QObject* owner, const TNotifyEvent& onChange);
    TPlottaLayers(const TPlottaLayers&) = delete;
    TPlottaLayers& operator=(const TPlottaLayers&) = delete;

    // Layer numbers outside 1..16 give layer 1's object.
    TScalePropsHoriz* ScaleX(int layer) const;
    TScalePropsVert* ScaleY(int layer) const;
    TJointLayers* JointLayers() const { return m_joints; }

    // Gives every layer that follows another on an axis the range of the layer it
    // follows on that axis.
    void FollowLeaders();
    // Ends the loading state of every property object.
    void Loaded();

    // The maps of layer for the chart's geometry; numbers below 1 give layer 1,
    // above 16 layer 16.
    const TLayerTransform& Transform(int layer, const TChartGeometry& geometry) const;
    // Makes the next Transform recompute the maps; needed after AssignRange.
    void InvalidateTransforms() { m_transformsCurrent = false; }

    // Sets each layer's Y RangeHigh (through its setter) so that a data unit spans as
    // many screen lengths vertically as horizontally. pixelAspect is the height of a
    // pixel divided by its width. Does nothing while the data area has no room.
    void MakeIsometric(const TChartGeometry& geometry, double pixelAspect);

private:
    struct TLayer {
        TScalePropsHoriz* X = nullptr;
        TScalePropsVert* Y = nullptr;
    };
    static int IndexOf(int layer);
    void RecalcTransforms(const TChartGeometry& geometry) const;

    std::array<TLayer, kCount> m_layers;
    TJointLayers* m_joints;
    // Cache of the maps and the geometry they were computed for.
    mutable std::array<TLayerTransform, kCount> m_transforms;
    mutable TChartGeometry m_transformGeometry;
    mutable bool m_transformsCurrent = false;
};
