#pragma once
// TLineBatch: runs of line-to items collected into one polyline of at most 200
// points, starting at the batch start.
#include <QPoint>
#include <QVector>

class TCanvas;

class TLineBatch {
public:
    static constexpr int kMaxPoints = 200;

    explicit TLineBatch(QPoint start);

    // Where the next polyline starts.
    QPoint Start() const { return m_points.first(); }
    // Drops what was collected; the next polyline starts at `start`.
    void StartAt(QPoint start);
    // Adds a point; true when the batch is full and has to be drawn now.
    bool Add(QPoint point);
    // Draws the collected polyline, if it has a line, leaves the pen at its last
    // point and starts the next batch there.
    void Draw(TCanvas& canvas);

private:
    QVector<QPoint> m_points;
};
