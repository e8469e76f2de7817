// Pen, brush and shapes on a canvas, with exact pixels on images.
#include "platform/canvas.h"

#include "platform/rasterize.h"
#include "platform/rounding.h"

#include <QImage>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <algorithm>
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
    case psDash: return kDashRuns;
    case psDot: return kDotRuns;
    case psDashDot: return kDashDotRuns;
    case psDashDotDot: return kDashDotDotRuns;
    default: return {};
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
    int position = int(index % period);
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

// Writes one colour into an RGB32 image, copying it or XOR-ing it into what is there.
class PixelWriter {
public:
    PixelWriter(QImage& image, TColor color, TPenMode mode)
        : m_image(image)
        , m_mode(mode)
        // One detach up front; scanLine() per pixel would check for sharing every time.
        , m_bits(image.bits())
        , m_stride(image.bytesPerLine())
        , m_width(image.width())
        , m_height(image.height())
    {
        const TColor plain = ResolveColor(color);
        m_rgb = qRgb(RedOf(plain), GreenOf(plain), BlueOf(plain));
    }

    void Put(int x, int y) const
    {
        if (x < 0 || y < 0 || x >= m_width || y >= m_height)
            return;
        QRgb& pixel = reinterpret_cast<QRgb*>(m_bits + std::ptrdiff_t(y) * m_stride)[x];
        pixel = m_mode == pmXor ? pixel ^ (m_rgb & RGB_MASK) : m_rgb;
    }

    void Fill(const QRect& area) const
    {
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                Put(x, y);
    }

private:
    QImage& m_image;
    TPenMode m_mode;
    QRgb m_rgb = 0;
    uchar* m_bits;
    qsizetype m_stride;
    int m_width;
    int m_height;
};

struct Bounds {
    std::int64_t left, top, right, bottom;   // inclusive
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

// The path Qt strokes for a box: through the centres of its outermost pixels.
QRectF OutlineShapeOf(const TRect& box)
{
    return QRectF(box.Left, box.Top, qreal(box.Right) - box.Left - 1, qreal(box.Bottom) - box.Top - 1);
}

Qt::PenStyle QtStyleOf(TPenStyle style)
{
    switch (style) {
    case psDash: return Qt::DashLine;
    case psDot: return Qt::DotLine;
    case psDashDot: return Qt::DashDotLine;
    case psDashDotDot: return Qt::DashDotDotLine;
    case psClear: return Qt::NoPen;
    default: return Qt::SolidLine;
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

int TCanvas::Width() const
{
    return Surface().width();
}

int TCanvas::Height() const
{
    return Surface().height();
}

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
    QPen pen(ToQColor(Pen.Color), std::max(1, Pen.Width), QtStyleOf(Pen.Style), Qt::RoundCap,
             Qt::RoundJoin);
    const std::span<const int> runs = DashRuns(Pen.Style);
    if (Pen.Width <= 1 && !runs.empty())
        pen.setDashPattern(QList<qreal>(runs.begin(), runs.end()));
    return pen;
}

QBrush TCanvas::QtBrush() const
{
    return Brush.Style == bsClear ? QBrush(Qt::NoBrush) : QBrush(ToQColor(Brush.Color));
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

void TCanvas::Polyline(const QVector<QPoint>& points)
{
    const int phase = m_dashPhase;
    m_dashPhase = 0;
    for (qsizetype i = 1; i < points.size(); ++i)
        DrawSegment(points[i - 1], points[i]);
    m_dashPhase = phase;
}

void TCanvas::DrawSegment(QPoint from, QPoint to)
{
    if (Pen.Style == psClear)
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
    const PixelWriter pen(*m_image, Pen.Color, Pen.Mode);
    const std::int64_t length = RasterizeLine(from, to, Surface(), [&](int x, int y, std::int64_t i) {
        if (PatternDraws(Pen.Style, m_dashPhase + i))
            pen.Put(x, y);
    });
    m_dashPhase = AdvancePattern(m_dashPhase, length);
}

void TCanvas::DrawWideSegment(QPoint from, QPoint to)
{
    const QRect area = ReachOf(BoundsOf({from, to}), Pen.Width, Surface());
    if (area.isEmpty())
        return;
    ShapeMask mask(area);
    mask.PaintOutline(QtPen(), [&](QPainter& p) { p.drawLine(QPointF(from), QPointF(to)); });
    Apply(mask);
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
    const PixelWriter pen(*m_image, Pen.Color, Pen.Mode);
    const PixelWriter brush(*m_image, Brush.Color, Pen.Mode);
    const QRect& area = mask.Area();
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            switch (mask.At(x, y)) {
            case MaskPart::Outline: pen.Put(x, y); break;
            case MaskPart::Fill: brush.Put(x, y); break;
            case MaskPart::None: break;
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

void TCanvas::ExactRectangle(const TRect& box)
{
    const QRect surface = Surface();
    const PixelWriter pen(*m_image, Pen.Color, Pen.Mode);
    const PixelWriter brush(*m_image, Brush.Color, Pen.Mode);
    const std::int64_t l = box.Left, t = box.Top, r = box.Right, b = box.Bottom;
    if (Pen.Style == psClear) {
        if (Brush.Style != bsClear)
            brush.Fill(ClipBox(l, t, r, b, surface));
        return;
    }
    const std::int64_t w = std::max(1, Pen.Width);
    // A box too small to have an inside is all outline.
    if (r - l <= 2 * w || b - t <= 2 * w) {
        pen.Fill(ClipBox(l, t, r, b, surface));
        return;
    }
    if (Brush.Style != bsClear)
        brush.Fill(ClipBox(l + w, t + w, r - w, b - w, surface));
    if (w == 1 && Pen.Style != psSolid) {
        const QVector<QPoint> corners = {
            {box.Left, box.Top}, {box.Right - 1, box.Top}, {box.Right - 1, box.Bottom - 1}, {box.Left, box.Bottom - 1}};
        TraceClosedPath(corners, surface, [&](int x, int y) { pen.Put(x, y); });
        return;
    }
    for (const QRect& band : {ClipBox(l, t, r, t + w, surface), ClipBox(l, b - w, r, b, surface),
                              ClipBox(l, t + w, l + w, b - w, surface), ClipBox(r - w, t + w, r, b - w, surface)})
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
    // An ellipse one pixel wide or high is the box itself.
    if (std::int64_t(box.Right) - box.Left == 1 || std::int64_t(box.Bottom) - box.Top == 1) {
        ExactRectangle(box);
        return;
    }
    const QRect area = ClipBox(box.Left, box.Top, box.Right, box.Bottom, Surface());
    if (area.isEmpty())
        return;
    ShapeMask mask(area);
    if (Pen.Style == psClear || Pen.Width <= 1)
        MaskThinEllipse(mask, box);
    else
        MaskWideEllipse(mask, box);
    Apply(mask);
}

void TCanvas::MaskThinEllipse(ShapeMask& mask, const TRect& box) const
{
    const QRectF path = OutlineShapeOf(box);
    if (Brush.Style != bsClear)
        mask.PaintFill([&](QPainter& p) { p.drawEllipse(path); });
    if (Pen.Style != psClear)
        mask.PaintOutline(QtPen(), [&](QPainter& p) { p.drawEllipse(path); });
}

// A wide pen is a ring between the box's ellipse and one inset by the pen width, so
// the outline is as thick as the pen and stays inside the box.
void TCanvas::MaskWideEllipse(ShapeMask& mask, const TRect& box) const
{
    const qreal w = Pen.Width;
    const QRectF outer(box.Left, box.Top, qreal(box.Right) - box.Left, qreal(box.Bottom) - box.Top);
    const QRectF inner = outer.adjusted(w, w, -w, -w);
    QPainterPath shape;
    shape.addEllipse(outer);
    if (Brush.Style != bsClear)
        mask.PaintFill([&](QPainter& p) { p.drawPath(shape); });
    QPainterPath ring = shape;
    if (inner.width() > 0 && inner.height() > 0)
        ring.addEllipse(inner);
    mask.FillOutline([&](QPainter& p) { p.drawPath(ring); });
}

void TCanvas::Polygon(const QVector<QPoint>& points)
{
    if (points.isEmpty())
        return;
    const QPolygonF shape = QPolygonF(QPolygon(points));
    if (!m_image) {
        Paint([&](QPainter& p) {
            p.setPen(QtPen());
            p.setBrush(QtBrush());
            p.drawPolygon(shape);
        });
        return;
    }
    const bool widePen = Pen.Style != psClear && Pen.Width > 1;
    const QRect area = ReachOf(BoundsOf(points), widePen ? Pen.Width : 0, Surface());
    if (area.isEmpty())
        return;
    // Copying with a thin pen: fill straight onto the image, then trace the outline
    // over it; the same pixels as the mask below, without building a mask.
    if (!widePen && Pen.Mode == pmCopy) {
        if (Brush.Style != bsClear) {
            QPainter p(m_image);
            p.setPen(Qt::NoPen);
            p.setBrush(QtBrush());
            p.drawPolygon(shape);
        }
        if (Pen.Style != psClear) {
            const PixelWriter pen(*m_image, Pen.Color, Pen.Mode);
            TraceClosedPath(points, area, [&](int x, int y) { pen.Put(x, y); });
        }
        return;
    }
    ShapeMask mask(area);
    if (Brush.Style != bsClear)
        mask.PaintFill([&](QPainter& p) { p.drawPolygon(shape); });
    if (widePen)
        mask.PaintOutline(QtPen(), [&](QPainter& p) { p.drawPolygon(shape); });
    else if (Pen.Style != psClear)
        TraceClosedPath(points, area, [&](int x, int y) { mask.MarkOutline(x, y); });
    Apply(mask);
}

void TCanvas::FillRect(const TRect& r)
{
    if (Brush.Style == bsClear)
        return;
    if (!m_image) {
        Paint([&](QPainter& p) { p.fillRect(QRectF(r.Left, r.Top, qreal(r.Right) - r.Left, qreal(r.Bottom) - r.Top), QtBrush()); });
        return;
    }
    PixelWriter(*m_image, Brush.Color, pmCopy).Fill(ClipBox(r.Left, r.Top, r.Right, r.Bottom, Surface()));
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
        PixelWriter(*m_image, c, pmCopy).Put(x, y);
        return;
    }
    Paint([&](QPainter& p) {
        p.setPen(QPen(ToQColor(c), 1));
        p.drawPoint(x, y);
    });
}
