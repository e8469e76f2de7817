#pragma once
// TPixelStamp: what a small drawing does to the pixels around a point, recorded once
// on a scratch image and replayed at other points.
//
// On an image canvas a drawing depends only on positions relative to its point (as
// long as it starts its lines with MoveTo), so replaying it where it lies wholly on
// the surface sets the same pixels, and leaves the same pen and brush, as drawing it
// there. Scatter plots draw the same mark thousands of times; the replay is a handful
// of stores.
#include "platform/canvas.h"

#include <QPoint>
#include <QRgb>
#include <cstdint>
#include <functional>
#include <span>
#include <vector>

class TPixelStamp {
public:
    using TDrawing = std::function<void(TCanvas& canvas, int x, int y)>;

    // Records draw(canvas, x, y) with source's pen and brush on an image canvas, with
    // room for a drawing that stays within reach pixels of (x, y). Only drawings on
    // image canvases that stay within reach are recorded; other stamps replay nothing.
    TPixelStamp(const TCanvas& source, int reach, const TDrawing& draw);

    // Whether canvas has the pen and brush the stamp was recorded with.
    bool RecordedWith(const TCanvas& canvas) const
    {
        return canvas.Pen.Color == m_pen.Color && canvas.Pen.Width == m_pen.Width
            && canvas.Pen.Style == m_pen.Style && canvas.Pen.Mode == m_pen.Mode
            && canvas.Brush.Color == m_brush.Color && canvas.Brush.Style == m_brush.Style;
    }
    // Replays the drawing at each of centers in turn, while the pixels it sets lie
    // wholly on canvas's image and canvas keeps the pen and brush it was recorded with: writes
    // its pixels and leaves the pen and brush as it did. Returns how many centers were
    // replayed; the rest are left undone.
    std::size_t Replay(TCanvas& canvas, std::span<const QPoint> centers);

private:
    struct TStampPixel {
        int Dx, Dy;
        // The color written, or what the pixel is XOR-ed with.
        std::uint32_t Value;
        // Where the pixel lies from the center in the image last replayed on.
        std::ptrdiff_t Offset;
    };
    // Works out the pixels' offsets for images with rows this long.
    void UseRowLength(std::ptrdiff_t pixels);
    // The centers at which the stamp lies on the image: left <= x < right, top <= y < bottom.
    struct TFit {
        int Left, Top, Right, Bottom;
        bool Holds(QPoint c) const
        {
            return c.x() >= Left && c.y() >= Top && c.x() < Right && c.y() < Bottom;
        }
    };
    std::size_t ReplayEach(QRgb* bits, std::ptrdiff_t rowLength, const TFit& fits, bool repeatable,
                           std::span<const QPoint> centers) const;
    std::size_t ReplayPlain(QRgb* bits, std::ptrdiff_t rowLength, const TFit& fits,
                            std::span<const QPoint> centers) const;

    TPen m_pen;
    TBrush m_brush;
    bool m_usable = false;
    // The box around the center that holds every pixel the drawing touches.
    int m_left = 0, m_top = 0, m_right = 0, m_bottom = 0;
    std::vector<TStampPixel> m_sets;
    std::vector<TStampPixel> m_xors;
    std::ptrdiff_t m_rowLength = 0;
    // The offsets of a drawing that only sets pixels, all to one color; else empty.
    std::vector<std::ptrdiff_t> m_plainOffsets;
    // The canvas state the drawing leaves.
    TBrush m_brushAfter;
    bool m_penMoves = false;
    QPoint m_penOffset; // from the drawing's point, when it moves the pen
    int m_patternAfter = 0;
};
