// The paint cycle of the 3-D plot: everything is drawn into the bitmap, which
// paintEvent then copies to the screen. The scene goes from back to front: the
// walls and edges behind the surface, the surface, the edges in front of it and
// the axes.
#include "controls/common/drawframe.h"
#include "controls/plot3d/cubeview.h"
#include "controls/plot3d/plot3d.h"
#include "platform/widgetstate.h"

namespace {

// Shading colors of the bevelled outer frame.
constexpr TColor kFrameHighlight = 0xFFFFFF;
constexpr TColor kFrameLightFace = 0xC0C0C0;
constexpr TColor kFrameShadow = 0x808080;
constexpr TColor kFrameDarkShadow = 0x000000;

} // namespace

// Hidden itself or inside a window that was hidden, like a closed dialog. A window
// that has not been shown yet does not count: its controls render as usual.
bool TPlot3D::Hidden() const
{
    for (const QWidget* widget = this; widget; widget = widget->parentWidget())
        if (IsExplicitlyHidden(*widget))
            return true;
    return false;
}

void TPlot3D::Render()
{
    if (Hidden()) {
        m_bitmapOutdated = true;
        return;
    }
    m_bitmapOutdated = false;
    const int w = width();
    const int h = height();
    m_bitmap.SetSize(w, h);
    TCanvas& canvas = m_bitmap.Canvas();
    canvas.Pen = TPen{m_colorBakGnd, 1, psSolid, pmCopy};
    canvas.Brush = TBrush{m_colorBakGnd, bsSolid};
    canvas.Rectangle(0, 0, w, h);
    RenderScene(canvas);
    DrawFrame(canvas, m_frameStyle, 0, 0, w - 1, h - 1, kFrameHighlight, kFrameLightFace, kFrameShadow,
              kFrameDarkShadow, m_colorFrame);
}

void TPlot3D::RenderIfOutdated()
{
    // Qt holds resize events back while a control is hidden, so the size is
    // compared as well.
    if (m_bitmapOutdated || m_bitmap.Width() != width() || m_bitmap.Height() != height())
        Render();
}

void TPlot3D::RenderScene(TCanvas& canvas)
{
    const int backCorner = BackCorner(m_view);
    const int frontCorner = 7 - backCorner;
    const bool cubeShown = m_boundBoxStyle != bbNone;
    if (cubeShown) {
        DrawWalls(canvas, frontCorner);
        DrawEdgesFrom(canvas, backCorner, m_colorCubeHidLin);
    }
    DrawSurface(canvas);
    if (cubeShown)
        DrawEdgesFrom(canvas, frontCorner, m_colorCubeFrame);
    DrawAxes(canvas, frontCorner);
    if (OnDataRendered)
        OnDataRendered(this, canvas);
}

QPoint TPlot3D::ScreenCorner(int corner) const
{
    return Projection().Project(CubeCorner(corner));
}

// The three walls through the front corner are the ones behind everything else.
void TPlot3D::DrawWalls(TCanvas& canvas, int frontCorner)
{
    canvas.Pen.Color = m_colorCubeFrame;
    canvas.Brush.Style = m_boundBoxStyle == bbFrame ? bsClear : bsSolid;
    for (int wall : kCornerWalls[frontCorner]) {
        QVector<QPoint> outline;
        for (int corner : kWallCorners[wall])
            outline.append(ScreenCorner(corner));
        canvas.Brush.Color = ShadeColor(m_colorCubeFaceLow, m_colorCubeFaceHigh, WallShade(m_view, wall));
        canvas.Polygon(outline);
    }
}

void TPlot3D::DrawEdgesFrom(TCanvas& canvas, int corner, TColor color)
{
    canvas.Pen.Color = color;
    const QPoint from = ScreenCorner(corner);
    for (int neighbor : kCornerNeighbors[corner]) {
        canvas.MoveTo(from.x(), from.y());
        const QPoint to = ScreenCorner(neighbor);
        canvas.LineTo(to.x(), to.y());
    }
}
