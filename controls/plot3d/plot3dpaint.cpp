// The paint cycle of the 3-D plot: everything is drawn into the bitmap, which
// paintEvent then copies to the screen. The scene goes from back to front: the
// walls and edges behind the surface, the surface, the edges in front of it and
// the axes.
#include "controls/plot3d/cubeview.h"
#include "controls/plot3d/plot3d.h"
#include "platform/widgetstate.h"

// Not while hidden itself or inside a window that was hidden, like a closed dialog. A
// window that has not been shown yet does not count: its controls render as usual.
bool TPlot3D::CanRender() const
{
    for (const QWidget* widget = this; widget; widget = widget->parentWidget())
        if (IsExplicitlyHidden(*widget))
            return false;
    return true;
}

void TPlot3D::Render()
{
    TCanvas& canvas = PictureCanvas();
    const int w = width();
    const int h = height();
    canvas.Pen = TPen{m_colorBakGnd, 1, TPenStyle::psSolid, TPenMode::pmCopy};
    canvas.Brush = TBrush{m_colorBakGnd, TBrushStyle::bsSolid};
    canvas.Rectangle(0, 0, w, h);
    RenderScene(canvas);
    // The frame is shaded in plain gray and white whatever the color scheme.
    DrawControlFrame(canvas, m_frameStyle, FrameColorsOf(TColorScheme::csBWG), m_colorFrame);
}

void TPlot3D::RenderScene(TCanvas& canvas)
{
    const int backCorner = BackCorner(m_view);
    const int frontCorner = 7 - backCorner;
    const bool cubeShown = m_boundBoxStyle != TBoundingBox::bbNone;
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

QPoint TPlot3D::ScreenCorner(int corner) const { return Projection().Project(CubeCorner(corner)); }

// The three walls through the front corner are the ones behind everything else.
void TPlot3D::DrawWalls(TCanvas& canvas, int frontCorner)
{
    canvas.Pen.Color = m_colorCubeFrame;
    canvas.Brush.Style =
        m_boundBoxStyle == TBoundingBox::bbFrame ? TBrushStyle::bsClear : TBrushStyle::bsSolid;
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
