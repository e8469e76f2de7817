#include "platform/pixelstamp.h"

#include <QImage>
#include <algorithm>
#include <array>
#include <limits>

namespace {

// Pixels around the reach that must stay untouched for the recording to be whole.
constexpr int kMargin = 1;
// Where the scratch canvas's pen starts: no drawing within its reach goes there, so a
// pen found elsewhere afterwards was moved by the drawing.
const QPoint kPenNowhere(std::numeric_limits<int>::min(), std::numeric_limits<int>::min());
constexpr QRgb kDark = 0xFF000000u;
constexpr QRgb kLight = 0xFFFFFFFFu;

} // namespace

TPixelStamp::TPixelStamp(const TCanvas& source, int reach, const TDrawing& draw)
    : m_pen(source.Pen)
    , m_brush(source.Brush)
{
    if (!source.m_image || reach < 0)
        return;
    const int side = 2 * (reach + kMargin) + 1;
    const int center = reach + kMargin;
    // Drawn on black and on white: a pixel the drawing sets ends alike on both, one it
    // XORs differs by the same mask from each background, the others keep them.
    QImage dark(side, side, QImage::Format_RGB32), light(side, side, QImage::Format_RGB32);
    dark.fill(kDark);
    light.fill(kLight);
    for (QImage* image : {&dark, &light}) {
        TCanvas canvas(image);
        canvas.Pen = source.Pen;
        canvas.Brush = source.Brush;
        canvas.Font = source.Font;
        canvas.m_penPos = kPenNowhere;
        draw(canvas, center, center);
        m_brushAfter = canvas.Brush;
        m_penMoves = canvas.m_penPos != kPenNowhere;
        if (m_penMoves)
            m_penOffset = canvas.m_penPos - QPoint(center, center);
        m_patternAfter = canvas.m_dashPhase;
    }
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x) {
            const QRgb onDark = dark.pixel(x, y), onLight = light.pixel(x, y);
            const bool inReach = x >= kMargin && y >= kMargin && x < side - kMargin && y < side - kMargin;
            const bool set = onDark == onLight;
            const TStampPixel pixel{x - center, y - center, set ? onDark : onDark ^ kDark, 0};
            if (!set && pixel.Value != (onLight ^ kLight))
                return; // neither set nor XOR-ed: not a drawing of this canvas
            if (!set && pixel.Value == 0)
                continue;
            if (!inReach)
                return;
            (set ? m_sets : m_xors).push_back(pixel);
            m_left = std::min(m_left, pixel.Dx);
            m_top = std::min(m_top, pixel.Dy);
            m_right = std::max(m_right, pixel.Dx);
            m_bottom = std::max(m_bottom, pixel.Dy);
        }
    }
    m_usable = true;
}

void TPixelStamp::UseRowLength(std::ptrdiff_t pixels)
{
    m_rowLength = pixels;
    for (auto* list : {&m_sets, &m_xors})
        for (TStampPixel& pixel : *list)
            pixel.Offset = pixel.Dy * pixels + pixel.Dx;
    m_plainOffsets.clear();
    const bool plain = m_xors.empty() && !m_sets.empty()
        && std::all_of(m_sets.begin(), m_sets.end(),
                       [&](const TStampPixel& pixel) { return pixel.Value == m_sets.front().Value; });
    if (plain)
        for (const TStampPixel& pixel : m_sets)
            m_plainOffsets.push_back(pixel.Offset);
}

// Sets the stamp's one color at each center in turn, while the centers lie where the
// stamp fits: the order does not matter and a center met again changes nothing, so it
// is skipped when a small table of the centers met so far still holds it. Returns how
// many centers were done.
std::size_t TPixelStamp::ReplayPlain(QRgb* bits, std::ptrdiff_t rowLength, const TFit& fits,
                                     std::span<const QPoint> centers) const
{
    constexpr std::size_t kTableSize = 1024;
    constexpr std::uint64_t kNone = ~std::uint64_t(0); // centers that fit are never negative
    std::array<std::uint64_t, kTableSize> met;
    met.fill(kNone);
    const QRgb value = m_sets.front().Value;
    std::size_t done = 0;
    for (const QPoint c : centers) {
        if (!fits.Holds(c))
            break;
        ++done;
        const std::uint64_t key = std::uint64_t(std::uint32_t(c.x())) << 32 | std::uint32_t(c.y());
        std::uint64_t& slot =
            met[(std::uint32_t(c.x()) * 0x9E3779B1u ^ std::uint32_t(c.y()) * 0x85EBCA77u) >> 22];
        if (slot == key)
            continue;
        slot = key;
        QRgb* const center = bits + c.y() * rowLength + c.x();
        for (const std::ptrdiff_t offset : m_plainOffsets)
            center[offset] = value;
    }
    return done;
}

// Writes the stamp at each center in turn while the centers fit, only the first one
// unless the stamp is repeatable. Returns how many were done.
std::size_t TPixelStamp::ReplayEach(QRgb* bits, std::ptrdiff_t rowLength, const TFit& fits, bool repeatable,
                                    std::span<const QPoint> centers) const
{
    std::size_t done = 0;
    for (const QPoint c : centers) {
        if (!fits.Holds(c))
            break;
        QRgb* const center = bits + c.y() * rowLength + c.x();
        for (const TStampPixel& pixel : m_sets)
            center[pixel.Offset] = pixel.Value;
        for (const TStampPixel& pixel : m_xors)
            center[pixel.Offset] ^= pixel.Value;
        ++done;
        if (!repeatable)
            break;
    }
    return done;
}

std::size_t TPixelStamp::Replay(TCanvas& canvas, std::span<const QPoint> centers)
{
    QImage* image = canvas.m_image;
    if (!m_usable || !image || centers.empty() || !RecordedWith(canvas))
        return 0;
    // The centers whose box lies on the image.
    const int left = -m_left, top = -m_top;
    const int right = image->width() - m_right, bottom = image->height() - m_bottom;
    const std::ptrdiff_t rowLength = image->bytesPerLine() / std::ptrdiff_t(sizeof(QRgb));
    if (rowLength != m_rowLength)
        UseRowLength(rowLength);
    QRgb* const bits = reinterpret_cast<QRgb*>(image->bits());
    // A drawing that changes the brush it was recorded with is replayed once at a time.
    const bool repeatable = m_brushAfter.Color == m_brush.Color && m_brushAfter.Style == m_brush.Style;
    const TFit fits{left, top, right, bottom};
    std::size_t done = 0;
    if (repeatable && !m_plainOffsets.empty())
        done = ReplayPlain(bits, rowLength, fits, centers);
    else
        done = ReplayEach(bits, rowLength, fits, repeatable, centers);
    if (done > 0) {
        canvas.Brush = m_brushAfter;
        if (m_penMoves) {
            canvas.m_penPos = centers[done - 1] + m_penOffset;
            canvas.m_dashPhase = m_patternAfter;
        }
    }
    return done;
}
