#pragma once
// TCanvas: the drawing surface every control paints on.
//
// It keeps pen, brush and font state and a pen position, and it follows the
// pixel rules the controls are written against:
//  - LineTo leaves out its end pixel, Polyline its final point; one-pixel solid
//    lines set exactly the Bresenham pixels;
//  - Rectangle and Ellipse exclude the right and bottom coordinate, outline in the
//    pen and fill with the brush unless the brush is clear; Polygon fills and outlines,
//    and its fill covers exactly what its outline encloses;
//  - a wide pen covers the pixels within half its width of the line, both ends
//    rounded alike; wide outlines of rectangles and ellipses are centered on the
//    one-pixel outline (an even width puts its extra pixel outside) and drawn solid;
//  - TextOut places the text's top-left corner and paints a background box in the
//    brush color when the brush is solid;
//  - the XOR pen mode inverts what is drawn twice;
//  - writes outside the surface are clipped.
// No antialiasing is used, for shapes or text; text on images comes in one-bit glyphs
// of their own (see monotext.h).
#include "platform/color.h"

#include <QPoint>
#include <QString>
#include <QVector>
#include <functional>
#include <memory>
#include <span>

class QImage;
class QPaintDevice;
class QPainter;
class QFont;
class QFontMetrics;
class QPen;
class QBrush;
class QRect;
class MonoFont;
class PixelWriter;
class ShapeMask;
class TBitmap;

namespace PlatformEnums {
enum TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear };
enum TPenMode { pmCopy, pmXor };
enum TBrushStyle { bsSolid, bsClear };

// Font styles as a set of flags.
enum TFontStyle : unsigned {
    fsBold = 1u << 0,
    fsItalic = 1u << 1,
    fsUnderline = 1u << 2,
    fsStrikeOut = 1u << 3,
};
} // namespace PlatformEnums
using PlatformEnums::TBrushStyle;
using PlatformEnums::TFontStyle;
using PlatformEnums::TPenMode;
using PlatformEnums::TPenStyle;
using TFontStyles = unsigned;

struct TPen {
    TColor Color = clBlack;
    int Width = 1;
    TPenStyle Style = TPenStyle::psSolid;
    TPenMode Mode = TPenMode::pmCopy;
};

struct TBrush {
    TColor Color = clWhite;
    TBrushStyle Style = TBrushStyle::bsSolid;
};

struct TFont {
    QString Name = QStringLiteral("Arial");
    int Height = 11; // character cell height in pixels
    TFontStyles Style = 0;
    TColor Color = clBlack;
    int PixelsPerInch = 96; // resolution used to convert between points and pixels

    // Size in points, derived from Height and PixelsPerInch.
    int Size() const;
    void SetSize(int points);
    // The Qt font this describes (no antialiasing).
    QFont ToQFont() const;
    // The canvas font a widget's Qt font describes (name, pixel height, style), in black.
    static TFont FromQFont(const QFont& font);
};

// A rectangle with exclusive right and bottom edges.
struct TRect {
    int Left = 0, Top = 0, Right = 0, Bottom = 0;
    int Width() const { return Right - Left; }
    int Height() const { return Bottom - Top; }
    bool operator==(const TRect&) const = default;
};
inline TRect Rect(int left, int top, int right, int bottom) { return {left, top, right, bottom}; }

class TCanvas {
public:
    // A canvas over an image in memory (RGB32); exact pixel semantics.
    explicit TCanvas(QImage* image);
    // A canvas over any paint device, e.g. a printer or a PDF writer; such a canvas
    // reports IsPrinter() when the device is a paged device.
    explicit TCanvas(QPaintDevice* device);
    TCanvas(const TCanvas&) = delete;
    TCanvas& operator=(const TCanvas&) = delete;
    ~TCanvas();

    TPen Pen;
    TBrush Brush;
    TFont Font;

    QPoint PenPos() const { return m_penPos; }
    void SetPenPos(QPoint p) { m_penPos = p; }

    void MoveTo(int x, int y);
    void LineTo(int x, int y);
    void Polyline(std::span<const QPoint> points);
    void Polyline(const QVector<QPoint>& points)
    {
        Polyline({points.constData(), std::size_t(points.size())});
    }
    void Polygon(const QVector<QPoint>& points);
    void Rectangle(int x1, int y1, int x2, int y2);
    void Rectangle(const TRect& r) { Rectangle(r.Left, r.Top, r.Right, r.Bottom); }
    void Ellipse(int x1, int y1, int x2, int y2);
    // Fills with the brush, no outline.
    void FillRect(const TRect& r);

    TColor Pixel(int x, int y) const; // 0xFFFFFFFF outside the surface
    void SetPixel(int x, int y, TColor c);

    void TextOut(int x, int y, const QString& s);
    // Writes s at (x, y), clipped to r; a solid brush first fills r.
    void TextRect(const TRect& r, int x, int y, const QString& s);
    int TextWidth(const QString& s) const;
    int TextHeight(const QString& s) const;

    void Draw(int x, int y, const TBitmap& bitmap);
    void StretchDraw(const TRect& r, const TBitmap& bitmap);

    bool IsPrinter() const { return m_isPrinter; }
    int PixelsPerInchX() const;
    int PixelsPerInchY() const;
    int Width() const;
    int Height() const;

private:
    friend class TBitmap;
    friend class TPixelStamp;
    void Rebind(QImage* image);
    QRect Surface() const;
    // Runs draw with a painter on the surface: the device's own painter, which lives
    // as long as the canvas, or a short-lived one on the image.
    void Paint(const std::function<void(QPainter&)>& draw);
    void DrawSegment(QPoint from, QPoint to);
    // A one-pixel pen's segment on the image, written by pen; returns its length in
    // pixels. The pen style's pattern starts at dashPhase.
    std::int64_t DrawThinSegment(const PixelWriter& pen, QPoint from, QPoint to, int dashPhase);
    void DrawWideSegment(QPoint from, QPoint to);
    void ExactRectangle(const TRect& box);
    void ThinEllipse(const TRect& box);
    void WideEllipse(const TRect& box);
    // Steps the one-pixel pen around the closed path through corners, calling put for
    // every pixel the pen style draws; a closed outline visits each pixel once.
    void TraceClosedPath(const QVector<QPoint>& corners, const QRect& clip,
                         const std::function<void(int x, int y)>& put) const;
    // The runs a wide pen covers around the closed path through corners.
    void StrokeClosedPath(const QVector<QPoint>& corners, const QRect& clip,
                          const std::function<void(int y, int x0, int x1)>& span) const;
    // Writes a shape's outline pixels in the pen color and its fill in the brush color.
    void Apply(const ShapeMask& mask);
    PixelWriter PenWriter() const;
    PixelWriter BrushWriter() const;
    void DrawText(QPainter& painter, int x, int y, const QString& s) const;
    // The one-bit font text on an image is written in; nullptr on other devices, or
    // when no font file can be found.
    const MonoFont* ImageFont() const;
    // Writes s in the font color, the pixels inside clip only.
    void WriteText(const MonoFont& font, const QRect& clip, int x, int y, const QString& s);
    QPen QtPen() const;
    QBrush QtBrush() const;
    QFontMetrics Metrics() const;

    QImage* m_image = nullptr;
    QPaintDevice* m_device = nullptr;
    std::unique_ptr<QPainter> m_devicePainter;
    bool m_isPrinter = false;
    QPoint m_penPos;
    int m_dashPhase = 0; // position in the dash pattern, restarted by MoveTo
};
