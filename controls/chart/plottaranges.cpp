// TPlotta: setting a layer's axis ranges as panning and zooming do, with the layers
// that follow it, the pan limits and the zoom history; and which layers the mouse
// controls.
#include "controls/chart/plotta.h"

namespace {

bool IsLayer(int layer) { return layer >= 1 && layer <= TPlottaLayers::kCount; }

} // namespace

bool TPlotta::MouseControlled(int Layer) const { return IsLayer(Layer) && m_mouseControlled[Layer - 1]; }

void TPlotta::SetMouseControlled(int Layer, bool Value)
{
    if (IsLayer(Layer))
        m_mouseControlled[Layer - 1] = Value;
}

TLayerRanges TPlotta::LayerRanges(int layer) const
{
    const TScaleProps& x = *ScaleX(layer);
    const TScaleProps& y = *ScaleY(layer);
    return {{x.RangeLow(), x.RangeHigh()}, {y.RangeLow(), y.RangeHigh()}};
}

TRangeSnapshot TPlotta::CurrentRanges() const
{
    TRangeSnapshot snapshot;
    for (int n = 1; n <= TPlottaLayers::kCount; ++n)
        snapshot[n - 1] = LayerRanges(n);
    return snapshot;
}

void TPlotta::SetLayerRange(int Layer, double XLow, double YLow, double XHigh, double YHigh,
                            bool RecordHistory, bool ApplyLimits)
{
    if (IsLayer(Layer))
        SetLayerRanges(Layer, {{XLow, XHigh}, {YLow, YHigh}}, RecordHistory, ApplyLimits);
}

// One snapshot at most, taken once the followers are in step with the layer.
void TPlotta::SetLayerRanges(int layer, TLayerRanges ranges, bool recordHistory, bool applyLimits)
{
    const bool wasSuspended = SuspendUpdates();
    const TJointLayers& joints = *JointLayers();
    const TLayerRanges current = LayerRanges(layer);
    if (joints.ControlledBy(layer, TJointAxis::X) != layer)
        ranges.X = current.X;
    if (joints.ControlledBy(layer, TJointAxis::Y) != layer)
        ranges.Y = current.Y;
    bool changed = ApplyLayerRanges(layer, ranges, applyLimits);
    for (int n = 1; n <= TPlottaLayers::kCount; ++n) {
        const int xLeader = joints.ControlledBy(n, TJointAxis::X);
        const int yLeader = joints.ControlledBy(n, TJointAxis::Y);
        if (n != layer && (xLeader == layer || yLeader == layer))
            changed |= ApplyLayerRanges(n, {LayerRanges(xLeader).X, LayerRanges(yLeader).Y}, false);
    }
    if (recordHistory && changed)
        RecordZoomHistory();
    ResumeUpdates(wasSuspended);
}

bool TPlotta::ApplyLayerRanges(int layer, TLayerRanges ranges, bool applyLimits)
{
    if (applyLimits) {
        const bool panX = m_mouseAction == TMouseActMode::maPan || m_mouseAction == TMouseActMode::maPanHoriz;
        const bool panY = m_mouseAction == TMouseActMode::maPan || m_mouseAction == TMouseActMode::maPanVert;
        if (m_panLimits.X.Active())
            ranges.X = LimitedRange(ranges.X, m_panLimits.X, panX);
        if (m_panLimits.Y.Active())
            ranges.Y = LimitedRange(ranges.Y, m_panLimits.Y, panY);
    }
    const bool xChanged = ApplyAxisRange(*ScaleX(layer), ranges.X);
    const bool yChanged = ApplyAxisRange(*ScaleY(layer), ranges.Y);
    HandOverLayer(layer);
    m_layers.InvalidateTransforms();
    return xChanged || yChanged;
}

bool TPlotta::ApplyAxisRange(TScaleProps& axis, const TAxisRange& range)
{
    const TAxisRange current{axis.RangeLow(), axis.RangeHigh()};
    if (range == current || !UsableRange(range, axis.Logarithmic(), axis.MinRange()))
        return false;
    axis.AssignRange(range.Low, range.High);
    return true;
}

// A snapshot equal to the newest one would make stepping back look like doing nothing.
void TPlotta::RecordZoomHistory()
{
    const TRangeSnapshot ranges = CurrentRanges();
    if (m_zoomHistory.Count() == 0 || !(ranges == m_zoomHistory.Newest()))
        m_zoomHistory.Record(ranges);
}

bool TPlotta::ZoomBack()
{
    const std::optional<TRangeSnapshot> previous = m_zoomHistory.StepBack();
    if (!previous)
        return false;
    for (int n = 1; n <= TPlottaLayers::kCount; ++n) {
        const TLayerRanges& ranges = (*previous)[n - 1];
        ScaleX(n)->AssignRange(ranges.X.Low, ranges.X.High);
        ScaleY(n)->AssignRange(ranges.Y.Low, ranges.Y.High);
    }
    // Joins made since the snapshot still hold.
    m_layers.FollowLeaders();
    HandOverAxes();
    Repaint();
    if (OnZoomPan)
        OnZoomPan(this);
    return true;
}

void TPlotta::ZoomPanMouseLayers(const std::function<TLayerRanges(int layer)>& rangesOf, bool recordHistory,
                                 bool applyLimits)
{
    const bool wasSuspended = SuspendUpdates();
    for (int n = 1; n <= TPlottaLayers::kCount; ++n) {
        if (m_mouseControlled[n - 1])
            SetLayerRanges(n, rangesOf(n), recordHistory, applyLimits);
    }
    ResumeUpdates(wasSuspended);
    if (OnZoomPan)
        OnZoomPan(this);
}
