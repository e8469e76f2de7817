// TPlotta: the mouse. Dragging pans or zooms the layers the mouse controls, or moves
// a crosshair or text label; zoom windows and the selection rectangle are drawn in
// XOR over the picture; the position is kept in data units and reported.
#include "controls/chart/plotta.h"

#include "controls/common/crosshair.h"
#include "platform/rounding.h"

#include <QMouseEvent>
#include <algorithm>

namespace {

bool IsPanMode(TMouseActMode mode)
{
    return mode == TMouseActMode::maPan || mode == TMouseActMode::maPanHoriz
        || mode == TMouseActMode::maPanVert;
}

bool IsZoomWindowMode(TMouseActMode mode)
{
    return mode == TMouseActMode::maZoomWind || mode == TMouseActMode::maZoomWindPos;
}

// Modes in which dragging with the left button changes the ranges.
bool IsPanOrZoomMode(TMouseActMode mode)
{
    return IsPanMode(mode) || IsZoomWindowMode(mode) || mode == TMouseActMode::maZoomDrag;
}

double Squared(double d) { return d * d; }

// Larger than any squared pixel distance.
constexpr double kFarAway = 1.7e308;

} // namespace

// --- Qt's mouse events ------------------------------------------------------------

void TPlotta::mousePressEvent(QMouseEvent* event)
{
    const QPoint p = event->position().toPoint();
    // A press where no move arrived first still counts as a mouse position.
    TrackMousePos(p);
    TPictureControl::mousePressEvent(event);
    MouseDown(MouseButtonOf(*event), p);
}

void TPlotta::mouseDoubleClickEvent(QMouseEvent* event)
{
    const QPoint p = event->position().toPoint();
    TrackMousePos(p);
    TPictureControl::mouseDoubleClickEvent(event);
    MouseDown(MouseButtonOf(*event), p);
}

void TPlotta::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint p = event->position().toPoint();
    const TShiftState shift = ShiftStateOf(*event);
    TPictureControl::mouseMoveEvent(event);
    MouseMove(shift, p);
    const QPointF data = TrackMousePos(p);
    ShowCursorFor(p);
    if (OnMouseMoveInChart)
        OnMouseMoveInChart(this, Geometry().InDataArea(p.x(), p.y()), shift, data.x(), data.y());
}

void TPlotta::mouseReleaseEvent(QMouseEvent* event)
{
    TPictureControl::mouseReleaseEvent(event);
    MouseUp(MouseButtonOf(*event), event->position().toPoint());
}

void TPlotta::leaveEvent(QEvent* event)
{
    m_screenCursor.ShowDefault();
    QWidget::leaveEvent(event);
}

// --- The chart's own work -----------------------------------------------------------

void TPlotta::MouseDown(TMouseButton button, QPoint p)
{
    if (m_selection.State == TSelectionState::Armed) {
        if (button == TMouseButton::mbRight) {
            m_selection.State = TSelectionState::Idle;
        } else {
            m_selection.Start = m_selection.Corner = ClampedToDataArea(p);
            m_selection.State = TSelectionState::Dragging;
        }
    }
    // The view before a pan or zoom, which ZoomBack returns to, may have been set
    // by code since the last snapshot.
    if (button == TMouseButton::mbLeft && IsPanOrZoomMode(m_mouseAction))
        RecordZoomHistory();
    if (IsZoomWindowMode(m_mouseAction) && !m_zoomWindow.Active && button == TMouseButton::mbLeft
        && Geometry().InDataArea(p.x(), p.y())) {
        m_zoomWindow.Active = true;
        m_zoomWindow.Anchor = m_zoomWindow.Corner = p;
    }
}

void TPlotta::MouseMove(TShiftState shift, QPoint p)
{
    if (m_selection.State == TSelectionState::Dragging)
        DragSelection(p);
    const bool inDataArea = Geometry().InDataArea(p.x(), p.y());
    switch (m_mouseAction) {
    case TMouseActMode::maPan:
    case TMouseActMode::maPanHoriz:
    case TMouseActMode::maPanVert:
        if (DragContinues(shift, p) && inDataArea)
            PanTo(p);
        break;
    case TMouseActMode::maZoomDrag:
        if (DragContinues(shift, p) && inDataArea)
            ZoomDragTo(p);
        break;
    case TMouseActMode::maZoomWind:
    case TMouseActMode::maZoomWindPos:
        if (m_zoomWindow.Active)
            DragZoomWindow(p);
        break;
    case TMouseActMode::maDragCrossH:
        if (DragContinues(shift, p))
            MoveCrossHair(p);
        break;
    case TMouseActMode::maDragLabel:
        if (DragContinues(shift, p))
            MoveTextLabel(p);
        break;
    default:
        break;
    }
}

void TPlotta::MouseUp(TMouseButton button, QPoint p)
{
    if (m_selection.State == TSelectionState::Dragging)
        EndSelection(button, p);
    if (m_zoomWindow.Active)
        EndZoomWindow(button);
    if (IsPanMode(m_mouseAction) || m_mouseAction == TMouseActMode::maZoomDrag)
        RecordZoomHistory();
}

QPointF TPlotta::TrackMousePos(QPoint p)
{
    const QPointF data = PixelToData(CurrentLayer(), p.x(), p.y());
    if (Geometry().InDataArea(p.x(), p.y()))
        m_mousePos = data;
    return data;
}

QPoint TPlotta::ClampedToDataArea(QPoint p) const
{
    const TChartGeometry g = Geometry();
    return {std::max(g.LRim, std::min(p.x(), g.DataRight())),
            std::max(g.TRim, std::min(p.y(), g.DataBottom()))};
}

// --- Dragging with the left button ----------------------------------------------------

bool TPlotta::DragContinues(TShiftState shift, QPoint p)
{
    if (!(shift & TShiftFlag::ssLeft)) {
        m_drag.Started = false;
        return false;
    }
    if (m_drag.Started)
        return true;
    m_drag = {true, p, CurrentRanges(), NearestCrossHair(p), NearestTextLabel(p)};
    return false;
}

// The data follow the mouse: dragging right shows what lies further left.
void TPlotta::PanTo(QPoint p)
{
    const TChartGeometry g = Geometry();
    const QPoint start = m_drag.Start;
    ZoomPanMouseLayers(
        [&](int layer) {
            const TLayerRanges& from = m_drag.StartRanges[layer - 1];
            TLayerRanges ranges = LayerRanges(layer);
            if (m_mouseAction != TMouseActMode::maPanVert)
                ranges.X = PannedRange(from.X, ranges.X, ScaleX(layer)->Logarithmic(), start.x() - p.x(),
                                       g.DataWidth());
            if (m_mouseAction != TMouseActMode::maPanHoriz)
                ranges.Y = PannedRange(from.Y, ranges.Y, ScaleY(layer)->Logarithmic(), p.y() - start.y(),
                                       g.DataHeight());
            return ranges;
        },
        false, true);
}

// Dragging right or up zooms in, left or down zooms out, about the ranges' centers.
void TPlotta::ZoomDragTo(QPoint p)
{
    const double fx = 1 - double(p.x() - m_drag.Start.x()) / width();
    const double fy = m_isometric ? fx : 1 + double(p.y() - m_drag.Start.y()) / height();
    ZoomPanMouseLayers(
        [&](int layer) {
            const TLayerRanges& from = m_drag.StartRanges[layer - 1];
            return TLayerRanges{ScaledRange(from.X, fx), ScaledRange(from.Y, fy)};
        },
        false, true);
}

// The crosshair whose line lies nearest to p; crosshair 1 when all are off.
int TPlotta::NearestCrossHair(QPoint p) const
{
    int nearest = 1;
    double nearestDistance = kFarAway;
    for (int n = 1; n <= int(m_crossHairs.size()); ++n) {
        const TCrossHair& crossHair = *m_crossHairs[n - 1];
        const QPoint c = DataToPixel(crossHair.Layer(), crossHair.PosX(), crossHair.PosY());
        const auto consider = [&](double distance) {
            if (distance < nearestDistance) {
                nearestDistance = distance;
                nearest = n;
            }
        };
        const TCrossHMode mode = crossHair.Mode();
        if (mode == TCrossHMode::chVert || mode == TCrossHMode::chBoth)
            consider(Squared(c.x() - p.x()));
        if (mode == TCrossHMode::chHoriz || mode == TCrossHMode::chBoth)
            consider(Squared(c.y() - p.y()));
    }
    return nearest;
}

void TPlotta::MoveCrossHair(QPoint p)
{
    TCrossHair& crossHair = *CrossHair(m_drag.CrossHair);
    const QPointF data = PixelToData(crossHair.Layer(), p.x(), p.y());
    const bool wasSuspended = SuspendUpdates();
    crossHair.SetPosX(data.x());
    crossHair.SetPosY(data.y());
    ResumeUpdates(wasSuspended);
    if (OnCrossHairMove)
        OnCrossHairMove(this, m_drag.CrossHair);
}

// The shown text label whose anchor lies nearest to p; label 1 when none is shown.
int TPlotta::NearestTextLabel(QPoint p) const
{
    int nearest = 1;
    double nearestDistance = kFarAway;
    for (int n = 1; n <= int(m_textLabels.size()); ++n) {
        const TTextLabel& label = *m_textLabels[n - 1];
        if (label.Mode() == TTxtLblMode::tlOff)
            continue;
        const QPointF anchor = label.AttachToData()
            ? QPointF(DataToPixel(label.Layer(), label.PosX(), label.PosY()))
            : QPointF(RoundHalfEven(label.PosX()), RoundHalfEven(label.PosY()));
        const double distance = Squared(anchor.x() - p.x()) + Squared(anchor.y() - p.y());
        if (distance < nearestDistance) {
            nearestDistance = distance;
            nearest = n;
        }
    }
    return nearest;
}

void TPlotta::MoveTextLabel(QPoint p)
{
    TTextLabel& label = *TextLabel(m_drag.TextLabel);
    const QPointF position = label.AttachToData() ? PixelToData(label.Layer(), p.x(), p.y()) : QPointF(p);
    label.AssignPos(position.x(), position.y());
    Repaint();
    if (OnTextLabelMove)
        OnTextLabelMove(this, m_drag.TextLabel);
}

// --- XOR outlines: selection rectangle and zoom window ------------------------------

void TPlotta::ArmSelection()
{
    m_selection.Frame.Hide(PictureBuffer().Canvas());
    update();
    m_selection.State = TSelectionState::Armed;
}

void TPlotta::DragSelection(QPoint p)
{
    m_selection.Corner = ClampedToDataArea(p);
    m_selection.Frame.Show(PictureBuffer().Canvas(), m_selection.Start, m_selection.Corner);
    update();
}

void TPlotta::EndSelection(TMouseButton button, QPoint p)
{
    if (button == TMouseButton::mbRight) {
        m_selection.State = TSelectionState::Idle;
    } else {
        m_selection.End = ClampedToDataArea(p);
        m_selection.State = TSelectionState::Finished;
    }
    m_selection.Frame.Hide(PictureBuffer().Canvas());
    update();
}

// The corner follows the mouse within the data area; on an isometric chart it keeps
// to a diagonal through the anchor.
void TPlotta::DragZoomWindow(QPoint p)
{
    const QPoint anchor = m_zoomWindow.Anchor;
    const int x = ClampedToDataArea(p).x();
    int y = p.y();
    if (m_isometric)
        y = (y - anchor.y()) * (x - anchor.x()) < 1 ? anchor.y() + anchor.x() - x
                                                    : anchor.y() + x - anchor.x();
    m_zoomWindow.Corner = ClampedToDataArea({x, y});
    m_zoomWindow.Frame.Show(PictureBuffer().Canvas(), anchor, m_zoomWindow.Corner);
    update();
}

// Any release ends the window: the left button applies it unless it has no width or
// no height, the others cancel it.
void TPlotta::EndZoomWindow(TMouseButton button)
{
    m_zoomWindow.Active = false;
    m_zoomWindow.Frame.Hide(PictureBuffer().Canvas());
    update();
    const QPoint anchor = m_zoomWindow.Anchor;
    const QPoint corner = m_zoomWindow.Corner;
    if (button == TMouseButton::mbLeft && IsZoomWindowMode(m_mouseAction) && anchor.x() != corner.x()
        && anchor.y() != corner.y())
        ApplyZoomWindow(anchor, corner);
}

// maZoomWind runs each axis from the anchor's value to the corner's, so a window
// dragged leftwards or downwards turns the axis round; maZoomWindPos keeps each
// axis's direction.
void TPlotta::ApplyZoomWindow(QPoint anchor, QPoint corner)
{
    ZoomPanMouseLayers(
        [&](int layer) {
            const QPointF a = PixelToData(layer, anchor.x(), anchor.y());
            const QPointF b = PixelToData(layer, corner.x(), corner.y());
            if (m_mouseAction == TMouseActMode::maZoomWind)
                return TLayerRanges{{a.x(), b.x()}, {a.y(), b.y()}};
            const TLayerRanges current = LayerRanges(layer);
            return TLayerRanges{OrderedLike(current.X, a.x(), b.x()), OrderedLike(current.Y, a.y(), b.y())};
        },
        true, false);
}

void TPlotta::ForgetXorFrames()
{
    m_zoomWindow.Frame.Forget();
    m_selection.Frame.Forget();
}

// --- Cursor -------------------------------------------------------------------------------

void TPlotta::ShowCursorFor(QPoint p)
{
    if (m_mouseCursorFixed || !Geometry().InDataArea(p.x(), p.y())) {
        m_screenCursor.ShowDefault();
        return;
    }
    switch (m_mouseAction) {
    case TMouseActMode::maNone:
        m_screenCursor.Show(QCursor(Qt::CrossCursor));
        break;
    case TMouseActMode::maPan:
    case TMouseActMode::maPanHoriz:
    case TMouseActMode::maPanVert:
        m_screenCursor.Show(ChartCursor(TChartCursor::crHand));
        break;
    case TMouseActMode::maZoomWind:
        m_screenCursor.Show(ChartCursor(TChartCursor::crZoomWindow));
        break;
    case TMouseActMode::maZoomWindPos:
        m_screenCursor.Show(ChartCursor(TChartCursor::crZoomWindowPos));
        break;
    case TMouseActMode::maZoomDrag:
        m_screenCursor.Show(ChartCursor(TChartCursor::crZoomDrag));
        break;
    case TMouseActMode::maDragCrossH:
    case TMouseActMode::maDragLabel:
        m_screenCursor.ShowDefault();
        break;
    default:
        break; // the modes of other controls leave the cursor as it is
    }
}
