#include "controls/chart/linebatch.h"

#include "platform/canvas.h"

TLineBatch::TLineBatch(QPoint start)
{
    m_points.reserve(kMaxPoints);
    m_points.append(start);
}

void TLineBatch::StartAt(QPoint start)
{
    m_points.resize(1);
    m_points[0] = start;
}

bool TLineBatch::Add(QPoint point)
{
    m_points.append(point);
    return m_points.size() >= kMaxPoints;
}

void TLineBatch::Draw(TCanvas& canvas)
{
    if (m_points.size() < 2)
        return;
    canvas.Polyline(m_points);
    const QPoint last = m_points.last();
    canvas.MoveTo(last.x(), last.y());
    StartAt(last);
}
