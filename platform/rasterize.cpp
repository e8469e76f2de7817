#include "platform/rasterize.h"

#include <QPainter>
#include <algorithm>
#include <cstdlib>

namespace {

using Wide = __int128;

constexpr QRgb kFillMark = 0xFF0000FFu;
constexpr QRgb kOutlineMark = 0xFFFF0000u;

// Rounds a / b upwards; b > 0.
Wide CeilDiv(Wide a, Wide b)
{
    return a >= 0 ? (a + b - 1) / b : -((-a) / b);
}

// Bresenham stepping along one axis: the major coordinate advances by one per pixel,
// the minor one by the ratio minorLength / majorLength, halves resolved towards the
// start. The number of minor steps after i pixels is ceil((2 i minor − major) / (2 major)).
struct AxisStepper {
    std::int64_t major;   // |extent| along the major axis, > 0
    std::int64_t minor;   // |extent| along the minor axis, <= major

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
void IndexRange(std::int64_t start, int sign, std::int64_t low, std::int64_t high,
                std::int64_t& first, std::int64_t& last)
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

QRect ClipBox(std::int64_t left, std::int64_t top, std::int64_t right, std::int64_t bottom,
              const QRect& clip)
{
    const std::int64_t l = std::max<std::int64_t>(left, clip.left());
    const std::int64_t t = std::max<std::int64_t>(top, clip.top());
    const std::int64_t r = std::min<std::int64_t>(right, std::int64_t(clip.right()) + 1);
    const std::int64_t b = std::min<std::int64_t>(bottom, std::int64_t(clip.bottom()) + 1);
    if (l >= r || t >= b)
        return QRect();
    return QRect(int(l), int(t), int(r - l), int(b - t));
}

std::int64_t RasterizeLine(QPoint from, QPoint to, const QRect& clip, const LinePixelVisitor& visit)
{
    const std::int64_t dx = std::int64_t(to.x()) - from.x();
    const std::int64_t dy = std::int64_t(to.y()) - from.y();
    const bool xMajor = std::llabs(dx) >= std::llabs(dy);
    const AxisStepper stepper{xMajor ? std::llabs(dx) : std::llabs(dy),
                              xMajor ? std::llabs(dy) : std::llabs(dx)};
    if (stepper.major == 0 || clip.isEmpty())
        return stepper.major;

    const int majorSign = (xMajor ? dx : dy) > 0 ? 1 : -1;
    const int minorSign = (xMajor ? dy : dx) >= 0 ? 1 : -1;
    const std::int64_t majorStart = xMajor ? from.x() : from.y();
    const std::int64_t minorStart = xMajor ? from.y() : from.x();
    const std::int64_t minorLow = xMajor ? clip.top() : clip.left();
    const std::int64_t minorHigh = xMajor ? clip.bottom() : clip.right();

    std::int64_t first = 0, last = 0;
    IndexRange(majorStart, majorSign, xMajor ? clip.left() : clip.top(),
               xMajor ? clip.right() : clip.bottom(), first, last);
    first = std::max<std::int64_t>(first, 0);
    last = std::min<std::int64_t>(last, stepper.major - 1);

    std::int64_t steps = first <= last ? stepper.MinorStepsAt(first) : 0;
    std::int64_t decision = stepper.DecisionAt(first, steps);
    for (std::int64_t i = first; i <= last; ++i) {
        const std::int64_t minor = minorStart + minorSign * steps;
        if (minor >= minorLow && minor <= minorHigh) {
            const std::int64_t major = majorStart + majorSign * i;
            if (xMajor)
                visit(int(major), int(minor), i);
            else
                visit(int(minor), int(major), i);
        }
        if (decision > 0) {
            ++steps;
            decision -= 2 * stepper.major;
        }
        decision += 2 * stepper.minor;
    }
    return stepper.major;
}

ShapeMask::ShapeMask(const QRect& area)
    : m_area(area), m_mask(area.size(), QImage::Format_RGB32)
{
    m_mask.fill(0);
}

void ShapeMask::PaintFill(const std::function<void(QPainter&)>& draw)
{
    Paint(Qt::NoPen, QBrush(QColor::fromRgb(kFillMark)), draw);
}

void ShapeMask::PaintOutline(QPen pen, const std::function<void(QPainter&)>& draw)
{
    pen.setColor(QColor::fromRgb(kOutlineMark));
    Paint(pen, Qt::NoBrush, draw);
}

void ShapeMask::FillOutline(const std::function<void(QPainter&)>& draw)
{
    Paint(Qt::NoPen, QBrush(QColor::fromRgb(kOutlineMark)), draw);
}

void ShapeMask::Paint(const QPen& pen, const QBrush& brush, const std::function<void(QPainter&)>& draw)
{
    if (m_mask.isNull())
        return;
    QPainter painter(&m_mask);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.translate(-m_area.left(), -m_area.top());
    painter.setPen(pen);
    painter.setBrush(brush);
    draw(painter);
}

void ShapeMask::MarkOutline(int x, int y)
{
    if (m_area.contains(x, y))
        reinterpret_cast<QRgb*>(m_mask.scanLine(y - m_area.top()))[x - m_area.left()] = kOutlineMark;
}

MaskPart ShapeMask::At(int x, int y) const
{
    if (!m_area.contains(x, y))
        return MaskPart::None;
    const QRgb mark = reinterpret_cast<const QRgb*>(m_mask.constScanLine(y - m_area.top()))[x - m_area.left()];
    if (mark == kOutlineMark)
        return MaskPart::Outline;
    return mark == kFillMark ? MaskPart::Fill : MaskPart::None;
}
