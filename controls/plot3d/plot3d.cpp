#include "controls/plot3d/plot3d.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int kDefaultWidth = 650;
constexpr int kDefaultHeight = 500;
constexpr int kMinTicks = 2;
constexpr int kMaxTicks = 20;
constexpr int kMinDecPlaces = -2;
constexpr int kMaxDecPlaces = 12;

// value + step (step is 1 or -1), or the neighboring number in that direction when
// value is too large for the step to change it.
double StepAway(double value, double step)
{
    const double moved = value + step;
    return moved != value ? moved : std::nextafter(value, step * HUGE_VAL);
}

} // namespace

TPlot3D::TPlot3D(QWidget* parent)
    : TPictureControl(parent)
    , m_surface(new TMatrix(this))
    , m_screenX(new TIntMatrix(this))
    , m_screenY(new TIntMatrix(this))
    , m_drawKey(new TIntMatrix(this))
{
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(kDefaultWidth, kDefaultHeight);
    // OnChange stays free for the owner of the plot.
    connect(m_surface, &TMatrix::Changed, this, &TPlot3D::SurfaceChanged);
    m_centX = width() / 2;
    m_centY = height() / 2;
    m_view = TViewMatrix::FromAngles(m_viewAngleX, m_viewAngleZ);
}

void TPlot3D::SetBoundBoxStyle(TBoundingBox value) { Change(m_boundBoxStyle, value); }
void TPlot3D::SetColorFrame(TColor value) { Change(m_colorFrame, value, kEvenIfSame); }
void TPlot3D::SetColorBakGnd(TColor value) { Change(m_colorBakGnd, value, kEvenIfSame); }
void TPlot3D::SetColorCodeAvg(bool value) { Change(m_colorCodeAvg, value); }
void TPlot3D::SetColorCubeFrame(TColor value) { Change(m_colorCubeFrame, value, kEvenIfSame); }
void TPlot3D::SetColorCubeHidLin(TColor value) { Change(m_colorCubeHidLin, value, kEvenIfSame); }
void TPlot3D::SetColorCubeFaceLow(TColor value) { Change(m_colorCubeFaceLow, value, kEvenIfSame); }
void TPlot3D::SetColorCubeFaceHigh(TColor value) { Change(m_colorCubeFaceHigh, value, kEvenIfSame); }
void TPlot3D::SetColorXCoords(TColor value)
{
    Change(m_axes[TP3ScaleKind::skXAxis].Color, value, kEvenIfSame);
}
void TPlot3D::SetColorYCoords(TColor value)
{
    Change(m_axes[TP3ScaleKind::skYAxis].Color, value, kEvenIfSame);
}
void TPlot3D::SetColorZCoords(TColor value)
{
    Change(m_axes[TP3ScaleKind::skZAxis].Color, value, kEvenIfSame);
}
void TPlot3D::SetColorMesh(TColor value) { Change(m_colorMesh, value, kEvenIfSame); }
void TPlot3D::SetColorHigh(TColor value) { Change(m_colorHigh, value, kEvenIfSame); }
void TPlot3D::SetColorMid(TColor value) { Change(m_colorMid, value, kEvenIfSame); }
void TPlot3D::SetColorLow(TColor value) { Change(m_colorLow, value, kEvenIfSame); }
void TPlot3D::SetColorCodingMode(TColorCodingMode value) { Change(m_colorCodingMode, value); }
void TPlot3D::SetColorScheme(TColorScheme value) { Change(m_colorScheme, value); }
void TPlot3D::SetDecPlaceX(int value) { SetDecPlaces(TP3ScaleKind::skXAxis, value); }
void TPlot3D::SetDecPlaceY(int value) { SetDecPlaces(TP3ScaleKind::skYAxis, value); }
void TPlot3D::SetDecPlaceZ(int value) { SetDecPlaces(TP3ScaleKind::skZAxis, value); }
void TPlot3D::SetFrameStyle(TFrameStyle value) { Change(m_frameStyle, value); }
void TPlot3D::SetMeshVisible(bool value) { Change(m_meshVisible, value); }
void TPlot3D::SetMouseAction(TMouseActMode value) { Change(m_mouseAction, value, kEvenIfSame); }
void TPlot3D::SetMinTickX(int value) { SetMinTicks(TP3ScaleKind::skXAxis, value); }
void TPlot3D::SetMinTickY(int value) { SetMinTicks(TP3ScaleKind::skYAxis, value); }
void TPlot3D::SetMinTickZ(int value) { SetMinTicks(TP3ScaleKind::skZAxis, value); }
void TPlot3D::SetRangeXLow(double value) { SetRangeLow(TP3ScaleKind::skXAxis, value); }
void TPlot3D::SetRangeYLow(double value) { SetRangeLow(TP3ScaleKind::skYAxis, value); }
void TPlot3D::SetRangeZLow(double value) { SetRangeLow(TP3ScaleKind::skZAxis, value); }
void TPlot3D::SetRangeXHigh(double value) { SetRangeHigh(TP3ScaleKind::skXAxis, value); }
void TPlot3D::SetRangeYHigh(double value) { SetRangeHigh(TP3ScaleKind::skYAxis, value); }
void TPlot3D::SetRangeZHigh(double value) { SetRangeHigh(TP3ScaleKind::skZAxis, value); }
void TPlot3D::SetScaleFactX(double value) { SetScaleFactor(TP3ScaleKind::skXAxis, value); }
void TPlot3D::SetScaleFactY(double value) { SetScaleFactor(TP3ScaleKind::skYAxis, value); }
void TPlot3D::SetScaleFactZ(double value) { SetScaleFactor(TP3ScaleKind::skZAxis, value); }
void TPlot3D::SetVisibleXCoords(bool value)
{
    Change(m_axes[TP3ScaleKind::skXAxis].Visible, value, kEvenIfSame);
}
void TPlot3D::SetVisibleYCoords(bool value)
{
    Change(m_axes[TP3ScaleKind::skYAxis].Visible, value, kEvenIfSame);
}
void TPlot3D::SetVisibleZCoords(bool value)
{
    Change(m_axes[TP3ScaleKind::skZAxis].Visible, value, kEvenIfSame);
}

void TPlot3D::SetCentX(int value)
{
    if (value != m_centX)
        Change(m_centX, std::clamp(value, -width(), 2 * width()), kEvenIfSame);
}

void TPlot3D::SetCentY(int value)
{
    if (value != m_centY)
        Change(m_centY, std::clamp(value, -height(), 2 * height()), kEvenIfSame);
}

void TPlot3D::SetColorScaleHigh(double value)
{
    if (std::isfinite(value) && value > m_colorScaleLow)
        Change(m_colorScaleHigh, value, kEvenIfSame);
}

void TPlot3D::SetColorScaleLow(double value)
{
    if (std::isfinite(value) && value < m_colorScaleHigh)
        Change(m_colorScaleLow, value, kEvenIfSame);
}

void TPlot3D::SetMagnification(double value)
{
    if (std::isfinite(value))
        Change(m_magnification, std::clamp(value, kMinMagnification, kMaxMagnification), kEvenIfSame);
}

void TPlot3D::SetDecPlaces(TP3ScaleKind axis, int value)
{
    Change(m_axes[axis].DecPlaces, std::clamp(value, kMinDecPlaces, kMaxDecPlaces), kEvenIfSame);
}

void TPlot3D::SetMinTicks(TP3ScaleKind axis, int value)
{
    if (value != m_axes[axis].MinTicks)
        Change(m_axes[axis].MinTicks, std::clamp(value, kMinTicks, kMaxTicks), kEvenIfSame);
}

void TPlot3D::SetRangeLow(TP3ScaleKind axis, double value)
{
    if (!std::isfinite(value))
        return;
    TAxisSettings& settings = m_axes[axis];
    settings.Low = value == settings.High ? StepAway(value, -1) : value;
    RangeChanged();
}

void TPlot3D::SetRangeHigh(TP3ScaleKind axis, double value)
{
    if (!std::isfinite(value))
        return;
    TAxisSettings& settings = m_axes[axis];
    settings.High = value == settings.Low ? StepAway(value, +1) : value;
    RangeChanged();
}

void TPlot3D::RangeChanged()
{
    m_heightMapping =
        THeightMapping::FromRange(m_axes[TP3ScaleKind::skZAxis].Low, m_axes[TP3ScaleKind::skZAxis].High);
    Repaint();
}

void TPlot3D::SetScaleFactor(TP3ScaleKind axis, double value)
{
    if (std::isfinite(value))
        Change(m_axes[axis].ScaleFactor, value, kEvenIfSame);
}

bool TPlot3D::StoreViewAngle(double& field, double value)
{
    if (value == field || !std::isfinite(value))
        return false;
    field = NormalizeViewAngle(value);
    return true;
}

void TPlot3D::SetViewAngleX(double value)
{
    if (StoreViewAngle(m_viewAngleX, value))
        ViewChanged();
}

void TPlot3D::SetViewAngleZ(double value)
{
    if (StoreViewAngle(m_viewAngleZ, value))
        ViewChanged();
}

void TPlot3D::SetViewAngles(double angleX, double angleZ)
{
    const bool changedX = StoreViewAngle(m_viewAngleX, angleX);
    const bool changedZ = StoreViewAngle(m_viewAngleZ, angleZ);
    if (changedX || changedZ)
        ViewChanged();
}

void TPlot3D::ViewChanged()
{
    m_view = TViewMatrix::FromAngles(m_viewAngleX, m_viewAngleZ);
    Repaint();
}

void TPlot3D::SurfaceChanged()
{
    const int columns = m_surface->NrOfColumns();
    const int rows = m_surface->NrOfRows();
    for (TIntMatrix* screen : {m_screenX, m_screenY, m_drawKey})
        screen->Resize(columns, rows);
}

TProjection TPlot3D::Projection() const
{
    TProjection projection;
    projection.View = m_view;
    projection.ScaleX = m_axes[TP3ScaleKind::skXAxis].ScaleFactor;
    projection.ScaleY = m_axes[TP3ScaleKind::skYAxis].ScaleFactor;
    projection.ScaleZ = m_axes[TP3ScaleKind::skZAxis].ScaleFactor;
    projection.Magnification = m_magnification;
    projection.CentX = m_centX;
    projection.CentY = m_centY;
    return projection;
}

TCubePoint TPlot3D::GridPoint(int column, int row) const
{
    return {GridCoordinate(column, m_surface->NrOfColumns()), GridCoordinate(row, m_surface->NrOfRows()),
            m_heightMapping.CubeZ(m_surface->GetElem(column, row))};
}

QSize TPlot3D::sizeHint() const { return {kDefaultWidth, kDefaultHeight}; }

// A control inside a hidden window does not render, so its picture may be behind.
void TPlot3D::showEvent(QShowEvent*) { RenderIfOutdated(); }
