#include "platform/bitmap.h"

#include <QFileInfo>
#include <QList>
#include <QPainter>
#include <algorithm>
#include <cstring>
#include <vector>

namespace {

// Bitmaps report screen resolution until someone says otherwise: 96 dots per inch.
constexpr int kScreenDotsPerMeter = 3780;

QImage BlankImage(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    if (image.isNull())
        return image;
    image.fill(Qt::white);
    image.setDotsPerMeterX(kScreenDotsPerMeter);
    image.setDotsPerMeterY(kScreenDotsPerMeter);
    return image;
}

} // namespace

TBitmap::TBitmap()
    : m_canvas(std::make_unique<TCanvas>(&m_image))
{
}

TBitmap::TBitmap(int width, int height)
    : TBitmap()
{
    SetSize(width, height);
}

TBitmap::~TBitmap() = default;

void TBitmap::SetSize(int width, int height)
{
    width = std::max(width, 0);
    height = std::max(height, 0);
    if (width == Width() && height == Height())
        return;
    QImage resized;
    if (width > 0 && height > 0) {
        resized = BlankImage(width, height);
        if (resized.isNull())
            return; // not enough memory: keep the picture as it is
        if (!m_image.isNull()) {
            QPainter painter(&resized);
            painter.drawImage(0, 0, m_image);
        }
    }
    m_image = resized;
    m_canvas->Rebind(&m_image);
}

void TBitmap::Assign(const TBitmap& other)
{
    if (&other == this)
        return;
    m_image = other.m_image;
    m_canvas->Rebind(&m_image);
}

bool TBitmap::LoadFromFile(const QString& fileName)
{
    QImage loaded;
    if (!loaded.load(fileName) || loaded.isNull())
        return false;
    m_image = loaded.convertToFormat(QImage::Format_RGB32);
    m_canvas->Rebind(&m_image);
    return true;
}

bool TBitmap::SaveToFile(const QString& fileName) const
{
    if (m_image.isNull())
        return false;
    // A name without an extension is written as a BMP file.
    const char* format = QFileInfo(fileName).suffix().isEmpty() ? "BMP" : nullptr;
    return m_image.save(fileName, format);
}

QRegion ChangedRegion(const TBitmap& target, QPoint at, const TBitmap& source)
{
    // Tiles of 8 × 8 pixels: a line's pixels in a few rectangles, each quick to bring
    // to the screen, instead of one per run of pixels.
    constexpr int Tile = 8;
    const QRect area = QRect(at, source.Image().size()).intersected(target.Image().rect());
    const int width = area.width();
    const int tilesAcross = (width + Tile - 1) / Tile;
    // The bits that differ in each column of the band.
    std::vector<QRgb> differences(width);
    auto tileChanged = [&](int t) {
        const auto first = differences.begin() + t * Tile;
        return std::any_of(first, first + std::min(Tile, width - t * Tile),
                           [](QRgb bits) { return bits != 0; });
    };
    // Rectangles of one band share their top and height, the bands go down and the
    // rectangles of a band to the right: the order a region is built from at once.
    QList<QRect> rects;
    for (int top = area.top(); top <= area.bottom(); top += Tile) {
        const int bandHeight = std::min(Tile, area.bottom() + 1 - top);
        std::fill(differences.begin(), differences.end(), 0);
        bool bandChanged = false;
        for (int y = top; y < top + bandHeight; ++y) {
            const QRgb* before = reinterpret_cast<const QRgb*>(target.Image().constScanLine(y)) + area.left();
            const QRgb* after = reinterpret_cast<const QRgb*>(source.Image().constScanLine(y - at.y()))
                + (area.left() - at.x());
            if (std::memcmp(before, after, width * sizeof(QRgb)) == 0)
                continue;
            bandChanged = true;
            for (int x = 0; x < width; ++x)
                differences[x] |= before[x] ^ after[x];
        }
        for (int t = 0; bandChanged && t < tilesAcross;) {
            if (!tileChanged(t)) {
                ++t;
                continue;
            }
            const int first = t;
            while (t < tilesAcross && tileChanged(t))
                ++t;
            const int left = area.left() + first * Tile;
            const int right = std::min(area.left() + t * Tile, area.right() + 1);
            rects.append(QRect(left, top, right - left, bandHeight));
        }
    }
    QRegion region;
    region.setRects(rects.constData(), int(rects.size()));
    return region;
}
