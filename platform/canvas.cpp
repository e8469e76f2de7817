// Pen, brush and shapes on a canvas, with exact pixels on images.
#include "platform/canvas.h"

#include "platform/rasterize.h"
#include "platform/rounding.h"

#include <QImage>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPolygonF>
#include <algorithm>
#include <cmath>
#include <span>

namespace {

constexpr int kScreenPixelsPerInch = 96;
constexpr QRgb kNoPixel = 0xFFFFFFFFu;

// Every dash pattern repeats after this many pixels, so a pattern position can be
// kept modulo it whatever the pen style.
constexpr int kPatternPeriod = 24;

constexpr int kDashRuns[] = {18, 6};
constexpr int kDotRuns[] = {3, 3};
constexpr int kDashDotRuns[] = {9, 6, 3, 6};
constexpr int kDashDotDotRuns[] = {9, 3, 3, 3, 3, 3};

// Alternating drawn and skipped run lengths of a one-pixel pen, starting with a drawn
// run; empty for pens that draw every pixel.
std::span<const int> DashRuns(TPenStyle style)
{
    switch (style) {
    case TPenStyle::psDash:
        return kDashRuns;
    case TPenStyle::psDot:
        return kDotRuns;
    case TPenStyle::psDashDot:
        return kDashDotRuns;
    case TPenStyle::psDashDotDot:
        return kDashDotDotRuns;
    default:
        return {};
    }
}

bool PatternDraws(TPenStyle style, std::int64_t index)
{
    const std::span<const int> runs = DashRuns(style);
    if (runs.empty())
        return true;
    int period = 0;
    for (int run : runs)
        period += run;
    int position = int((index % period + period) % period);
    for (std::size_t run = 0;; ++run) {
        if (position < runs[run])
            return run % 2 == 0;
        position -= runs[run];
    }
}

int AdvancePattern(int phase, std::int64_t pixels)
{
    return int((phase + pixels % kPatternPeriod) % kPatternPeriod);
}

int PixelsPerInchOf(int dotsPerMeter)
{
    return dotsPerMeter > 0 ? Round(dotsPerMeter * 0.0254) : kScreenPixelsPerInch;
}

struct Bounds {
    std::int64_t left, top, right, bottom; // inclusive
};

Bounds BoundsOf(const QVector<QPoint>& points)
{
    Bounds b{points.first().x(), points.first().y(), points.first().x(), points.first().y()};
    for (const QPoint& p : points) {
        b.left = std::min<std::int64_t>(b.left, p.x());
        b.top = std::min<std::int64_t>(b.top, p.y());
        b.right = std::max<std::int64_t>(b.right, p.x());
        b.bottom = std::max<std::int64_t>(b.bottom, p.y());
    }
    return b;
}

// The pixels a shape with these inclusive bounds may touch with a pen of the given reach.
QRect ReachOf(const Bounds& b, int reach, const QRect& surface)
{
    return ClipBox(b.left - reach, b.top - reach, b.right + 1 + reach, b.bottom + 1 + reach, surface);
}

// A rectangle from two corners in any order, with exclusive right and bottom.
TRect Normalized(int x1, int y1, int x2, int y2)
{
    return {std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2)};
}

// The path Qt strokes for a box: through the centers of its outermost pixels.
QRectF OutlineShapeOf(const TRect& box)
{
    return QRectF(box.Left, box.Top, qreal(box.Right) - box.Left - 1, qreal(box.Bottom) - box.Top - 1);
}

Qt::PenStyle QtStyleOf(TPenStyle style)
{
    switch (style) {
    case TPenStyle::psDash:
        return Qt::DashLine;
    case TPenStyle::psDot:
        return Qt::DotLine;
    case TPenStyle::psDashDot:
        return Qt::DashDotLine;
    case TPenStyle::psDashDotDot:
        return Qt::DashDotDotLine;
    case TPenStyle::psClear:
        return Qt::NoPen;
    default:
        return Qt::SolidLine;
    }
}

} // namespace

TCanvas::TCanvas(QImage* image)
{
    Rebind(image);
    Font.PixelsPerInch = PixelsPerInchY();
}

TCanvas::TCanvas(QPaintDevice* device)
{
    if (auto* image = dynamic_cast<QImage*>(device)) {
        Rebind(image);
    } else {
        m_device = device;
        m_isPrinter = dynamic_cast<QPagedPaintDevice*>(device) != nullptr;
    }
    Font.PixelsPerInch = PixelsPerInchY();
}

TCanvas::~TCanvas() = default;

void TCanvas::Rebind(QImage* image)
{
    m_image = image;
    m_device = image;
    if (image && !image->isNull() && image->format() != QImage::Format_RGB32)
        *image = image->convertToFormat(QImage::Format_RGB32);
}

QRect TCanvas::Surface() const
{
    if (m_image)
        return m_image->rect();
    return m_device ? QRect(0, 0, m_device->width(), m_device->height()) : QRect();
}

int TCanvas::Width() const { return Surface().width(); }

int TCanvas::Height() const { return Surface().height(); }

int TCanvas::PixelsPerInchX() const
{
    if (m_image)
        return PixelsPerInchOf(m_image->dotsPerMeterX());
    return m_device ? m_device->logicalDpiX() : kScreenPixelsPerInch;
}

int TCanvas::PixelsPerInchY() const
{
    if (m_image)
        return PixelsPerInchOf(m_image->dotsPerMeterY());
    return m_device ? m_device->logicalDpiY() : kScreenPixelsPerInch;
}

void TCanvas::Paint(const std::function<void(QPainter&)>& draw)
{
    if (m_image) {
        if (m_image->isNull())
            return;
        QPainter painter(m_image);
        painter.setRenderHint(QPainter::Antialiasing, false);
        draw(painter);
        return;
    }
    if (!m_device)
        return;
    if (!m_devicePainter)
        m_devicePainter = std::make_unique<QPainter>(m_device);
    if (!m_devicePainter->isActive())
        return;
    m_devicePainter->save();
    m_devicePainter->setRenderHint(QPainter::Antialiasing, false);
    draw(*m_devicePainter);
    m_devicePainter->restore();
}

QPen TCanvas::QtPen() const
{
    QPen pen(ToQColor(Pen.Color), std::max(1, Pen.Width), QtStyleOf(Pen.Style), Qt::RoundCap, Qt::RoundJoin);
    const std::span<const int> runs = DashRuns(Pen.Style);
    if (Pen.Width <= 1 && !runs.empty())
        pen.setDashPattern(QList<qreal>(runs.begin(), runs.end()));
    return pen;
}

QBrush TCanvas::QtBrush() const
{
    return Brush.Style == TBrushStyle::bsClear ? QBrush(Qt::NoBrush) : QBrush(ToQColor(Brush.Color));
}

void TCanvas::MoveTo(int x, int y)
{
    m_penPos = QPoint(x, y);
    m_dashPhase = 0;
}

void TCanvas::LineTo(int x, int y)
{
    DrawSegment(m_penPos, QPoint(x, y));
    m_penPos = QPoint(x, y);
}

void TCanvas::Polyline(std::span<const QPoint> points)
{
    // Every polyline starts the pen's pattern afresh and leaves the canvas's own
    // pattern position as it was.
    if (m_image && Pen.Style != TPenStyle::psClear && Pen.Width <= 1) {
        // One writer for the whole line: making one detaches the image and resolves the color.
        const PixelWriter pen = PenWriter();
        if (DashRuns(Pen.Style).empty()) {
            for (std::size_t i = 1; i < points.size(); ++i)
                pen.Segment(points[i - 1], points[i]);
            return;
        }
        int phase = 0;
        for (std::size_t i = 1; i < points.size(); ++i)
            phase = AdvancePattern(phase, DrawThinSegment(pen, points[i - 1], points[i], phase));
        return;
    }
    const int phase = m_dashPhase;
    m_dashPhase = 0;
    for (std::size_t i = 1; i < points.size(); ++i)
        DrawSegment(points[i - 1], points[i]);
    m_dashPhase = phase;
}

PixelWriter TCanvas::PenWriter() const
{
    return PixelWriter(*m_image, Pen.Color, Pen.Mode == TPenMode::pmXor);
}

PixelWriter TCanvas::BrushWriter() const
{
    return PixelWriter(*m_image, Brush.Color, Pen.Mode == TPenMode::pmXor);
}

void TCanvas::DrawSegment(QPoint from, QPoint to)
{
    if (Pen.Style == TPenStyle::psClear)
        return;
    if (!m_image) {
        Paint([&](QPainter& p) {
            p.setPen(QtPen());
            p.drawLine(QPointF(from), QPointF(to));
        });
        return;
    }
    if (Pen.Width > 1) {
        DrawWideSegment(from, to);
        return;
    }
    m_dashPhase = AdvancePattern(m_dashPhase, DrawThinSegment(PenWriter(), from, to, m_dashPhase));
}

std::int64_t TCanvas::DrawThinSegment(const PixelWriter& pen, QPoint from, QPoint to, int dashPhase)
{
    if (DashRuns(Pen.Style).empty())
        return pen.Segment(from, to);
    return RasterizeLine(from, to, Surface(), [&](int x, int y, std::int64_t i) {
        if (PatternDraws(Pen.Style, dashPhase + i))
            pen.Put(x, y);
    });
}

// A wide dashed pen stretches its pattern by its width, from the segment's start.
void TCanvas::DrawWideSegment(QPoint from, QPoint to)
{
    const PixelWriter pen = PenWriter();
    const bool solid = DashRuns(Pen.Style).empty();
    ScanWideLine(from, to, Pen.Width, Surface(), [&](int y, int x0, int x1) {
        if (solid) {
            pen.Run(y, x0, x1);
            return;
        }
        for (int x = x0; x <= x1; ++x)
            if (PatternDraws(Pen.Style, std::int64_t(std::floor(PositionAlong(from, to, x, y) / Pen.Width))))
                pen.Put(x, y);
    });
}

void TCanvas::TraceClosedPath(const QVector<QPoint>& corners, const QRect& clip,
                              const std::function<void(int x, int y)>& put) const
{
    int phase = 0;
    for (qsizetype i = 0; i < corners.size(); ++i) {
        const QPoint& to = corners[(i + 1) % corners.size()];
        const std::int64_t length = RasterizeLine(corners[i], to, clip, [&](int x, int y, std::int64_t k) {
            if (PatternDraws(Pen.Style, phase + k))
                put(x, y);
        });
        phase = AdvancePattern(phase, length);
    }
}

void TCanvas::Apply(const ShapeMask& mask)
{
    const PixelWriter pen = PenWriter();
    const PixelWriter brush = BrushWriter();
    const QRect& area = mask.Area();
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            switch (mask.At(x, y)) {
            case MaskPart::Outline:
                pen.Put(x, y);
                break;
            case MaskPart::Fill:
                brush.Put(x, y);
                break;
            case MaskPart::None:
                break;
            }
        }
    }
}

void TCanvas::Rectangle(int x1, int y1, int x2, int y2)
{
    const TRect box = Normalized(x1, y1, x2, y2);
    if (box.Left == box.Right || box.Top == box.Bottom)
        return;
    if (!m_image) {
        Paint([&](QPainter& p) {
            p.setPen(QtPen());
            p.setBrush(QtBrush());
            p.drawRect(OutlineShapeOf(box));
        });
        return;
    }
    ExactRectangle(box);
}

// The outline is the one-pixel outline widened evenly to both sides; an even width
// puts its extra pixel outside. Wide pens draw solid.
void TCanvas::ExactRectangle(const TRect& box)
{
    const QRect surface = Surface();
    const PixelWriter pen = PenWriter();
    const PixelWriter brush = BrushWriter();
    const std::int64_t l = box.Left, t = box.Top, r = box.Right, b = box.Bottom;
    if (Pen.Style == TPenStyle::psClear) {
        if (Brush.Style != TBrushStyle::bsClear)
            brush.Fill(ClipBox(l, t, r, b, surface));
        return;
    }
    const std::int64_t w = std::max(1, Pen.Width);
    const std::int64_t out = w / 2, in = w - out;
    // A box too small to have an inside is all outline.
    if (r - l <= 2 * in || b - t <= 2 * in) {
        pen.Fill(ClipBox(l - out, t - out, r + out, b + out, surface));
        return;
    }
    if (Brush.Style != TBrushStyle::bsClear)
        brush.Fill(ClipBox(l + in, t + in, r - in, b - in, surface));
    if (w == 1 && Pen.Style != TPenStyle::psSolid) {
        const QVector<QPoint> corners = {{box.Left, box.Top},
                                         {box.Right - 1, box.Top},
                                         {box.Right - 1, box.Bottom - 1},
                                         {box.Left, box.Bottom - 1}};
        TraceClosedPath(corners, surface, [&](int x, int y) { pen.Put(x, y); });
        return;
    }
    for (const QRect& band : {ClipBox(l - out, t - out, r + out, t + in, surface),
                              ClipBox(l - out, b - in, r + out, b + out, surface),
                              ClipBox(l - out, t + in, l + in, b - in, surface),
                              ClipBox(r - in, t + in, r + out, b - in, surface)})
        pen.Fill(band);
}

void TCanvas::Ellipse(int x1, int y1, int x2, int y2)
{
    const TRect box = Normalized(x1, y1, x2, y2);
    if (box.Left == box.Right || box.Top == box.Bottom)
        return;
    if (!m_image) {
        Paint([&](QPainter& p) {
            p.setPen(QtPen());
            p.setBrush(QtBrush());
            p.drawEllipse(OutlineShapeOf(box));
        });
        return;
    }
    if (Pen.Style != TPenStyle::psClear && Pen.Width > 1)
        WideEllipse(box);
    else
        ThinEllipse(box);
}

namespace {

// Clamps a 64-bit column to just beyond the surface, where a pixel writer ignores it.
int ToSurface(std::int64_t x, const QRect& surface)
{
    return int(
        std::clamp<std::int64_t>(x, std::int64_t(surface.left()) - 1, std::int64_t(surface.right()) + 1));
}

} // namespace

void TCanvas::ThinEllipse(const TRect& box)
{
    const QRect surface = Surface();
    const EllipseRows rows(box.Left, box.Top, box.Right, box.Bottom);
    const PixelWriter pen = PenWriter();
    const PixelWriter brush = BrushWriter();
    const bool outlined = Pen.Style != TPenStyle::psClear, filled = Brush.Style != TBrushStyle::bsClear;
    const bool solid = DashRuns(Pen.Style).empty();
    const std::int64_t top = std::max<std::int64_t>(rows.Top(), surface.top());
    const std::int64_t bottom = std::min<std::int64_t>(rows.Bottom(), surface.bottom());
    for (std::int64_t y = top; y <= bottom; ++y) {
        if (!outlined) {
            std::int64_t x0 = 0, x1 = 0;
            rows.Row(y, x0, x1);
            if (filled)
                brush.Run(int(y), ToSurface(x0, surface), ToSurface(x1, surface));
            continue;
        }
        std::int64_t runs[2][2];
        rows.OutlineRuns(y, runs);
        if (filled && runs[1][0] <= runs[1][1])
            brush.Run(int(y), ToSurface(runs[0][1] + 1, surface), ToSurface(runs[1][0] - 1, surface));
        for (const auto& run : runs) {
            const int x0 = ToSurface(run[0], surface), x1 = ToSurface(run[1], surface);
            if (solid) {
                pen.Run(int(y), x0, x1);
                continue;
            }
            for (int x = x0; x <= x1; ++x)
                if (PatternDraws(Pen.Style, std::int64_t(rows.PositionAlong(x, int(y)))))
                    pen.Put(x, int(y));
        }
    }
}

// A wide outline is the ring between the ellipses of the box widened and narrowed as a
// rectangle's outline is, so it is centered on the one-pixel outline. Wide pens draw solid.
void TCanvas::WideEllipse(const TRect& box)
{
    const QRect surface = Surface();
    const std::int64_t out = Pen.Width / 2, in = Pen.Width - out;
    const EllipseRows outer(std::int64_t(box.Left) - out, std::int64_t(box.Top) - out,
                            std::int64_t(box.Right) + out, std::int64_t(box.Bottom) + out);
    const EllipseRows inner(std::int64_t(box.Left) + in, std::int64_t(box.Top) + in,
                            std::int64_t(box.Right) - in, std::int64_t(box.Bottom) - in);
    const PixelWriter pen = PenWriter();
    const PixelWriter brush = BrushWriter();
    const std::int64_t top = std::max<std::int64_t>(outer.Top(), surface.top());
    const std::int64_t bottom = std::min<std::int64_t>(outer.Bottom(), surface.bottom());
    for (std::int64_t y = top; y <= bottom; ++y) {
        std::int64_t x0 = 0, x1 = 0;
        outer.Row(y, x0, x1);
        if (inner.Empty() || y < inner.Top() || y > inner.Bottom()) {
            pen.Run(int(y), ToSurface(x0, surface), ToSurface(x1, surface));
            continue;
        }
        std::int64_t i0 = 0, i1 = 0;
        inner.Row(y, i0, i1);
        pen.Run(int(y), ToSurface(x0, surface), ToSurface(i0 - 1, surface));
        pen.Run(int(y), ToSurface(i1 + 1, surface), ToSurface(x1, surface));
        if (Brush.Style != TBrushStyle::bsClear)
            brush.Run(int(y), ToSurface(i0, surface), ToSurface(i1, surface));
    }
}

void TCanvas::Polygon(const QVector<QPoint>& points)
{
    if (points.isEmpty())
        return;
    if (!m_image) {
        Paint([&](QPainter& p) {
            p.setPen(QtPen());
            p.setBrush(QtBrush());
            p.drawPolygon(QPolygonF(QPolygon(points)));
        });
        return;
    }
    const bool outlined = Pen.Style != TPenStyle::psClear, filled = Brush.Style != TBrushStyle::bsClear;
    const bool widePen = outlined && Pen.Width > 1;
    // Copying: the fill goes straight onto the image and the outline over it.
    if (Pen.Mode == TPenMode::pmCopy) {
        const QRect surface = Surface();
        if (filled) {
            const PixelWriter brush = BrushWriter();
            ScanPolygon(points, surface, [&](int y, int x0, int x1) { brush.Run(y, x0, x1); });
        }
        const PixelWriter pen = PenWriter();
        if (widePen)
            StrokeClosedPath(points, surface, [&](int y, int x0, int x1) { pen.Run(y, x0, x1); });
        else if (outlined && DashRuns(Pen.Style).empty())
            for (qsizetype i = 0; i < points.size(); ++i)
                pen.Segment(points[i], points[(i + 1) % points.size()]);
        else if (outlined)
            TraceClosedPath(points, surface, [&](int x, int y) { pen.Put(x, y); });
        return;
    }
    // XOR: every pixel is written once, so the outline's pixels are left out of the fill.
    const QRect area = ReachOf(BoundsOf(points), widePen ? Pen.Width : 0, Surface());
    if (area.isEmpty())
        return;
    ShapeMask mask(area);
    if (widePen)
        StrokeClosedPath(points, area, [&](int y, int x0, int x1) { mask.MarkOutlineRun(y, x0, x1); });
    else if (outlined)
        TraceClosedPath(points, area, [&](int x, int y) { mask.MarkOutline(x, y); });
    if (filled)
        ScanPolygon(points, area, [&](int y, int x0, int x1) { mask.MarkFillRun(y, x0, x1); });
    Apply(mask);
}

void TCanvas::StrokeClosedPath(const QVector<QPoint>& corners, const QRect& clip,
                               const SpanVisitor& span) const
{
    for (qsizetype i = 0; i < corners.size(); ++i)
        ScanWideLine(corners[i], corners[(i + 1) % corners.size()], Pen.Width, clip, span);
}

void TCanvas::FillRect(const TRect& r)
{
    if (Brush.Style == TBrushStyle::bsClear)
        return;
    if (!m_image) {
        Paint([&](QPainter& p) {
            p.fillRect(QRectF(r.Left, r.Top, qreal(r.Right) - r.Left, qreal(r.Bottom) - r.Top), QtBrush());
        });
        return;
    }
    PixelWriter(*m_image, Brush.Color, false).Fill(ClipBox(r.Left, r.Top, r.Right, r.Bottom, Surface()));
}

TColor TCanvas::Pixel(int x, int y) const
{
    if (!m_image || !m_image->rect().contains(x, y))
        return kNoPixel;
    const QRgb rgb = m_image->pixel(x, y);
    return RGBColor(qRed(rgb), qGreen(rgb), qBlue(rgb));
}

void TCanvas::SetPixel(int x, int y, TColor c)
{
    if (m_image) {
        PixelWriter(*m_image, c, false).Put(x, y);
        return;
    }
    Paint([&](QPainter& p) {
        p.setPen(QPen(ToQColor(c), 1));
        p.drawPoint(x, y);
    });
}
