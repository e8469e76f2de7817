// The surface of the 3-D plot: one colored quadrilateral per grid cell, drawn from
// back to front, recording where every grid point went for the hit test.
#include "controls/plot3d/plot3d.h"

#include <vector>

namespace {

// A grid point as it was drawn.
struct TDrawnPoint {
    QPoint Screen;
    double Height = 0;
};

// The drawing order of the rows and columns for the current view.
struct TCellOrder {
    bool RowsAscending;
    bool ColumnsAscending;

    TCellOrder(double viewAngleX, double viewAngleZ)
    {
        const bool fromBelow = viewAngleX > 180;
        RowsAscending = fromBelow != (viewAngleZ < 90 || viewAngleZ > 270);
        ColumnsAscending = fromBelow == (viewAngleZ > 180);
    }

    static int Index(int step, int count, bool ascending) { return ascending ? step : count - step; }
};

} // namespace

TColorRamp TPlot3D::ColorRamp() const
{
    return {m_colorLow, m_colorMid, m_colorHigh, m_colorScaleLow, m_colorScaleHigh, m_colorCodingMode};
}

void TPlot3D::DrawSurface(TCanvas& canvas)
{
    const int columns = m_surface->NrOfColumns();
    const int rows = m_surface->NrOfRows();
    if (columns < 2 || rows < 2)
        return;

    const TProjection projection = Projection();
    std::vector<TDrawnPoint> points(std::size_t(columns) * rows);
    const auto at = [&](int c, int r) -> TDrawnPoint& { return points[std::size_t(r - 1) * columns + (c - 1)]; };
    for (int r = 1; r <= rows; ++r) {
        for (int c = 1; c <= columns; ++c) {
            TDrawnPoint& point = at(c, r);
            point.Screen = projection.Project(GridPoint(c, r));
            point.Height = m_surface->GetElem(c, r);
            m_screenX->SetElem(c, r, point.Screen.x());
            m_screenY->SetElem(c, r, point.Screen.y());
        }
    }

    // Cells are filled even when the walls were only outlined.
    canvas.Brush = TBrush{m_colorHigh, bsSolid};
    canvas.Pen.Color = m_colorMesh;
    const TColorRamp ramp = ColorRamp();
    const TCellOrder order(m_viewAngleX, m_viewAngleZ);
    QVector<QPoint> polygon(4);
    for (int m = 1; m < rows; ++m) {
        const int r = TCellOrder::Index(m, rows, order.RowsAscending);
        for (int k = 1; k < columns; ++k) {
            const int c = TCellOrder::Index(k, columns, order.ColumnsAscending);
            // Corners P1..P4 and the drawing keys they take.
            const std::array<QPoint, 4> grid{QPoint(c, r), QPoint(c + 1, r), QPoint(c + 1, r + 1), QPoint(c, r + 1)};
            const std::array<int, 4> keys{(m - 1) * columns + k, (m - 1) * columns + k + 1, m * columns + k + 1,
                                          m * columns + k};
            TQuad quad;
            std::array<double, 4> heights;
            for (std::size_t i = 0; i < grid.size(); ++i) {
                const TDrawnPoint& point = at(grid[i].x(), grid[i].y());
                quad[i] = point.Screen;
                heights[i] = point.Height;
                m_drawKey->SetElem(grid[i].x(), grid[i].y(), keys[i]);
            }

            TColor color = ramp.ColorOf(CellValue(heights, m_colorCodeAvg));
            bool handled = false;
            if (OnBeforeRenderPolygon)
                OnBeforeRenderPolygon(this, canvas, handled, c, r, quad, color);
            if (handled)
                continue;
            canvas.Brush.Color = color;
            if (!m_meshVisible)
                canvas.Pen.Color = color;
            std::copy(quad.begin(), quad.end(), polygon.begin());
            canvas.Polygon(polygon);
        }
    }
}
