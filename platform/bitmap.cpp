#include "platform/bitmap.h"

#include <QFileInfo>
#include <QPainter>
#include <algorithm>

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
            return;   // not enough memory: keep the picture as it is
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
