#include "controls/chart/linebatch.h"

#include "platform/canvas.h"

void TLineBatch::DrawLine(TCanvas& canvas)
{
    canvas.Polyline({m_points.data(), std::size_t(m_size)});
    const QPoint last = m_points[m_size - 1];
    canvas.MoveTo(last.x(), last.y());
    StartAt(last);
}
