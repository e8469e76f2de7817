// The surface of the 3-D plot: one colored quadrilateral per grid cell, drawn from
// back to front, recording where every grid point went for the hit test.
#include "controls/plot3d/plot3d.h"

#include <cstdint>
#include <utility>
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

    // Grid points, screen matrices and drawing keys, column after column as the
    // matrices store them; the matrices are filled whole, each with one change notice.
    const std::size_t count = std::size_t(columns) * rows;
    const auto index = [&](int c, int r) { return std::size_t(c - 1) * rows + (r - 1); };
    const TProjection projection = Projection();
    std::vector<TDrawnPoint> points(count);
    std::vector<std::int32_t> screenX(count), screenY(count), keys(count);
    for (int c = 1; c <= columns; ++c) {
        for (int r = 1; r <= rows; ++r) {
            const std::size_t i = index(c, r);
            TDrawnPoint& point = points[i];
            point.Screen = projection.Project(GridPoint(c, r));
            point.Height = m_surface->GetElem(c, r);
            screenX[i] = point.Screen.x();
            screenY[i] = point.Screen.y();
        }
    }
    m_screenX->SetElems(std::move(screenX));
    m_screenY->SetElems(std::move(screenY));

    // Cells are filled even when the walls were only outlined.
    canvas.Brush = TBrush{m_colorHigh, TBrushStyle::bsSolid};
    canvas.Pen.Color = m_colorMesh;
    const TColorRamp ramp = ColorRamp();
    const TCellOrder order(m_viewAngleX, m_viewAngleZ);
    QVector<QPoint> polygon(4);
    for (int m = 1; m < rows; ++m) {
        const int r = TCellOrder::Index(m, rows, order.RowsAscending);
        for (int k = 1; k < columns; ++k) {
            const int c = TCellOrder::Index(k, columns, order.ColumnsAscending);
            // Corners P1..P4 and the drawing keys they take.
            const std::array<std::size_t, 4> corners{index(c, r), index(c + 1, r), index(c + 1, r + 1),
                                                     index(c, r + 1)};
            const std::array<int, 4> cornerKeys{(m - 1) * columns + k, (m - 1) * columns + k + 1,
                                                m * columns + k + 1, m * columns + k};
            TQuad quad;
            std::array<double, 4> heights;
            for (std::size_t i = 0; i < corners.size(); ++i) {
                const TDrawnPoint& point = points[corners[i]];
                quad[i] = point.Screen;
                heights[i] = point.Height;
                keys[corners[i]] = cornerKeys[i];
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
    m_drawKey->SetElems(std::move(keys));
}
