#include "controls/chart/itemkinds.h"

#include "controls/chart/itemrenderer.h"
#include "platform/rounding.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <utility>

namespace {

// Offsets computed from item sizes stay within the range of placed pixels, so that
// adding them to a pixel cannot overflow.
constexpr int kPixelLimit = 30000;
constexpr double kHeadHalfAngle = 20 * std::numbers::pi / 180;

int LimitedOffset(double pixels)
{
    return Round(std::clamp(pixels, double(-kPixelLimit), double(kPixelLimit)));
}

// Moves the right (bottom) corner one pixel further, so that a shape whose right and
// bottom edges are left out covers both corner pixels. Of equal coordinates the
// second one moves.
void CoverBothCorners(QPoint& a, QPoint& b)
{
    (a.x() > b.x() ? a.rx() : b.rx()) += 1;
    (a.y() > b.y() ? a.ry() : b.ry()) += 1;
}

// Starts a closed figure or an arrow between the placed points a and b: ends what was
// collected, takes the figure colors and moves b or a so that both corner pixels are
// covered. False when both lie on one pixel, which is then set in the item color.
bool StartFigure(TItemRenderer& r, const TPlottaItem& item, QPoint& a, QPoint& b)
{
    r.DrawBatch();
    r.UseFigureColors(item);
    if (r.DrawAsPixel(a, b, r.ColorOf(item)))
        return false;
    CoverBothCorners(a, b);
    return true;
}

// The pen position moved by the item's offset in whole pixels.
QPoint PenPosMovedBy(const TCanvas& canvas, const TPlottaItem& item)
{
    const QPoint pen = canvas.PenPos();
    return {std::clamp(pen.x() + LimitedOffset(item.X), -2 * kPixelLimit, 2 * kPixelLimit),
            std::clamp(pen.y() + LimitedOffset(item.Y), -2 * kPixelLimit, 2 * kPixelLimit)};
}

void DrawLine(TItemRenderer& r, const TPlottaItem& item)
{
    r.DrawBatch();
    r.Attributes().SetPen(r.ColorOf(item), item.PenStyle);
    const QPoint a = r.Place(item);
    const QPoint b = r.PlaceSecond(item);
    if (r.DrawAsPixel(a, b, r.ColorOf(item)))
        return;
    r.Canvas().MoveTo(a.x(), a.y());
    r.Canvas().LineTo(b.x(), b.y());
}

void DrawRectangle(TItemRenderer& r, const TPlottaItem& item)
{
    QPoint a = r.Place(item);
    QPoint b = r.PlaceSecond(item);
    if (StartFigure(r, item, a, b))
        r.Canvas().Rectangle(a.x(), a.y(), b.x(), b.y());
}

void Draw3DBoxBorder(TItemRenderer& r, const TPlottaItem& item, QPoint bottomLeft, QPoint topRight)
{
    const int x1 = bottomLeft.x(), y1 = bottomLeft.y(), x2 = topRight.x(), y2 = topRight.y();
    const bool color2First =
        item.BorderStyle == TFrameStyle::fsLowered || item.BorderStyle == TFrameStyle::fsEmbossed;
    const TColor first = color2First ? item.Color2 : item.Color3;
    const TColor second = color2First ? item.Color3 : item.Color2;
    TCanvas& canvas = r.Canvas();
    switch (item.BorderStyle) {
    case TFrameStyle::fsLowered:
    case TFrameStyle::fsRaised:
        canvas.MoveTo(x1, y1);
        r.Attributes().SetPenColor(first);
        canvas.LineTo(x1, y2);
        canvas.LineTo(x2, y2);
        r.Attributes().SetPenColor(second);
        canvas.LineTo(x2, y1);
        canvas.LineTo(x1, y1);
        break;
    case TFrameStyle::fsEmbossed:
    case TFrameStyle::fsEngraved:
        r.Attributes().SetPenColor(first);
        r.DrawPath({{x1 + 1, y1}, {x1 + 1, y2 + 1}, {x2, y2 + 1}, {x2, y1}, {x1 + 1, y1}});
        r.Attributes().SetPenColor(second);
        r.DrawPath({{x1, y1 - 1}, {x1, y2}, {x2 - 1, y2}, {x2 - 1, y1 - 1}, {x1, y1 - 1}});
        break;
    default:
        break;
    }
}

void Draw3DBox(TItemRenderer& r, const TPlottaItem& item)
{
    r.DrawBatch();
    const TColor fill = r.FillColorOf(item);
    r.Attributes().SetPen(fill, item.PenStyle);
    r.Attributes().SetBrushColor(fill);
    r.Canvas().Brush.Style = TBrushStyle::bsSolid;
    const QPoint a = r.Place(item);
    const QPoint b = r.PlaceSecond(item);
    if (r.DrawAsPixel(a, b, fill))
        return;
    const QPoint bottomLeft(std::min(a.x(), b.x()), std::max(a.y(), b.y()));
    const QPoint topRight(std::max(a.x(), b.x()), std::min(a.y(), b.y()));
    r.Canvas().Rectangle(bottomLeft.x(), bottomLeft.y(), topRight.x(), topRight.y());
    Draw3DBoxBorder(r, item, bottomLeft, topRight);
}

void Draw3DBar(TItemRenderer& r, const TPlottaItem& item)
{
    r.DrawBatch();
    r.Attributes().SetPen(r.ColorOf(item), item.PenStyle);
    r.Attributes().SetBrushColor(r.FillColorOf(item));
    TCanvas& canvas = r.Canvas();
    canvas.Brush.Style = TBrushStyle::bsSolid;
    const QPoint a = r.Place(item);
    const QPoint b = r.PlaceSecond(item);
    int x1 = std::min(a.x(), b.x()), x2 = std::max(a.x(), b.x());
    const int y1 = std::min(a.y(), b.y()), y2 = std::max(a.y(), b.y());
    const double angle = item.Size * std::numbers::pi / 180;
    const int dx = LimitedOffset(std::cos(angle) * item.Size2);
    const int dy = -LimitedOffset(std::sin(angle) * item.Size2);
    if (item.Size > 90)
        std::swap(x1, x2);
    canvas.Polygon({{x1, y1}, {x1 + dx, y1 + dy}, {x2 + dx, y1 + dy}, {x2, y1}});
    canvas.Polygon({{x2 + dx, y1 + dy}, {x2, y1}, {x2, y2}, {x2 + dx, y2 + dy}});
    QPoint front1(x1, y1), front2(x2, y2);
    CoverBothCorners(front1, front2);
    canvas.Rectangle(front1.x(), front1.y(), front2.x(), front2.y());
}

void DrawText(TItemRenderer& r, const TPlottaItem& item)
{
    r.DrawBatch();
    const TTextItemStyle& text = r.Scene().Text;
    TCanvas& canvas = r.Canvas();
    r.Attributes().SetFontColor(r.ColorOf(item));
    canvas.Font.Style = text.FontStyle;
    r.SetFontSize(item.Size);
    r.Attributes().SetBrushColor(text.BackgroundColor);
    canvas.Brush.Style = text.Background == TTextBkg::tbSolid ? TBrushStyle::bsSolid : TBrushStyle::bsClear;
    const QPoint p = r.Place(item);
    const int width = canvas.TextWidth(item.Text);
    int x = p.x();
    if (text.Alignment == TAlignment::taRightJustify)
        x -= width;
    else if (text.Alignment == TAlignment::taCenter)
        x -= width / 2;
    canvas.TextOut(x, p.y() - canvas.TextHeight(item.Text) / 2, item.Text);
}

void DrawEllipse(TItemRenderer& r, const TPlottaItem& item)
{
    QPoint a = r.PlaceAt(item.Layer, item.X - item.X2, item.Y + item.Y2);
    QPoint b = r.PlaceAt(item.Layer, item.X + item.X2, item.Y - item.Y2);
    if (StartFigure(r, item, a, b))
        r.Canvas().Ellipse(a.x(), a.y(), b.x(), b.y());
}

void MoveBy(TItemRenderer& r, const TPlottaItem& item)
{
    r.DrawBatch();
    r.StartLineAt(PenPosMovedBy(r.Canvas(), item));
}

void DrawLineBy(TItemRenderer& r, const TPlottaItem& item)
{
    r.DrawBatch();
    const QPoint target = PenPosMovedBy(r.Canvas(), item);
    r.Attributes().SetPen(r.ColorOf(item), item.PenStyle);
    r.Canvas().LineTo(target.x(), target.y());
    r.Canvas().SetPixel(target.x(), target.y(), r.ColorOf(item));
}

// The head's two back corners lie Size pixels from the tip, 20 degrees either side of
// the shaft.
void DrawArrowHead(TItemRenderer& r, const TPlottaItem& item, QPoint from, QPoint tip)
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
        r.DrawPath({tip, left});
        r.DrawPath({tip, right});
    } else {
        r.Canvas().Polygon({tip, left, right});
    }
}

void DrawArrow(TItemRenderer& r, const TPlottaItem& item)
{
    QPoint from = r.Place(item);
    QPoint tip = r.PlaceSecond(item);
    if (!StartFigure(r, item, from, tip))
        return;
    r.Canvas().MoveTo(from.x(), from.y());
    r.Canvas().LineTo(tip.x(), tip.y());
    if (item.Size >= 1)
        DrawArrowHead(r, item, from, tip);
}

// Indexed by kind code; the codes missing here (0, 10, 11) are never stored.
constexpr std::array<TItemKindRow, kItemKindCodes> kRows = [] {
    std::array<TItemKindRow, kItemKindCodes> rows{};
    //              Draw            PlacesPen  FoundByAnyButMoveTo
    rows[TItemKind::ikMark] = {nullptr, false, true}; // drawn from its record
    rows[TItemKind::ikLine] = {DrawLine, false, true};
    rows[TItemKind::ikLineTo] = {nullptr, true, true}; // drawn from its record
    rows[TItemKind::ikRectangle] = {DrawRectangle, false, true};
    rows[TItemKind::ik3DBox] = {Draw3DBox, false, true};
    rows[TItemKind::ik3DBar] = {Draw3DBar, false, true};
    rows[TItemKind::ikText] = {DrawText, false, true};
    rows[TItemKind::ikMoveTo] = {nullptr, true, false}; // drawn from its record
    rows[TItemKind::ikEllipse] = {DrawEllipse, false, true};
    rows[TItemKind::ikRelMoveTo] = {MoveBy, true, true};
    rows[TItemKind::ikRelLineTo] = {DrawLineBy, false, true};
    rows[TItemKind::ikArrow] = {DrawArrow, false, true};
    return rows;
}();

} // namespace

const TItemKindRow& ItemKindRow(std::uint8_t kind)
{
    static constexpr TItemKindRow kNoKind{};
    return kind < kRows.size() ? kRows[kind] : kNoKind;
}
