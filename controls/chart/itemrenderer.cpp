#include "controls/chart/itemrenderer.h"

#include "platform/rounding.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <utility>

namespace {

// Offsets computed from item sizes stay within the range of placed pixels, so that
// adding them to a pixel cannot overflow.
constexpr int kPixelLimit = 30000;
constexpr double kHeadHalfAngle = 20 * std::numbers::pi / 180;
// Character marks start at this code; below it they are figures.
constexpr std::uint8_t kFirstCharacterMark = 48;
// Marks collected before they are drawn together.
constexpr std::size_t kMarksPerBatch = 256;

int LimitedOffset(double pixels)
{
    return Round(std::clamp(pixels, double(-kPixelLimit), double(kPixelLimit)));
}

bool HasFiniteCoordinates(const TItemRecord& item)
{
    return std::isfinite(item.X) && std::isfinite(item.Y) && std::isfinite(item.X2) && std::isfinite(item.Y2);
}

// Items that place the pen for the line-to items after them.
bool IsLinePoint(std::uint8_t kind)
{
    return kind == ikLineTo || kind == ikMoveTo || kind == ikRelMoveTo;
}

// Moves the right (bottom) corner one pixel further, so that a shape whose right and
// bottom edges are left out covers both corner pixels. Of equal coordinates the
// second one moves.
void CoverBothCorners(QPoint& a, QPoint& b)
{
    (a.x() > b.x() ? a.rx() : b.rx()) += 1;
    (a.y() > b.y() ? a.ry() : b.ry()) += 1;
}

} // namespace

TItemRenderer::TItemRenderer(const TRenderScene& scene, TCanvas& canvas, const TRenderOptions& options)
    : m_scene(scene)
    , m_canvas(canvas)
    , m_placer(scene, options)
    , m_monochrome(options.Monochrome)
    , m_attributes(canvas, scene.ChartColor, psSolid, scene.LineWidth, scene.ChartColor, canvas.Font.Color)
    , m_batch(QPoint(options.OffsetX, options.OffsetY))
{
    m_marks.reserve(kMarksPerBatch);
    m_canvas.MoveTo(options.OffsetX, options.OffsetY);
}

TColor TItemRenderer::FillColorOf(const TPlottaItem& item) const
{
    return m_monochrome ? clSilver : item.FillColor;
}

void TItemRenderer::DrawItems()
{
    m_scene.Items.ForEachRecord([this](const TItemRecord& record) {
        if (!m_scene.Visibility.Shows(record.ItemClass, record.Layer))
            return;
        if (record.LineWidth != m_attributes.PenWidth()) {
            DrawBatch();
            m_attributes.SetPenWidth(record.LineWidth);
        }
        DrawRecord(record);
    });
    DrawBatch();
    m_attributes.SetPenWidth(1);
}

void TItemRenderer::DrawRecord(const TItemRecord& record)
{
    if (!HasFiniteCoordinates(record)) {
        LeaveOut(record.Kind);
        return;
    }
    switch (record.Kind) {
    case ikLineTo: AddLineTo(record); break;
    case ikMoveTo: MoveTo(record); break;
    case ikMark: DrawMark(record); break;
    default: DrawItem(m_scene.Items.Expand(record)); break;
    }
}

void TItemRenderer::DrawItem(const TPlottaItem& item)
{
    switch (item.Kind) {
    case ikLine: DrawLine(item); break;
    case ikRectangle: DrawRectangle(item); break;
    case ik3DBox: Draw3DBox(item); break;
    case ik3DBar: Draw3DBar(item); break;
    case ikText: DrawText(item); break;
    case ikEllipse: DrawEllipse(item); break;
    case ikRelMoveTo: MoveBy(item); break;
    case ikRelLineTo: DrawLineBy(item); break;
    case ikArrow: DrawArrow(item); break;
    default: break;   // codes that are never stored
    }
}

void TItemRenderer::LeaveOut(std::uint8_t kind)
{
    if (!IsLinePoint(kind))
        return;
    DrawBatch();
    m_lineBroken = true;
}

void TItemRenderer::StartLineAt(QPoint p)
{
    m_batch.StartAt(p);
    m_canvas.MoveTo(p.x(), p.y());
    m_lineBroken = false;
}

bool TItemRenderer::DrawAsPixel(QPoint a, QPoint b, TColor color)
{
    if (a != b)
        return false;
    m_canvas.SetPixel(a.x(), a.y(), color);
    return true;
}

void TItemRenderer::DrawPath(std::initializer_list<QPoint> points)
{
    const QPoint* p = points.begin();
    m_canvas.MoveTo(p->x(), p->y());
    for (++p; p != points.end(); ++p)
        m_canvas.LineTo(p->x(), p->y());
}

void TItemRenderer::SetFontSize(int points)
{
    m_canvas.Font.PixelsPerInch = m_canvas.PixelsPerInchY();
    m_canvas.Font.SetSize(points);
}

void TItemRenderer::UseFigureColors(const TPlottaItem& item)
{
    m_attributes.SetPen(ColorOf(item), item.PenStyle);
    m_attributes.SetBrushColor(FillColorOf(item));
    m_canvas.Brush.Style = item.Transparent ? bsClear : bsSolid;
}

void TItemRenderer::DrawMark(const TItemRecord& record)
{
    m_batch.Draw(m_canvas);
    const TColor color = ColorOf(record);
    if (record.MarkType != m_markType || m_attributes.PenDiffers(color, record.PenStyle)) {
        DrawMarks();
        m_attributes.SetPen(color, record.PenStyle);
        m_markType = record.MarkType;
    }
    const QPoint p = Place(record);
    if (m_canvas.IsPrinter() && record.MarkType >= kFirstCharacterMark) {
        SetFontSize(m_scene.Items.Expand(record).Size);
        ::DrawMark(m_canvas, record.MarkType, p.x(), p.y());
        return;
    }
    m_marks.push_back(p);
    if (m_marks.size() >= kMarksPerBatch)
        DrawMarks();
}

void TItemRenderer::DrawCollectedMarks()
{
    m_markPainter.Draw(m_canvas, m_markType, m_marks);
    m_marks.clear();
}

void TItemRenderer::DrawLine(const TPlottaItem& item)
{
    DrawBatch();
    m_attributes.SetPen(ColorOf(item), item.PenStyle);
    const QPoint a = Place(item);
    const QPoint b = PlaceSecond(item);
    if (DrawAsPixel(a, b, ColorOf(item)))
        return;
    m_canvas.MoveTo(a.x(), a.y());
    m_canvas.LineTo(b.x(), b.y());
}

void TItemRenderer::AddLineTo(const TItemRecord& record)
{
    DrawMarks();
    const QPoint p = Place(record);
    const TColor color = ColorOf(record);
    if (m_attributes.PenDiffers(color, record.PenStyle)) {
        DrawBatch();
        m_attributes.SetPen(color, record.PenStyle);
    }
    if (m_lineBroken)
        StartLineAt(p);
    else if (m_batch.Add(p))
        DrawBatch();
}

void TItemRenderer::DrawRectangle(const TPlottaItem& item)
{
    DrawBatch();
    UseFigureColors(item);
    QPoint a = Place(item);
    QPoint b = PlaceSecond(item);
    if (DrawAsPixel(a, b, ColorOf(item)))
        return;
    CoverBothCorners(a, b);
    m_canvas.Rectangle(a.x(), a.y(), b.x(), b.y());
}

void TItemRenderer::Draw3DBox(const TPlottaItem& item)
{
    DrawBatch();
    const TColor fill = FillColorOf(item);
    m_attributes.SetPen(fill, item.PenStyle);
    m_attributes.SetBrushColor(fill);
    m_canvas.Brush.Style = bsSolid;
    const QPoint a = Place(item);
    const QPoint b = PlaceSecond(item);
    if (DrawAsPixel(a, b, fill))
        return;
    const QPoint bottomLeft(std::min(a.x(), b.x()), std::max(a.y(), b.y()));
    const QPoint topRight(std::max(a.x(), b.x()), std::min(a.y(), b.y()));
    m_canvas.Rectangle(bottomLeft.x(), bottomLeft.y(), topRight.x(), topRight.y());
    Draw3DBoxBorder(item, bottomLeft, topRight);
}

void TItemRenderer::Draw3DBoxBorder(const TPlottaItem& item, QPoint bottomLeft, QPoint topRight)
{
    const int x1 = bottomLeft.x(), y1 = bottomLeft.y(), x2 = topRight.x(), y2 = topRight.y();
    const bool color2First = item.BorderStyle == fsLowered || item.BorderStyle == fsEmbossed;
    const TColor first = color2First ? item.Color2 : item.Color3;
    const TColor second = color2First ? item.Color3 : item.Color2;
    switch (item.BorderStyle) {
    case fsLowered:
    case fsRaised:
        m_canvas.MoveTo(x1, y1);
        m_attributes.SetPenColor(first);
        m_canvas.LineTo(x1, y2);
        m_canvas.LineTo(x2, y2);
        m_attributes.SetPenColor(second);
        m_canvas.LineTo(x2, y1);
        m_canvas.LineTo(x1, y1);
        break;
    case fsEmbossed:
    case fsEngraved:
        m_attributes.SetPenColor(first);
        DrawPath({{x1 + 1, y1}, {x1 + 1, y2 + 1}, {x2, y2 + 1}, {x2, y1}, {x1 + 1, y1}});
        m_attributes.SetPenColor(second);
        DrawPath({{x1, y1 - 1}, {x1, y2}, {x2 - 1, y2}, {x2 - 1, y1 - 1}, {x1, y1 - 1}});
        break;
    default:
        break;
    }
}

void TItemRenderer::Draw3DBar(const TPlottaItem& item)
{
    DrawBatch();
    m_attributes.SetPen(ColorOf(item), item.PenStyle);
    m_attributes.SetBrushColor(FillColorOf(item));
    m_canvas.Brush.Style = bsSolid;
    const QPoint a = Place(item);
    const QPoint b = PlaceSecond(item);
    int x1 = std::min(a.x(), b.x()), x2 = std::max(a.x(), b.x());
    const int y1 = std::min(a.y(), b.y()), y2 = std::max(a.y(), b.y());
    const double angle = item.Size * std::numbers::pi / 180;
    const int dx = LimitedOffset(std::cos(angle) * item.Size2);
    const int dy = -LimitedOffset(std::sin(angle) * item.Size2);
    if (item.Size > 90)
        std::swap(x1, x2);
    m_canvas.Polygon({{x1, y1}, {x1 + dx, y1 + dy}, {x2 + dx, y1 + dy}, {x2, y1}});
    m_canvas.Polygon({{x2 + dx, y1 + dy}, {x2, y1}, {x2, y2}, {x2 + dx, y2 + dy}});
    QPoint front1(x1, y1), front2(x2, y2);
    CoverBothCorners(front1, front2);
    m_canvas.Rectangle(front1.x(), front1.y(), front2.x(), front2.y());
}

void TItemRenderer::DrawText(const TPlottaItem& item)
{
    DrawBatch();
    m_attributes.SetFontColor(ColorOf(item));
    m_canvas.Font.Style = m_scene.Text.FontStyle;
    SetFontSize(item.Size);
    m_attributes.SetBrushColor(m_scene.Text.BackgroundColor);
    m_canvas.Brush.Style = m_scene.Text.Background == tbSolid ? bsSolid : bsClear;
    const QPoint p = Place(item);
    const int width = m_canvas.TextWidth(item.Text);
    int x = p.x();
    if (m_scene.Text.Alignment == taRightJustify)
        x -= width;
    else if (m_scene.Text.Alignment == taCenter)
        x -= width / 2;
    m_canvas.TextOut(x, p.y() - m_canvas.TextHeight(item.Text) / 2, item.Text);
}

void TItemRenderer::MoveTo(const TItemRecord& record)
{
    DrawBatch();
    StartLineAt(Place(record));
}

void TItemRenderer::DrawEllipse(const TPlottaItem& item)
{
    DrawBatch();
    UseFigureColors(item);
    QPoint a = m_placer.Place(item.Layer, item.X - item.X2, item.Y + item.Y2);
    QPoint b = m_placer.Place(item.Layer, item.X + item.X2, item.Y - item.Y2);
    if (DrawAsPixel(a, b, ColorOf(item)))
        return;
    CoverBothCorners(a, b);
    m_canvas.Ellipse(a.x(), a.y(), b.x(), b.y());
}

QPoint TItemRenderer::PenPosMovedBy(const TPlottaItem& item) const
{
    const QPoint pen = m_canvas.PenPos();
    return {std::clamp(pen.x() + LimitedOffset(item.X), -2 * kPixelLimit, 2 * kPixelLimit),
            std::clamp(pen.y() + LimitedOffset(item.Y), -2 * kPixelLimit, 2 * kPixelLimit)};
}

void TItemRenderer::MoveBy(const TPlottaItem& item)
{
    DrawBatch();
    StartLineAt(PenPosMovedBy(item));
}

void TItemRenderer::DrawLineBy(const TPlottaItem& item)
{
    DrawBatch();
    const QPoint target = PenPosMovedBy(item);
    m_attributes.SetPen(ColorOf(item), item.PenStyle);
    m_canvas.LineTo(target.x(), target.y());
    m_canvas.SetPixel(target.x(), target.y(), ColorOf(item));
}

void TItemRenderer::DrawArrow(const TPlottaItem& item)
{
    DrawBatch();
    UseFigureColors(item);
    QPoint from = Place(item);
    QPoint tip = PlaceSecond(item);
    if (DrawAsPixel(from, tip, ColorOf(item)))
        return;
    CoverBothCorners(from, tip);
    m_canvas.MoveTo(from.x(), from.y());
    m_canvas.LineTo(tip.x(), tip.y());
    if (item.Size >= 1)
        DrawArrowHead(item, from, tip);
}

// The head's two back corners lie Size pixels from the tip, 20 degrees either side of
// the shaft.
void TItemRenderer::DrawArrowHead(const TPlottaItem& item, QPoint from, QPoint tip)
{
    const double slope = double(tip.y() - from.y()) / (tip.x() - from.x());
    const double direction = std::atan(slope) + (tip.x() > from.x() ? 1 : 3) * std::numbers::pi / 2;
    const auto corner = [&](double angle) {
        return QPoint(tip.x() - LimitedOffset(std::sin(angle) * item.Size),
                      tip.y() + LimitedOffset(std::cos(angle) * item.Size));
    };
    const QPoint left = corner(direction + kHeadHalfAngle);
    const QPoint right = corner(direction - kHeadHalfAngle);
    if (item.Transparent) {
        DrawPath({tip, left});
        DrawPath({tip, right});
    } else {
        m_canvas.Polygon({tip, left, right});
    }
}
