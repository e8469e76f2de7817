#include "platform/rasterize.h"

#include <QVarLengthArray>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <numbers>
#include <utility>

namespace {

using Wide = __int128;

// Rounds a / b upwards; b > 0.
Wide CeilDiv(Wide a, Wide b) { return a >= 0 ? (a + b - 1) / b : -((-a) / b); }

// Rounds a / b downwards; b > 0.
Wide FloorDiv(Wide a, Wide b) { return a >= 0 ? a / b : -((-a + b - 1) / b); }

// Bresenham stepping along one axis: the major coordinate advances by one per pixel,
// the minor one by the ratio minorLength / majorLength, halves resolved towards the
// start. The number of minor steps after i pixels is ceil((2 i minor − major) / (2 major)).
struct AxisStepper {
    std::int64_t major; // |extent| along the major axis, > 0
    std::int64_t minor; // |extent| along the minor axis, <= major

    std::int64_t MinorStepsAt(std::int64_t i) const
    {
        return std::int64_t(CeilDiv(Wide(2) * i * minor - major, Wide(2) * major));
    }
    // The decision value the classic loop holds after the pixel at index i.
    std::int64_t DecisionAt(std::int64_t i, std::int64_t steps) const
    {
        return std::int64_t(Wide(2) * (i + 1) * minor - major - Wide(2) * major * steps);
    }
};

// The index range [first, last] of pixels whose major coordinate start + sign·i lies
// within [low, high]; empty when first > last.
void IndexRange(std::int64_t start, int sign, std::int64_t low, std::int64_t high, std::int64_t& first,
                std::int64_t& last)
{
    if (sign > 0) {
        first = low - start;
        last = high - start;
    } else {
        first = start - high;
        last = start - low;
    }
}

} // namespace

QRect ClipBox(std::int64_t left, std::int64_t top, std::int64_t right, std::int64_t bottom, const QRect& clip)
{
    const std::int64_t l = std::max<std::int64_t>(left, clip.left());
    const std::int64_t t = std::max<std::int64_t>(top, clip.top());
    const std::int64_t r = std::min<std::int64_t>(right, std::int64_t(clip.right()) + 1);
    const std::int64_t b = std::min<std::int64_t>(bottom, std::int64_t(clip.bottom()) + 1);
    if (l >= r || t >= b)
        return QRect();
    return QRect(int(l), int(t), int(r - l), int(b - t));
}

LineWalk PlanLine(QPoint from, QPoint to, const QRect& clip)
{
    const std::int64_t dx = std::int64_t(to.x()) - from.x();
    const std::int64_t dy = std::int64_t(to.y()) - from.y();
    LineWalk w;
    w.xMajor = std::llabs(dx) >= std::llabs(dy);
    const AxisStepper stepper{w.xMajor ? std::llabs(dx) : std::llabs(dy),
                              w.xMajor ? std::llabs(dy) : std::llabs(dx)};
    w.length = stepper.major;
    if (stepper.major == 0 || clip.isEmpty())
        return w; // nothing to step through

    w.majorExtent = stepper.major;
    w.minorExtent = stepper.minor;
    w.majorSign = (w.xMajor ? dx : dy) > 0 ? 1 : -1;
    w.minorSign = (w.xMajor ? dy : dx) >= 0 ? 1 : -1;
    w.majorStart = w.xMajor ? from.x() : from.y();
    w.minorStart = w.xMajor ? from.y() : from.x();
    w.minorLow = w.xMajor ? clip.top() : clip.left();
    w.minorHigh = w.xMajor ? clip.bottom() : clip.right();

    IndexRange(w.majorStart, w.majorSign, w.xMajor ? clip.left() : clip.top(),
               w.xMajor ? clip.right() : clip.bottom(), w.first, w.last);
    w.first = std::max<std::int64_t>(w.first, 0);
    w.last = std::min<std::int64_t>(w.last, stepper.major - 1);
    // A line starting inside clip has made no minor step yet: no wide division needed.
    w.steps = w.first > 0 && w.first <= w.last ? stepper.MinorStepsAt(w.first) : 0;
    w.decision = stepper.DecisionAt(w.first, w.steps);
    return w;
}

namespace {

// A polygon edge that is not horizontal, measured from its upper end so that the
// division is by a positive height. It counts for the rows from its upper end down to
// just above its lower end.
struct ScanEdge {
    std::int64_t upperX = 0, upperY = 0, lowerY = 0;
    std::int64_t dx = 0, dy = 1; // dy > 0
    // Every product of a row offset (less than dy) and dx fits in 64 bits.
    bool narrow = true;

    ScanEdge() = default;
    ScanEdge(QPoint a, QPoint b)
    {
        const QPoint& upper = a.y() < b.y() ? a : b;
        const QPoint& lower = a.y() < b.y() ? b : a;
        upperX = upper.x();
        upperY = upper.y();
        lowerY = lower.y();
        dx = std::int64_t(lower.x()) - upper.x();
        dy = lowerY - upperY;
        constexpr std::int64_t kNarrow = std::int64_t(1) << 31;
        narrow = dy < kNarrow && std::llabs(dx) < kNarrow;
    }

    bool Spans(std::int64_t y) const { return y >= upperY && y < lowerY; }

    // Where the edge crosses row y, rounded down.
    std::int64_t CrossingAt(std::int64_t y) const
    {
        if (!narrow)
            return upperX + std::int64_t(FloorDiv(Wide(y - upperY) * dx, dy));
        const std::int64_t a = (y - upperY) * dx;
        return upperX + (a >= 0 ? a / dy : -((-a + dy - 1) / dy));
    }
};

} // namespace

void ScanPolygon(const QVector<QPoint>& corners, const QRect& clip, const SpanVisitor& span)
{
    if (corners.isEmpty() || clip.isEmpty())
        return;
    std::int64_t top = corners.first().y(), bottom = top;
    QVarLengthArray<ScanEdge, 8> edges;
    for (qsizetype i = 0; i < corners.size(); ++i) {
        const QPoint& a = corners[i];
        const QPoint& b = corners[(i + 1) % corners.size()];
        top = std::min<std::int64_t>(top, a.y());
        bottom = std::max<std::int64_t>(bottom, a.y());
        if (a.y() != b.y())
            edges.append(ScanEdge(a, b));
    }
    top = std::max<std::int64_t>(top, clip.top());
    bottom = std::min<std::int64_t>(bottom, clip.bottom());
    QVarLengthArray<std::int64_t, 16> crossings;
    for (std::int64_t y = top; y <= bottom; ++y) {
        // Where each edge crosses the row, rounded down: a pixel is inside when an odd
        // number of crossings lie left of its center, i.e. of the rounded ones below it.
        crossings.clear();
        for (const ScanEdge& edge : edges)
            if (edge.Spans(y))
                crossings.append(edge.CrossingAt(y));
        std::sort(crossings.begin(), crossings.end());
        for (qsizetype i = 0; i + 1 < crossings.size(); i += 2) {
            const std::int64_t x0 = std::max<std::int64_t>(crossings[i] + 1, clip.left());
            const std::int64_t x1 = std::min<std::int64_t>(crossings[i + 1], clip.right());
            if (x0 <= x1)
                span(int(y), int(x0), int(x1));
        }
    }
}

namespace {

// A pen stroke in doubled coordinates, where pixel centers are even and a half pixel
// is one unit; distances are compared without rounding while the shape is small.
class WideStroke {
public:
    WideStroke(QPoint a, QPoint b, int width)
        : m_radius(width)
    {
        if (std::pair(b.x(), b.y()) < std::pair(a.x(), a.y()))
            std::swap(a, b);
        m_ax = 2 * std::int64_t(a.x());
        m_ay = 2 * std::int64_t(a.y());
        m_bx = 2 * std::int64_t(b.x());
        m_by = 2 * std::int64_t(b.y());
        if (width % 2 == 0) {
            const bool flat = std::llabs(m_bx - m_ax) >= std::llabs(m_by - m_ay);
            (flat ? m_ay : m_ax) -= 1;
            (flat ? m_by : m_bx) -= 1;
        }
        m_dx = m_bx - m_ax;
        m_dy = m_by - m_ay;
        m_length2 = (long double)m_dx * m_dx + (long double)m_dy * m_dy;
    }

    std::int64_t TopRow() const { return std::int64_t(FloorDiv(std::min(m_ay, m_by) - m_radius + 1, 2)); }
    std::int64_t BottomRow() const { return std::int64_t(FloorDiv(std::max(m_ay, m_by) + m_radius, 2)); }

    bool Covers(std::int64_t x, std::int64_t y) const
    {
        const long double px = 2 * x - m_ax, py = 2 * y - m_ay;
        const long double r2 = (long double)m_radius * m_radius;
        const long double t = px * m_dx + py * m_dy;
        if (t <= 0)
            return px * px + py * py <= r2;
        if (t >= m_length2) {
            const long double qx = 2 * x - m_bx, qy = 2 * y - m_by;
            return qx * qx + qy * qy <= r2;
        }
        const long double cross = px * m_dy - py * m_dx;
        return cross * cross <= r2 * m_length2;
    }

    // A close guess at the doubled x range the stroke covers in doubled row Y.
    bool Guess(long double Y, long double& low, long double& high) const
    {
        const long double r = m_radius + 1e-6L;
        low = HUGE_VALL;
        high = -HUGE_VALL;
        for (const auto& [ex, ey] : {std::pair(m_ax, m_ay), std::pair(m_bx, m_by)}) {
            const long double d = Y - ey;
            if (std::fabs(d) <= r) {
                const long double h = std::sqrt(r * r - d * d);
                low = std::min(low, ex - h);
                high = std::max(high, ex + h);
            }
        }
        long double from = -HUGE_VALL, to = HUGE_VALL; // the band between the end caps
        const long double rel = Y - m_ay, length = std::sqrt(m_length2);
        if (m_dy != 0) {
            const long double x1 = m_ax + (rel * m_dx - r * length) / m_dy;
            const long double x2 = m_ax + (rel * m_dx + r * length) / m_dy;
            from = std::min(x1, x2);
            to = std::max(x1, x2);
        } else if (std::fabs(rel) > r) {
            from = HUGE_VALL;
        }
        if (m_dx != 0) {
            const long double x1 = m_ax - rel * m_dy / m_dx;
            const long double x2 = m_ax + (m_length2 - rel * m_dy) / m_dx;
            from = std::max(from, std::min(x1, x2));
            to = std::min(to, std::max(x1, x2));
        } else {
            const long double t = rel * m_dy;
            if (t < 0 || t > m_length2)
                from = HUGE_VALL;
        }
        if (m_length2 == 0)
            from = HUGE_VALL; // a dot is its two caps
        if (from <= to) {
            low = std::min(low, from);
            high = std::max(high, to);
        }
        return low <= high;
    }

private:
    std::int64_t m_radius;
    std::int64_t m_ax, m_ay, m_bx, m_by;
    std::int64_t m_dx, m_dy;
    long double m_length2;
};

} // namespace

void ScanWideLine(QPoint a, QPoint b, int width, const QRect& clip, const SpanVisitor& span)
{
    if (clip.isEmpty() || width < 1)
        return;
    const WideStroke stroke(a, b, width);
    const std::int64_t top = std::max<std::int64_t>(stroke.TopRow(), clip.top());
    const std::int64_t bottom = std::min<std::int64_t>(stroke.BottomRow(), clip.bottom());
    for (std::int64_t y = top; y <= bottom; ++y) {
        long double low = 0, high = 0;
        if (!stroke.Guess(2.0L * y, low, high))
            continue;
        // The guess is within a pixel; the exact test settles both ends.
        std::int64_t x0 =
            std::int64_t(std::clamp<long double>(std::ceil(low / 2), clip.left(), clip.right() + 1));
        std::int64_t x1 =
            std::int64_t(std::clamp<long double>(std::floor(high / 2), clip.left() - 1, clip.right()));
        while (x0 > clip.left() && stroke.Covers(x0 - 1, y))
            --x0;
        while (x0 <= x1 && !stroke.Covers(x0, y))
            ++x0;
        while (x1 < clip.right() && stroke.Covers(x1 + 1, y))
            ++x1;
        while (x1 >= x0 && !stroke.Covers(x1, y))
            --x1;
        if (x0 <= x1)
            span(int(y), int(x0), int(x1));
    }
}

double PositionAlong(QPoint a, QPoint b, int x, int y)
{
    const double dx = double(b.x()) - a.x(), dy = double(b.y()) - a.y();
    const double length = std::hypot(dx, dy);
    return length > 0 ? ((double(x) - a.x()) * dx + (double(y) - a.y()) * dy) / length : 0.0;
}

namespace {

using Unsigned = unsigned __int128;

// The largest m >= 0 with (beta m)^2 <= alpha^2 (beta^2 - w^2), for 0 <= w <= beta:
// the half width, in doubled units, of the ellipse with doubled half-axes alpha and
// beta at doubled height w. Exact for every box an int can describe.
std::int64_t HalfWidthAt(std::int64_t alpha, std::int64_t beta, std::int64_t w)
{
    const Unsigned limit = Unsigned(alpha) * Unsigned(alpha) * Unsigned(beta - w) * Unsigned(beta + w);
    const auto fits = [&](std::int64_t m) {
        const Unsigned bm = Unsigned(beta) * Unsigned(m);
        return bm * bm <= limit;
    };
    std::int64_t m = std::int64_t(alpha * std::sqrt((long double)(beta - w) * (beta + w)) / beta);
    m = std::clamp<std::int64_t>(m, 0, alpha);
    while (m < alpha && fits(m + 1))
        ++m;
    while (m > 0 && !fits(m))
        --m;
    return m;
}

} // namespace

EllipseRows::EllipseRows(std::int64_t left, std::int64_t top, std::int64_t right, std::int64_t bottom)
    : m_left(left)
    , m_top(top)
    , m_alpha(right - left - 1)
    , m_beta(bottom - top - 1)
{
}

// A pixel belongs to the ellipse when the midpoint between it and its neighbor
// towards the center, in its row or in its column, lies inside the ellipse through
// the outermost pixel centers: on the flat parts of the curve the pixel nearest to it
// in each column, on the steep parts the nearest in each row. Depending only on the
// distances from the center lines, the rule is symmetric by itself.
std::int64_t EllipseRows::HalfWidth(std::int64_t v) const
{
    const std::int64_t columnMidpoint = HalfWidthAt(m_alpha, m_beta, v == 0 ? 1 : v - 1);
    const std::int64_t rowMidpoint = 1 + HalfWidthAt(m_alpha, m_beta, v);
    std::int64_t half = std::min(std::max(columnMidpoint, rowMidpoint), m_alpha);
    if ((half - m_alpha) % 2 != 0)
        --half; // pixel centers lie at the parity of the box's size
    return half;
}

void EllipseRows::Row(std::int64_t y, std::int64_t& x0, std::int64_t& x1) const
{
    const std::int64_t half = HalfWidth(std::llabs(2 * (y - m_top) - m_beta));
    x0 = (2 * m_left + m_alpha - half) / 2;
    x1 = (2 * m_left + m_alpha + half) / 2;
}

void EllipseRows::OutlineRuns(std::int64_t y, std::int64_t (&runs)[2][2]) const
{
    const std::int64_t v = std::llabs(2 * (y - m_top) - m_beta);
    const std::int64_t half = HalfWidth(v);
    const std::int64_t center2 = 2 * m_left + m_alpha;
    const std::int64_t outer = v == m_beta ? -2 : HalfWidth(v + 2); // none beyond the top and bottom rows
    const std::int64_t inner = std::min(outer + 2, half); // where this row's outline starts
    if (inner <= 0) {
        runs[0][0] = (center2 - half) / 2;
        runs[0][1] = (center2 + half) / 2;
        runs[1][0] = 1;
        runs[1][1] = 0;
        return;
    }
    runs[0][0] = (center2 - half) / 2;
    runs[0][1] = (center2 - inner) / 2;
    runs[1][0] = (center2 + inner) / 2;
    runs[1][1] = (center2 + half) / 2;
}

double EllipseRows::PositionAlong(int x, int y) const
{
    const double u = 2.0 * x - (2.0 * m_left + m_alpha), v = 2.0 * y - (2.0 * m_top + m_beta);
    double angle = std::atan2(v * m_alpha, u * m_beta);
    if (angle < 0)
        angle += 2 * std::numbers::pi;
    const double a = m_alpha / 2.0, b = m_beta / 2.0;
    const double perimeter = std::numbers::pi * (3 * (a + b) - std::sqrt((3 * a + b) * (a + 3 * b)));
    return angle / (2 * std::numbers::pi) * perimeter;
}

PixelWriter::PixelWriter(QImage& image, TColor color, bool xorMode)
    : m_xor(xorMode)
    // One detach up front; scanLine() per pixel would check for sharing every time.
    , m_bits(image.bits())
    , m_stride(image.bytesPerLine())
    , m_width(image.width())
    , m_height(image.height())
{
    const TColor plain = ResolveColor(color);
    m_rgb = qRgb(RedOf(plain), GreenOf(plain), BlueOf(plain));
}

void PixelWriter::Run(int y, int x0, int x1) const
{
    if (y < 0 || y >= m_height)
        return;
    x0 = std::max(x0, 0);
    x1 = std::min(x1, m_width - 1);
    QRgb* row = reinterpret_cast<QRgb*>(m_bits + std::ptrdiff_t(y) * m_stride);
    if (m_xor) {
        for (int x = x0; x <= x1; ++x)
            row[x] ^= m_rgb & RGB_MASK;
    } else if (x0 <= x1) {
        std::fill(row + x0, row + x1 + 1, m_rgb);
    }
}

void PixelWriter::Fill(const QRect& area) const
{
    for (int y = area.top(); y <= area.bottom(); ++y)
        Run(y, area.left(), area.right());
}

ShapeMask::ShapeMask(const QRect& area)
    : m_area(area)
    , m_parts(std::size_t(area.width()) * std::size_t(area.height()), MaskPart::None)
{
}

void ShapeMask::MarkOutline(int x, int y)
{
    if (m_area.contains(x, y))
        *Cell(x, y) = MaskPart::Outline;
}

void ShapeMask::MarkOutlineRun(int y, int x0, int x1) { MarkRun(y, x0, x1, MaskPart::Outline); }

void ShapeMask::MarkFillRun(int y, int x0, int x1) { MarkRun(y, x0, x1, MaskPart::Fill); }

void ShapeMask::MarkRun(int y, int x0, int x1, MaskPart part)
{
    if (y < m_area.top() || y > m_area.bottom())
        return;
    for (int x = std::max(x0, m_area.left()); x <= std::min(x1, m_area.right()); ++x) {
        MaskPart& cell = *Cell(x, y);
        if (part == MaskPart::Outline || cell == MaskPart::None)
            cell = part;
    }
}

MaskPart ShapeMask::At(int x, int y) const
{
    if (!m_area.contains(x, y))
        return MaskPart::None;
    return m_parts[std::size_t(y - m_area.top()) * m_area.width() + (x - m_area.left())];
}
