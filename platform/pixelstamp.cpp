#include "platform/pixelstamp.h"

#include <QImage>
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
    : m_pen(source.Pen), m_brush(source.Brush), m_reach(reach)
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
                return;   // neither set nor XOR-ed: not a drawing of this canvas
            if (!set && pixel.Value == 0)
                continue;
            if (!inReach)
                return;
            (set ? m_sets : m_xors).push_back(pixel);
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

bool TPixelStamp::Replay(TCanvas& canvas, int x, int y)
{
    QImage* image = canvas.m_image;
    if (!m_usable || !image)
        return false;
    if (std::int64_t(x) - m_reach < 0 || std::int64_t(y) - m_reach < 0
        || std::int64_t(x) + m_reach >= image->width() || std::int64_t(y) + m_reach >= image->height())
        return false;
    const std::ptrdiff_t rowLength = image->bytesPerLine() / std::ptrdiff_t(sizeof(QRgb));
    if (rowLength != m_rowLength)
        UseRowLength(rowLength);
    QRgb* center = reinterpret_cast<QRgb*>(image->bits()) + y * rowLength + x;
    for (const TStampPixel& pixel : m_sets)
        center[pixel.Offset] = pixel.Value;
    for (const TStampPixel& pixel : m_xors)
        center[pixel.Offset] ^= pixel.Value;
    canvas.Brush = m_brushAfter;
    if (m_penMoves) {
        canvas.m_penPos = QPoint(x, y) + m_penOffset;
        canvas.m_dashPhase = m_patternAfter;
    }
    return true;
}
