#pragma once
// TLineBatch: runs of line-to items collected into one polyline of at most 200
// points, starting at the batch start.
#include <QPoint>
#include <array>
#include <span>

class TCanvas;

class TLineBatch {
public:
    static constexpr int kMaxPoints = 200;

    explicit TLineBatch(QPoint start) { StartAt(start); }

    // Drops what was collected; the next polyline starts at `start`.
    void StartAt(QPoint start)
    {
        m_points[0] = start;
        m_size = 1;
    }
    // Adds a point; true when the batch is full and has to be drawn now.
    bool Add(QPoint point)
    {
        m_points[m_size] = point;
        return Added(1);
    }
    // The slots after the collected points.
    std::span<QPoint> Free() { return std::span(m_points).subspan(std::size_t(m_size)); }
    // Takes the first count free slots as filled in; true when the batch is full and
    // has to be drawn now.
    bool Added(std::size_t count)
    {
        m_size += int(count);
        return m_size >= kMaxPoints;
    }
    // Draws the collected polyline, if it has a line, leaves the pen at its last
    // point and starts the next batch there.
    void Draw(TCanvas& canvas)
    {
        if (m_size >= 2)
            DrawLine(canvas);
    }

private:
    void DrawLine(TCanvas& canvas);

    std::array<QPoint, kMaxPoints> m_points;
    int m_size = 1;
};
