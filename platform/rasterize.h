#pragma once
// Pixel-exact building blocks of the image canvas: clipped one-pixel lines and
// masks that record which pixels of a shape are outline and which are fill.
#include <QImage>
#include <QPen>
#include <QRect>
#include <cstdint>
#include <functional>

class QPainter;

// The part of the half-open box [left, right) x [top, bottom) that lies inside clip.
// Takes 64-bit edges, so boxes built from extreme int coordinates cannot overflow.
QRect ClipBox(std::int64_t left, std::int64_t top, std::int64_t right, std::int64_t bottom,
              const QRect& clip);

using LinePixelVisitor = std::function<void(int x, int y, std::int64_t index)>;

// Visits the Bresenham pixels of the line from `from` to `to`, leaving out `to`, that
// lie inside clip; each comes with its index along the line (0 at `from`). Only the
// stretch of the line that crosses clip is stepped through, so lines with far-away
// ends cost no more than short ones. Returns the line's length in pixels.
std::int64_t RasterizeLine(QPoint from, QPoint to, const QRect& clip, const LinePixelVisitor& visit);

enum class MaskPart : unsigned char { None, Fill, Outline };

// The pixels of one shape within an area of the surface, drawn with QPainter
// (no antialiasing) or marked one by one. Outline wins over fill.
class ShapeMask {
public:
    explicit ShapeMask(const QRect& area);

    const QRect& Area() const { return m_area; }

    // Draws in surface coordinates; every pixel the painter covers becomes fill.
    void PaintFill(const std::function<void(QPainter&)>& draw);
    // Draws with the given pen's shape; every pixel it covers becomes outline.
    void PaintOutline(QPen pen, const std::function<void(QPainter&)>& draw);
    // Every pixel the painter's fill covers becomes outline.
    void FillOutline(const std::function<void(QPainter&)>& draw);
    // Marks one pixel as outline; pixels outside the area are ignored.
    void MarkOutline(int x, int y);

    MaskPart At(int x, int y) const;

private:
    void Paint(const QPen& pen, const QBrush& brush, const std::function<void(QPainter&)>& draw);

    QRect m_area;
    QImage m_mask;
};
