// Text and pictures on a canvas, and the font they are written in.
#include "platform/canvas.h"

#include "platform/bitmap.h"
#include "platform/monotext.h"
#include "platform/rasterize.h"
#include "platform/rounding.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <cstdlib>

namespace {

constexpr int kScreenPixelsPerInch = 96;
constexpr int kPointsPerInch = 72;

int ValidPixelsPerInch(int ppi) { return ppi > 0 ? ppi : kScreenPixelsPerInch; }

} // namespace

int TFont::Size() const { return Round(double(Height) * kPointsPerInch / ValidPixelsPerInch(PixelsPerInch)); }

void TFont::SetSize(int points)
{
    Height = Round(double(points) * ValidPixelsPerInch(PixelsPerInch) / kPointsPerInch);
}

QFont TFont::ToQFont() const
{
    QFont font(Name);
    font.setPixelSize(std::max(1, std::abs(Height)));
    font.setBold((Style & TFontStyle::fsBold) != 0);
    font.setItalic((Style & TFontStyle::fsItalic) != 0);
    font.setUnderline((Style & TFontStyle::fsUnderline) != 0);
    font.setStrikeOut((Style & TFontStyle::fsStrikeOut) != 0);
    font.setStyleStrategy(QFont::NoAntialias);
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

TFont TFont::FromQFont(const QFont& font)
{
    TFont result;
    result.Name = font.family();
    result.Height =
        font.pixelSize() > 0 ? font.pixelSize() : Round(font.pointSizeF() * result.PixelsPerInch / 72.0);
    result.Style = (font.bold() ? TFontStyle::fsBold : 0u) | (font.italic() ? TFontStyle::fsItalic : 0u)
        | (font.underline() ? TFontStyle::fsUnderline : 0u)
        | (font.strikeOut() ? TFontStyle::fsStrikeOut : 0u);
    return result;
}

QFontMetrics TCanvas::Metrics() const
{
    const QFont font = Font.ToQFont();
    return m_image || !m_device ? QFontMetrics(font) : QFontMetrics(font, m_device);
}

const MonoFont* TCanvas::ImageFont() const { return m_image ? MonoFont::Find(Font) : nullptr; }

int TCanvas::TextWidth(const QString& s) const
{
    if (const MonoFont* font = ImageFont())
        return font->Width(s);
    return Metrics().horizontalAdvance(s);
}

int TCanvas::TextHeight(const QString&) const { return Metrics().height(); }

void TCanvas::DrawText(QPainter& painter, int x, int y, const QString& s) const
{
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    painter.setFont(Font.ToQFont());
    painter.setPen(ToQColor(Font.Color));
    painter.drawText(QPointF(x, qreal(y) + painter.fontMetrics().ascent()), s);
}

void TCanvas::WriteText(const MonoFont& font, const QRect& clip, int x, int y, const QString& s)
{
    const PixelWriter ink(*m_image, Font.Color, false);
    const QFontMetrics metrics = Metrics();
    const int baseline = y + metrics.ascent();
    font.Draw(s, x, baseline, [&](int px, int py) {
        if (clip.contains(px, py))
            ink.Put(px, py);
    });
    const auto line = [&](int top) {
        const QRect bar =
            ClipBox(x, top, std::int64_t(x) + font.Width(s), std::int64_t(top) + metrics.lineWidth(), clip);
        ink.Fill(bar);
    };
    if (Font.Style & TFontStyle::fsUnderline)
        line(baseline + metrics.underlinePos());
    if (Font.Style & TFontStyle::fsStrikeOut)
        line(baseline - metrics.strikeOutPos());
}

void TCanvas::TextOut(int x, int y, const QString& s)
{
    const QRect box =
        ClipBox(x, y, std::int64_t(x) + TextWidth(s), std::int64_t(y) + TextHeight(s), Surface());
    if (box.isEmpty())
        return;
    if (const MonoFont* font = ImageFont()) {
        if (Brush.Style != TBrushStyle::bsClear)
            PixelWriter(*m_image, Brush.Color, false).Fill(box);
        WriteText(*font, Surface(), x, y, s);
        return;
    }
    Paint([&](QPainter& p) {
        if (Brush.Style != TBrushStyle::bsClear)
            p.fillRect(box, QtBrush());
        DrawText(p, x, y, s);
    });
}

void TCanvas::TextRect(const TRect& r, int x, int y, const QString& s)
{
    const QRect clip = ClipBox(r.Left, r.Top, r.Right, r.Bottom, Surface());
    if (clip.isEmpty())
        return;
    const bool textVisible =
        !ClipBox(x, y, std::int64_t(x) + TextWidth(s), std::int64_t(y) + TextHeight(s), clip).isEmpty();
    if (const MonoFont* font = ImageFont()) {
        if (Brush.Style != TBrushStyle::bsClear)
            PixelWriter(*m_image, Brush.Color, false).Fill(clip);
        if (textVisible)
            WriteText(*font, clip, x, y, s);
        return;
    }
    Paint([&](QPainter& p) {
        p.setClipRect(clip);
        if (Brush.Style != TBrushStyle::bsClear)
            p.fillRect(clip, QtBrush());
        if (textVisible)
            DrawText(p, x, y, s);
    });
}

void TCanvas::Draw(int x, int y, const TBitmap& bitmap)
{
    if (bitmap.Empty())
        return;
    const QRect visible =
        ClipBox(x, y, std::int64_t(x) + bitmap.Width(), std::int64_t(y) + bitmap.Height(), Surface());
    if (visible.isEmpty())
        return;
    // A shared copy: a bitmap drawn onto its own canvas is read as it was before.
    const QImage source = bitmap.Image();
    Paint([&](QPainter& p) { p.drawImage(QPoint(x, y), source); });
}

void TCanvas::StretchDraw(const TRect& r, const TBitmap& bitmap)
{
    if (bitmap.Empty() || r.Right <= r.Left || r.Bottom <= r.Top)
        return;
    if (ClipBox(r.Left, r.Top, r.Right, r.Bottom, Surface()).isEmpty())
        return;
    const QImage source = bitmap.Image();
    Paint([&](QPainter& p) {
        p.drawImage(QRectF(r.Left, r.Top, qreal(r.Right) - r.Left, qreal(r.Bottom) - r.Top), source);
    });
}
