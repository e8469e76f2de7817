#pragma once
// TBitmap: an off-screen RGB image with its own canvas.
#include "platform/canvas.h"

#include <QImage>
#include <QRegion>
#include <memory>

class TBitmap {
public:
    TBitmap();
    TBitmap(int width, int height);
    TBitmap(const TBitmap&) = delete;
    TBitmap& operator=(const TBitmap&) = delete;
    ~TBitmap();

    int Width() const { return m_image.width(); }
    int Height() const { return m_image.height(); }
    bool Empty() const { return m_image.isNull(); }
    // Changing the size keeps the top-left content; new area is white.
    void SetSize(int width, int height);
    void SetWidth(int width) { SetSize(width, Height()); }
    void SetHeight(int height) { SetSize(Width(), height); }

    TCanvas& Canvas() { return *m_canvas; }
    const QImage& Image() const { return m_image; }
    // Row y's pixels (0 ≤ y < Height()) for writers that fill the whole picture
    // themselves; the canvas sees what they write.
    QRgb* ScanLine(int y) { return reinterpret_cast<QRgb*>(m_image.scanLine(y)); }

    // Copies size and pixels of another bitmap (the canvas state stays).
    void Assign(const TBitmap& other);
    // Loads an image file; on failure the bitmap is left unchanged and false returned.
    bool LoadFromFile(const QString& fileName);
    bool SaveToFile(const QString& fileName) const;

private:
    QImage m_image;
    std::unique_ptr<TCanvas> m_canvas;
};

// The pixels of target that drawing source at `at` would change, in tiles of 8 × 8:
// what a control has to bring to the screen after such a drawing.
QRegion ChangedRegion(const TBitmap& target, QPoint at, const TBitmap& source);
