#pragma once
// Pixel-exact building blocks of the image canvas: clipped one-pixel lines, filled
// polygons, ellipses and wide pen strokes as runs of pixels, and a writer that puts
// a color into an image.
//
// Coordinates name pixels; the geometric point (x, y) is the center of pixel (x, y),
// so a shape's outline drawn through its corners and its fill agree on every pixel.
#include "platform/color.h"

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QVector>
#include <cstdint>
#include <cstdlib>
#include <functional>
#include <vector>

// The part of the half-open box [left, right) x [top, bottom) that lies inside clip.
// Takes 64-bit edges, so boxes built from extreme int coordinates cannot overflow.
QRect ClipBox(std::int64_t left, std::int64_t top, std::int64_t right, std::int64_t bottom,
              const QRect& clip);

// The stretch of a Bresenham line that crosses a clip rectangle, ready to be stepped
// through: pixel indices first..last along the major axis, with the minor axis's step
// count and decision value at index first.
struct LineWalk {
    std::int64_t length = 0; // the whole line's length in pixels
    bool xMajor = true;
    int majorSign = 1, minorSign = 1;
    std::int64_t majorStart = 0, minorStart = 0;
    std::int64_t minorLow = 0, minorHigh = -1; // the clip's extent along the minor axis
    std::int64_t first = 0, last = -1;
    std::int64_t steps = 0, decision = 0;
    std::int64_t majorExtent = 0, minorExtent = 0;
};
LineWalk PlanLine(QPoint from, QPoint to, const QRect& clip);

// Visits the Bresenham pixels of the line from `from` to `to`, leaving out `to`, that
// lie inside clip, calling visit(x, y, index) with each one's index along the line (0
// at `from`). Only the stretch of the line that crosses clip is stepped through, so
// lines with far-away ends cost no more than short ones. Returns the line's length in
// pixels.
template <class Visit>
std::int64_t RasterizeLine(QPoint from, QPoint to, const QRect& clip, Visit&& visit)
{
    const LineWalk w = PlanLine(from, to, clip);
    std::int64_t steps = w.steps, decision = w.decision;
    for (std::int64_t i = w.first; i <= w.last; ++i) {
        const std::int64_t minor = w.minorStart + w.minorSign * steps;
        if (minor >= w.minorLow && minor <= w.minorHigh) {
            const std::int64_t major = w.majorStart + w.majorSign * i;
            if (w.xMajor)
                visit(int(major), int(minor), i);
            else
                visit(int(minor), int(major), i);
        }
        if (decision > 0) {
            ++steps;
            decision -= 2 * w.majorExtent;
        }
        decision += 2 * w.minorExtent;
    }
    return w.length;
}

// A run of pixels x0..x1 (inclusive) in row y.
using SpanVisitor = std::function<void(int y, int x0, int x1)>;

// The inside of the closed polygon through corners (even-odd rule), row by row within
// clip: the pixels whose centers lie inside, those on its edges included or not (the
// outline covers them). No pixel outside the Bresenham outline of the same corners is
// visited, and every pixel it encloses is.
void ScanPolygon(const QVector<QPoint>& corners, const QRect& clip, const SpanVisitor& span);

// The pixels a pen `width` pixels wide covers along the segment from a to b, ends
// included and rounded: those whose centers lie within width / 2 of the segment. An
// even width has no middle pixel, so its pen runs half a pixel above (or, for steep
// segments, left of) the segment. Swapping a and b changes nothing.
void ScanWideLine(QPoint a, QPoint b, int width, const QRect& clip, const SpanVisitor& span);
// The pixel's position along the segment from a, in pixels (for dash patterns).
double PositionAlong(QPoint a, QPoint b, int x, int y);

// An ellipse inscribed in the box [left, right) x [top, bottom), at least 2 x 2. Every
// row of it is one run, symmetric about the box's center lines, and the box's four
// edges are touched.
class EllipseRows {
public:
    EllipseRows(std::int64_t left, std::int64_t top, std::int64_t right, std::int64_t bottom);
    bool Empty() const { return m_alpha < 1 || m_beta < 1; }
    std::int64_t Top() const { return m_top; }
    std::int64_t Bottom() const { return m_top + m_beta; } // inclusive
    // The run of row y (Top() <= y <= Bottom()), inclusive.
    void Row(std::int64_t y, std::int64_t& x0, std::int64_t& x1) const;
    // The outline of row y: the part of its run not covered by the next row outwards,
    // and at least the run's two end pixels. Both runs are empty (x0 > x1) or inside
    // the row's run; the second one is empty when they would meet.
    void OutlineRuns(std::int64_t y, std::int64_t (&runs)[2][2]) const;
    // The pixel's position along the outline, in pixels (for dash patterns).
    double PositionAlong(int x, int y) const;

private:
    std::int64_t HalfWidth(std::int64_t v) const; // in doubled units, of the row at doubled offset v
    std::int64_t m_left, m_top;
    std::int64_t m_alpha,
        m_beta; // the box's size less one: doubled half-axes through the outermost pixel centers
};

// Writes one color into an RGB32 image, copying it or XOR-ing it into what is there;
// pixels outside the image are left alone.
class PixelWriter {
public:
    PixelWriter(QImage& image, TColor color, bool xorMode);

    void Put(int x, int y) const
    {
        if (x < 0 || y < 0 || x >= m_width || y >= m_height)
            return;
        QRgb& pixel = reinterpret_cast<QRgb*>(m_bits + std::ptrdiff_t(y) * m_stride)[x];
        pixel = m_xor ? pixel ^ (m_rgb & RGB_MASK) : m_rgb;
    }
    void Run(int y, int x0, int x1) const;
    void Fill(const QRect& area) const;
    bool Inside(QPoint p) const
    {
        return unsigned(p.x()) < unsigned(m_width) && unsigned(p.y()) < unsigned(m_height);
    }
    // The one-pixel line from `from` to `to`, leaving out `to`: the pixels
    // RasterizeLine visits inside the image, written straight along the rows when both
    // ends are inside. Returns the line's length in pixels.
    std::int64_t Segment(QPoint from, QPoint to) const
    {
        if (Inside(from) && Inside(to))
            return Line(from, to);
        return RasterizeLine(from, to, QRect(0, 0, m_width, m_height),
                             [this](int x, int y, std::int64_t) { Put(x, y); });
    }

private:
    // Both ends Inside.
    int Line(QPoint from, QPoint to) const
    {
        const int dx = to.x() - from.x(), dy = to.y() - from.y();
        const bool xMajor = std::abs(dx) >= std::abs(dy);
        const int major = xMajor ? std::abs(dx) : std::abs(dy);
        const int minor = xMajor ? std::abs(dy) : std::abs(dx);
        const std::ptrdiff_t row = m_stride / std::ptrdiff_t(sizeof(QRgb));
        // The major axis steps towards `to`; the minor one, as in RasterizeLine, counts
        // a zero extent as a step downwards (or right), which it never takes.
        const std::ptrdiff_t xStep = (xMajor ? dx > 0 : dx >= 0) ? 1 : -1;
        const std::ptrdiff_t yStep = (xMajor ? dy >= 0 : dy > 0) ? row : -row;
        QRgb* pixel = reinterpret_cast<QRgb*>(m_bits + std::ptrdiff_t(from.y()) * m_stride) + from.x();
        if (m_xor)
            WriteLine<true>(pixel, major, minor, xMajor ? xStep : yStep, xMajor ? yStep : xStep);
        else
            WriteLine<false>(pixel, major, minor, xMajor ? xStep : yStep, xMajor ? yStep : xStep);
        return major;
    }
    // Bresenham's loop from the line's first pixel, halves resolved towards the start.
    template <bool Xor>
    void WriteLine(QRgb* pixel, int major, int minor, std::ptrdiff_t majorStep,
                   std::ptrdiff_t minorStep) const
    {
        int decision = 2 * minor - major;
        for (int i = 0; i < major; ++i) {
            if constexpr (Xor)
                *pixel ^= m_rgb & RGB_MASK;
            else
                *pixel = m_rgb;
            if (decision > 0) {
                pixel += minorStep;
                decision -= 2 * major;
            }
            decision += 2 * minor;
            pixel += majorStep;
        }
    }

    bool m_xor;
    QRgb m_rgb = 0;
    uchar* m_bits;
    qsizetype m_stride;
    int m_width;
    int m_height;
};

enum class MaskPart : unsigned char { None, Fill, Outline };

// Which pixels of one shape within an area of the surface are outline and which are
// fill, so that each is written once. Outline wins over fill.
class ShapeMask {
public:
    explicit ShapeMask(const QRect& area);

    const QRect& Area() const { return m_area; }
    // Pixels outside the area are ignored.
    void MarkOutline(int x, int y);
    void MarkOutlineRun(int y, int x0, int x1);
    void MarkFillRun(int y, int x0, int x1);
    MaskPart At(int x, int y) const;

private:
    MaskPart* Cell(int x, int y)
    {
        return &m_parts[std::size_t(y - m_area.top()) * m_area.width() + (x - m_area.left())];
    }
    void MarkRun(int y, int x0, int x1, MaskPart part);

    QRect m_area;
    std::vector<MaskPart> m_parts;
};
