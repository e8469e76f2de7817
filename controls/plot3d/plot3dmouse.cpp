// The mouse on the 3-D plot: dragging turns, zooms or shifts the view, and every
// move reports the surface cell under the pointer.
#include "controls/plot3d/hittest.h"
#include "controls/plot3d/plot3d.h"

#include <QMouseEvent>
#include <algorithm>

namespace {

// Back into 0..360 after one drag step, which moves an angle by at most a full turn.
double Wrapped(double degrees)
{
    if (degrees > kFullTurn)
        degrees -= kFullTurn;
    if (degrees < 0)
        degrees += kFullTurn;
    return degrees;
}

// The angle reached by dragging `pixels` along a side of `extent` pixels, which
// stands for a full turn.
double Turned(double reference, int pixels, int extent)
{
    return Wrapped(reference + (pixels * int(kFullTurn)) / double(extent));
}

} // namespace

void TPlot3D::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint pointer = event->position().toPoint();
    const TShiftState shift = ShiftStateOf(*event);
    TPictureControl::mouseMoveEvent(event);
    Drag(pointer, shift);
    ReportCellUnder(pointer, shift);
}

void TPlot3D::mousePressEvent(QMouseEvent* event)
{
    const QPoint pointer = event->position().toPoint();
    // A press before any plain move has nothing to drag from but itself.
    if (!m_dragReference.Recorded)
        RecordDragReference(pointer);
    TPictureControl::mousePressEvent(event);
}

void TPlot3D::RecordDragReference(QPoint pointer)
{
    m_dragReference = {pointer, m_centX, m_centY, m_magnification, m_viewAngleX, m_viewAngleZ, true};
}

void TPlot3D::Drag(QPoint pointer, TShiftState shift)
{
    const bool left = shift & TShiftFlag::ssLeft;
    const bool right = shift & TShiftFlag::ssRight;
    if (!left && !right) {
        RecordDragReference(pointer);
        return;
    }
    // A control without area has no pixels to measure a turn or a zoom by.
    if (width() <= 0 || height() <= 0)
        return;
    const bool inside =
        pointer.x() >= 0 && pointer.x() <= width() && pointer.y() >= 0 && pointer.y() <= height();
    if (!inside)
        return;
    switch (m_mouseAction) {
    case TMouseActMode::maRotate:
        if (left)
            DragRotate(pointer, shift, true);
        break;
    case TMouseActMode::maRotAndZoom:
        if (left)
            DragRotate(pointer, shift, false);
        if (right)
            DragZoom(pointer, shift);
        break;
    case TMouseActMode::maRotXOnly:
        if (left)
            DragRotateX(pointer, shift);
        break;
    case TMouseActMode::maRotZOnly:
        if (left)
            DragRotateZ(pointer, shift);
        break;
    case TMouseActMode::maZoom:
        if (left)
            DragZoom(pointer, shift);
        break;
    case TMouseActMode::maPan:
        if (left)
            DragPan(pointer, shift);
        break;
    default:
        break;
    }
}

// Dragging left raises ViewAngleZ, dragging up raises ViewAngleX.
void TPlot3D::DragRotate(QPoint pointer, TShiftState shift, bool clamp)
{
    const TDragReference& from = m_dragReference;
    m_viewAngleZ = Turned(from.ViewAngleZ, from.Pointer.x() - pointer.x(), width());
    m_viewAngleX = Turned(from.ViewAngleX, from.Pointer.y() - pointer.y(), height());
    if (clamp) {
        m_viewAngleX = std::clamp(m_viewAngleX, 0.0, kFullTurn);
        m_viewAngleZ = std::clamp(m_viewAngleZ, 0.0, kFullTurn);
    }
    FinishDragStep(shift, true);
}

// Dragging down raises ViewAngleX.
void TPlot3D::DragRotateX(QPoint pointer, TShiftState shift)
{
    m_viewAngleX = Turned(m_dragReference.ViewAngleX, pointer.y() - m_dragReference.Pointer.y(), height());
    FinishDragStep(shift, true);
}

void TPlot3D::DragRotateZ(QPoint pointer, TShiftState shift)
{
    m_viewAngleZ = Turned(m_dragReference.ViewAngleZ, m_dragReference.Pointer.x() - pointer.x(), width());
    FinishDragStep(shift, true);
}

// Dragging up over the full height adds half the magnification range.
void TPlot3D::DragZoom(QPoint pointer, TShiftState shift)
{
    const int pixelsUp = m_dragReference.Pointer.y() - pointer.y();
    const double delta = (kMaxMagnification - kMinMagnification) * pixelsUp / height() / 2;
    m_magnification = std::clamp(m_dragReference.Magnification + delta, kMinMagnification, kMaxMagnification);
    FinishDragStep(shift, false);
}

// Shifting is not held to the CentX and CentY setters' limits.
void TPlot3D::DragPan(QPoint pointer, TShiftState shift)
{
    m_centX = m_dragReference.CentX + (pointer.x() - m_dragReference.Pointer.x());
    m_centY = m_dragReference.CentY + (pointer.y() - m_dragReference.Pointer.y());
    FinishDragStep(shift, false);
}

void TPlot3D::FinishDragStep(TShiftState shift, bool turned)
{
    if (OnMouseAction)
        OnMouseAction(this, m_centX, m_centY, m_viewAngleX, m_viewAngleZ, m_magnification, shift);
    if (turned)
        m_view = TViewMatrix::FromAngles(m_viewAngleX, m_viewAngleZ);
    Repaint();
}

void TPlot3D::ReportCellUnder(QPoint pointer, TShiftState shift)
{
    if (!OnMouseMoveOverPlot)
        return;
    const TCellHit hit = CellUnderPointer(*m_screenX, *m_screenY, *m_drawKey, pointer);
    OnMouseMoveOverPlot(this, hit.Found, shift, hit.Column, hit.Row);
}
