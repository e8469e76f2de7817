#include "platform/pixelstamp.h"

#include <QImage>
#include <algorithm>
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
    std::size_t done = 0;
    for (const QPoint c : centers) {
        if (c.x() < left || c.y() < top || c.x() >= right || c.y() >= bottom)
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
    if (done > 0) {
        canvas.Brush = m_brushAfter;
        if (m_penMoves) {
            canvas.m_penPos = centers[done - 1] + m_penOffset;
            canvas.m_dashPhase = m_patternAfter;
        }
    }
    return done;
}
