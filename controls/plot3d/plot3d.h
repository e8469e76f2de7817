#pragma once
// TPlot3D: a surface z = f(column, row), given as a matrix of heights, drawn as a
// color-coded mesh inside a shaded cube that the user turns by dragging.
//
// Every property change renders the whole control at once into its own bitmap;
// painting only copies that bitmap to the screen. Filling SurfaceMatrix does not
// render: the owner sets a property when the surface is complete.
#include "controls/common/enums.h"
#include "controls/common/matrix.h"
#include "controls/common/picturecontrol.h"
#include "controls/plot3d/colorcoding.h"
#include "controls/plot3d/geometry.h"
#include "controls/plot3d/plot3dtypes.h"
#include "platform/color.h"
#include "platform/events.h"

#include <array>

class TPlot3D : public TPictureControl {
    Q_OBJECT
    Q_PROPERTY(CommonEnums::TBoundingBox BoundBoxStyle READ BoundBoxStyle WRITE SetBoundBoxStyle)
    Q_PROPERTY(int CentX READ CentX WRITE SetCentX)
    Q_PROPERTY(int CentY READ CentY WRITE SetCentY)
    Q_PROPERTY(TColor ColorFrame READ ColorFrame WRITE SetColorFrame)
    Q_PROPERTY(TColor ColorBakGnd READ ColorBakGnd WRITE SetColorBakGnd)
    Q_PROPERTY(bool ColorCodeAvg READ ColorCodeAvg WRITE SetColorCodeAvg)
    Q_PROPERTY(TColor ColorCubeFrame READ ColorCubeFrame WRITE SetColorCubeFrame)
    Q_PROPERTY(TColor ColorCubeHidLin READ ColorCubeHidLin WRITE SetColorCubeHidLin)
    Q_PROPERTY(TColor ColorCubeFaceLow READ ColorCubeFaceLow WRITE SetColorCubeFaceLow)
    Q_PROPERTY(TColor ColorCubeFaceHigh READ ColorCubeFaceHigh WRITE SetColorCubeFaceHigh)
    Q_PROPERTY(TColor ColorXCoords READ ColorXCoords WRITE SetColorXCoords)
    Q_PROPERTY(TColor ColorYCoords READ ColorYCoords WRITE SetColorYCoords)
    Q_PROPERTY(TColor ColorZCoords READ ColorZCoords WRITE SetColorZCoords)
    Q_PROPERTY(TColor ColorMesh READ ColorMesh WRITE SetColorMesh)
    Q_PROPERTY(TColor ColorHigh READ ColorHigh WRITE SetColorHigh)
    Q_PROPERTY(TColor ColorMid READ ColorMid WRITE SetColorMid)
    Q_PROPERTY(TColor ColorLow READ ColorLow WRITE SetColorLow)
    Q_PROPERTY(double ColorScaleHigh READ ColorScaleHigh WRITE SetColorScaleHigh)
    Q_PROPERTY(double ColorScaleLow READ ColorScaleLow WRITE SetColorScaleLow)
    Q_PROPERTY(Plot3DEnums::TColorCodingMode ColorCodingMode READ ColorCodingMode WRITE SetColorCodingMode)
    Q_PROPERTY(CommonEnums::TColorScheme ColorScheme READ ColorScheme WRITE SetColorScheme)
    Q_PROPERTY(int DecPlaceX READ DecPlaceX WRITE SetDecPlaceX)
    Q_PROPERTY(int DecPlaceY READ DecPlaceY WRITE SetDecPlaceY)
    Q_PROPERTY(int DecPlaceZ READ DecPlaceZ WRITE SetDecPlaceZ)
    Q_PROPERTY(CommonEnums::TFrameStyle FrameStyle READ FrameStyle WRITE SetFrameStyle)
    Q_PROPERTY(bool MeshVisible READ MeshVisible WRITE SetMeshVisible)
    Q_PROPERTY(double Magnification READ Magnification WRITE SetMagnification)
    Q_PROPERTY(CommonEnums::TMouseActMode MouseAction READ MouseAction WRITE SetMouseAction)
    Q_PROPERTY(int MinTickX READ MinTickX WRITE SetMinTickX)
    Q_PROPERTY(int MinTickY READ MinTickY WRITE SetMinTickY)
    Q_PROPERTY(int MinTickZ READ MinTickZ WRITE SetMinTickZ)
    Q_PROPERTY(double RangeXLow READ RangeXLow WRITE SetRangeXLow)
    Q_PROPERTY(double RangeYLow READ RangeYLow WRITE SetRangeYLow)
    Q_PROPERTY(double RangeZLow READ RangeZLow WRITE SetRangeZLow)
    Q_PROPERTY(double RangeXHigh READ RangeXHigh WRITE SetRangeXHigh)
    Q_PROPERTY(double RangeYHigh READ RangeYHigh WRITE SetRangeYHigh)
    Q_PROPERTY(double RangeZHigh READ RangeZHigh WRITE SetRangeZHigh)
    Q_PROPERTY(double ScaleFactX READ ScaleFactX WRITE SetScaleFactX)
    Q_PROPERTY(double ScaleFactY READ ScaleFactY WRITE SetScaleFactY)
    Q_PROPERTY(double ScaleFactZ READ ScaleFactZ WRITE SetScaleFactZ)
    Q_PROPERTY(double ViewAngleX READ ViewAngleX WRITE SetViewAngleX)
    Q_PROPERTY(double ViewAngleZ READ ViewAngleZ WRITE SetViewAngleZ)
    Q_PROPERTY(bool VisibleXCoords READ VisibleXCoords WRITE SetVisibleXCoords)
    Q_PROPERTY(bool VisibleYCoords READ VisibleYCoords WRITE SetVisibleYCoords)
    Q_PROPERTY(bool VisibleZCoords READ VisibleZCoords WRITE SetVisibleZCoords)

public:
    // 650 x 500 pixels, a 1 x 1 surface holding 0, seen from 60 degrees elevation
    // turned by 15 degrees. Nothing is rendered while the control is built.
    explicit TPlot3D(QWidget* parent = nullptr);

    // Every setter renders at once when it stores. Non-finite numbers are ignored.
    TBoundingBox BoundBoxStyle() const { return m_boundBoxStyle; }
    void SetBoundBoxStyle(TBoundingBox value);
    // Screen position of the cube center; kept within -Width..2·Width (-Height..2·Height).
    int CentX() const { return m_centX; }
    void SetCentX(int value);
    int CentY() const { return m_centY; }
    void SetCentY(int value);
    TColor ColorFrame() const { return m_colorFrame; }
    void SetColorFrame(TColor value);
    TColor ColorBakGnd() const { return m_colorBakGnd; }
    void SetColorBakGnd(TColor value);
    // Color a cell by the mean (true) or the largest (false) of its corner heights.
    bool ColorCodeAvg() const { return m_colorCodeAvg; }
    void SetColorCodeAvg(bool value);
    TColor ColorCubeFrame() const { return m_colorCubeFrame; }
    void SetColorCubeFrame(TColor value);
    TColor ColorCubeHidLin() const { return m_colorCubeHidLin; }
    void SetColorCubeHidLin(TColor value);
    TColor ColorCubeFaceLow() const { return m_colorCubeFaceLow; }
    void SetColorCubeFaceLow(TColor value);
    TColor ColorCubeFaceHigh() const { return m_colorCubeFaceHigh; }
    void SetColorCubeFaceHigh(TColor value);
    TColor ColorXCoords() const { return m_axes[TP3ScaleKind::skXAxis].Color; }
    void SetColorXCoords(TColor value);
    TColor ColorYCoords() const { return m_axes[TP3ScaleKind::skYAxis].Color; }
    void SetColorYCoords(TColor value);
    TColor ColorZCoords() const { return m_axes[TP3ScaleKind::skZAxis].Color; }
    void SetColorZCoords(TColor value);
    TColor ColorMesh() const { return m_colorMesh; }
    void SetColorMesh(TColor value);
    TColor ColorHigh() const { return m_colorHigh; }
    void SetColorHigh(TColor value);
    TColor ColorMid() const { return m_colorMid; }
    void SetColorMid(TColor value);
    TColor ColorLow() const { return m_colorLow; }
    void SetColorLow(TColor value);
    // The heights that get ColorHigh and ColorLow; High stays above Low (a value that
    // would break this is ignored).
    double ColorScaleHigh() const { return m_colorScaleHigh; }
    void SetColorScaleHigh(double value);
    double ColorScaleLow() const { return m_colorScaleLow; }
    void SetColorScaleLow(double value);
    TColorCodingMode ColorCodingMode() const { return m_colorCodingMode; }
    void SetColorCodingMode(TColorCodingMode value);
    // Stored only; the drawing does not depend on it.
    TColorScheme ColorScheme() const { return m_colorScheme; }
    void SetColorScheme(TColorScheme value);
    // Decimal places of the axis labels, -2..12: -2 automatic, -1 scientific.
    int DecPlaceX() const { return m_axes[TP3ScaleKind::skXAxis].DecPlaces; }
    void SetDecPlaceX(int value);
    int DecPlaceY() const { return m_axes[TP3ScaleKind::skYAxis].DecPlaces; }
    void SetDecPlaceY(int value);
    int DecPlaceZ() const { return m_axes[TP3ScaleKind::skZAxis].DecPlaces; }
    void SetDecPlaceZ(int value);
    TFrameStyle FrameStyle() const { return m_frameStyle; }
    void SetFrameStyle(TFrameStyle value);
    bool MeshVisible() const { return m_meshVisible; }
    void SetMeshVisible(bool value);
    // Zoom factor, 0.001..3.
    double Magnification() const { return m_magnification; }
    void SetMagnification(double value);
    TMouseActMode MouseAction() const { return m_mouseAction; }
    void SetMouseAction(TMouseActMode value);
    // Minimum number of ticks per axis, 2..20.
    int MinTickX() const { return m_axes[TP3ScaleKind::skXAxis].MinTicks; }
    void SetMinTickX(int value);
    int MinTickY() const { return m_axes[TP3ScaleKind::skYAxis].MinTicks; }
    void SetMinTickY(int value);
    int MinTickZ() const { return m_axes[TP3ScaleKind::skZAxis].MinTicks; }
    void SetMinTickZ(int value);
    // Axis ranges. Low may lie above High but never equals it: a value equal to the
    // other end is moved by 1 away from it. The Z range places heights in the cube.
    double RangeXLow() const { return m_axes[TP3ScaleKind::skXAxis].Low; }
    void SetRangeXLow(double value);
    double RangeYLow() const { return m_axes[TP3ScaleKind::skYAxis].Low; }
    void SetRangeYLow(double value);
    double RangeZLow() const { return m_axes[TP3ScaleKind::skZAxis].Low; }
    void SetRangeZLow(double value);
    double RangeXHigh() const { return m_axes[TP3ScaleKind::skXAxis].High; }
    void SetRangeXHigh(double value);
    double RangeYHigh() const { return m_axes[TP3ScaleKind::skYAxis].High; }
    void SetRangeYHigh(double value);
    double RangeZHigh() const { return m_axes[TP3ScaleKind::skZAxis].High; }
    void SetRangeZHigh(double value);
    // Stretch of the whole scene along each axis.
    double ScaleFactX() const { return m_axes[TP3ScaleKind::skXAxis].ScaleFactor; }
    void SetScaleFactX(double value);
    double ScaleFactY() const { return m_axes[TP3ScaleKind::skYAxis].ScaleFactor; }
    void SetScaleFactY(double value);
    double ScaleFactZ() const { return m_axes[TP3ScaleKind::skZAxis].ScaleFactor; }
    void SetScaleFactZ(double value);
    // Elevation and rotation of the view in degrees, brought into 0..360.
    double ViewAngleX() const { return m_viewAngleX; }
    void SetViewAngleX(double value);
    double ViewAngleZ() const { return m_viewAngleZ; }
    void SetViewAngleZ(double value);
    bool VisibleXCoords() const { return m_axes[TP3ScaleKind::skXAxis].Visible; }
    void SetVisibleXCoords(bool value);
    bool VisibleYCoords() const { return m_axes[TP3ScaleKind::skYAxis].Visible; }
    void SetVisibleYCoords(bool value);
    bool VisibleZCoords() const { return m_axes[TP3ScaleKind::skZAxis].Visible; }
    void SetVisibleZCoords(bool value);

    // Sets both view angles and renders once; nothing happens when both equal the
    // current values.
    void SetViewAngles(double angleX, double angleZ);

    // The heights: element (c, r) is the height at grid column c and row r. The owner
    // fills it and may use its OnChange; the control keeps the screen matrices sized
    // like it through the matrix's Changed signal.
    TMatrix* SurfaceMatrix() const { return m_surface; }
    // Screen x, screen y and drawing-order key of every grid point, as last rendered.
    const TIntMatrix& ScreenXMatrix() const { return *m_screenX; }
    const TIntMatrix& ScreenYMatrix() const { return *m_screenY; }
    const TIntMatrix& DrawKeyMatrix() const { return *m_drawKey; }

    const TViewMatrix& ViewMatrix() const { return m_view; }
    const THeightMapping& HeightMapping() const { return m_heightMapping; }
    // How cube points reach the screen with the current view.
    TProjection Projection() const;
    // Grid point (column, row) in cube coordinates, at its height in SurfaceMatrix.
    TCubePoint GridPoint(int column, int row) const;
    // The ramp that colors the cells, from the color properties.
    TColorRamp ColorRamp() const;

    TRenderEvent OnDataRendered;
    TMouseActionEvent OnMouseAction;
    TBeforeRenderPolygonEvent OnBeforeRenderPolygon;
    Tp3BeforeDrawScaleLabelEvent OnBeforeDrawScaleLabel;
    TMouseMoveOverPlotEvent OnMouseMoveOverPlot;

    // The default size, so that a layout gives the control room.
    QSize sizeHint() const override;

protected:
    // Also when the window around the control is shown again.
    void showEvent(QShowEvent* event) override;
    // Dragging turns, zooms or shifts the view as MouseAction says; every move then
    // reports the cell under the pointer.
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    // The settings of one axis, indexed by TP3ScaleKind.
    struct TAxisSettings {
        TColor Color;
        int DecPlaces;
        int MinTicks = 3;
        double Low = -1;
        double High = 1;
        double ScaleFactor = 1;
        bool Visible = true;
    };

    // Where a drag started from: the pointer and the view at the last move made
    // without a button held. A drag always follows the total displacement from it.
    struct TDragReference {
        QPoint Pointer;
        int CentX = 0;
        int CentY = 0;
        double Magnification = 1;
        double ViewAngleX = 0;
        double ViewAngleZ = 0;
        bool Recorded = false;
    };

    void SetDecPlaces(TP3ScaleKind axis, int value);
    void SetMinTicks(TP3ScaleKind axis, int value);
    void SetRangeLow(TP3ScaleKind axis, double value);
    void SetRangeHigh(TP3ScaleKind axis, double value);
    void SetScaleFactor(TP3ScaleKind axis, double value);
    void RangeChanged();
    // Normalizes and stores a view angle unless it equals the current one; says
    // whether it stored.
    static bool StoreViewAngle(double& field, double value);
    void ViewChanged();
    void SurfaceChanged();

    // The paint cycle: background, scene, frame (plot3dpaint.cpp).
    void Render() override;
    void RenderScene(TCanvas& canvas);
    // Hidden itself or inside a window that was hidden.
    bool CanRender() const override;
    // Scene parts, drawn back to front (plot3dpaint.cpp, plot3dsurface.cpp, plot3daxes.cpp).
    QPoint ScreenCorner(int corner) const;
    void DrawWalls(TCanvas& canvas, int frontCorner);
    void DrawEdgesFrom(TCanvas& canvas, int corner, TColor color);
    void DrawSurface(TCanvas& canvas);
    void DrawAxes(TCanvas& canvas, int frontCorner);
    void DrawAxis(TCanvas& canvas, TP3ScaleKind kind, QPoint lowEnd, QPoint highEnd);
    // The end of a tick mark starting at tick, and the offset from the end's y to the
    // top of its label.
    void TickMarkEnd(TP3ScaleKind kind, QPoint tick, int textHeight, QPoint& end, int& labelOffsetY) const;

    // Drag steps (plot3dmouse.cpp). Each sets the new view values from the reference
    // and finishes the step.
    void RecordDragReference(QPoint pointer);
    void Drag(QPoint pointer, TShiftState shift);
    void DragRotate(QPoint pointer, TShiftState shift, bool clamp);
    void DragRotateX(QPoint pointer, TShiftState shift);
    void DragRotateZ(QPoint pointer, TShiftState shift);
    void DragZoom(QPoint pointer, TShiftState shift);
    void DragPan(QPoint pointer, TShiftState shift);
    // Lets OnMouseAction adjust the new view, then renders it.
    void FinishDragStep(TShiftState shift, bool turned);
    void ReportCellUnder(QPoint pointer, TShiftState shift);

    TBoundingBox m_boundBoxStyle = TBoundingBox::bbFaces;
    int m_centX = 0;
    int m_centY = 0;
    TColor m_colorFrame = clBlack;
    TColor m_colorBakGnd = clWhite;
    bool m_colorCodeAvg = false;
    TColor m_colorCubeFrame = 0x00404040;
    TColor m_colorCubeHidLin = 0xB0B0B0;
    TColor m_colorCubeFaceLow = 0xC0C0C0;
    TColor m_colorCubeFaceHigh = 0xFEEEEE;
    TColor m_colorMesh = clBlack;
    TColor m_colorHigh = clYellow;
    TColor m_colorMid = clBlue;
    TColor m_colorLow = clBlack;
    double m_colorScaleHigh = 100.0;
    double m_colorScaleLow = 0.0;
    TColorCodingMode m_colorCodingMode = TColorCodingMode::ccmTwoColors;
    TColorScheme m_colorScheme = TColorScheme::csSystem;
    TFrameStyle m_frameStyle = TFrameStyle::fsLowered;
    bool m_meshVisible = true;
    double m_magnification = 1.0;
    TMouseActMode m_mouseAction = TMouseActMode::maRotate;
    double m_viewAngleX = 60.0;
    double m_viewAngleZ = 15.0;
    std::array<TAxisSettings, 3> m_axes{{{clRed, 1}, {clBlue, 1}, {clBlack, 2}}};

    TViewMatrix m_view;
    THeightMapping m_heightMapping;
    TMatrix* m_surface;
    TIntMatrix* m_screenX;
    TIntMatrix* m_screenY;
    TIntMatrix* m_drawKey;
    TDragReference m_dragReference;
};
