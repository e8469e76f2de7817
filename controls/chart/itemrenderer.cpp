#include "controls/chart/itemrenderer.h"

#include "controls/chart/itemkinds.h"

#include <cmath>

namespace {

// Character marks start at this code; below it they are figures.
constexpr std::uint8_t kFirstCharacterMark = 48;

} // namespace

TItemRenderer::TItemRenderer(const TRenderScene& scene, TCanvas& canvas, const TRenderOptions& options)
    : m_scene(scene)
    , m_canvas(canvas)
    , m_placer(scene, options)
    , m_monochrome(options.Monochrome)
    , m_attributes(canvas, scene.ChartColor, TPenStyle::psSolid, scene.LineWidth, scene.ChartColor,
                   canvas.Font.Color)
    , m_batch(QPoint(options.OffsetX, options.OffsetY))
{
    m_canvas.MoveTo(options.OffsetX, options.OffsetY);
}

TColor TItemRenderer::FillColorOf(const TPlottaItem& item) const
{
    return m_monochrome ? clSilver : item.FillColor;
}

void TItemRenderer::DrawItems()
{
    m_scene.Items.ForEachStretch([this](std::span<const TItemRecord> records) {
        while (!records.empty()) {
            const TItemRecord& record = records.front();
            records = records.subspan(1);
            if (!m_scene.Visibility.Shows(record.ItemClass, record.Layer))
                continue;
            if (record.LineWidth != m_attributes.PenWidth()) {
                DrawBatch();
                m_attributes.SetPenWidth(record.LineWidth);
            }
            DrawRecord(record);
            records = records.subspan(DrawLookAlikes(record, records));
        }
    });
    DrawBatch();
    m_attributes.SetPenWidth(1);
}

void TItemRenderer::DrawRecord(const TItemRecord& record)
{
    if (!m_scene.Items.HasFiniteCoordinates(record)) {
        LeaveOut(record.Kind);
        return;
    }
    switch (record.Kind) {
    case TItemKind::ikLineTo:
        AddLineTo(record);
        break;
    case TItemKind::ikMoveTo:
        MoveTo(record);
        break;
    case TItemKind::ikMark:
        DrawMark(record);
        break;
    default:
        if (const auto draw = ItemKindRow(record.Kind).Draw)
            draw(*this, m_scene.Items.Expand(record));
        break;
    }
}

void TItemRenderer::LeaveOut(std::uint8_t kind)
{
    if (!ItemKindRow(kind).PlacesPen)
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
    m_canvas.Brush.Style = item.Transparent ? TBrushStyle::bsClear : TBrushStyle::bsSolid;
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
    if (!CollectsMarks(record)) {
        SetFontSize(m_scene.Items.Expand(record).Size);
        ::DrawMark(m_canvas, record.MarkType, p.x(), p.y());
        return;
    }
    CollectMark(p);
}

bool TItemRenderer::CollectsMarks(const TItemRecord& record) const
{
    // Character marks on a printer take their size from the item.
    return !m_canvas.IsPrinter() || record.MarkType < kFirstCharacterMark;
}

std::size_t TItemRenderer::DrawLookAlikes(const TItemRecord& drawn, std::span<const TItemRecord> next)
{
    // Nothing DrawItems checks can differ from what it found for drawn: not the
    // visibility, the width, the pen, the kind, nor a second point.
    switch (drawn.Kind) {
    case TItemKind::ikMark:
        if (!CollectsMarks(drawn))
            return 0;
        return CollectLike(
            drawn, next, [this] { return std::span(m_marks).subspan(m_markCount); },
            [this](std::size_t count) { MarksCollected(count); });
    case TItemKind::ikLineTo:
        if (m_lineBroken)
            return 0;
        return CollectLike(
            drawn, next, [this] { return m_batch.Free(); },
            [this](std::size_t count) {
                if (m_batch.Added(count))
                    DrawBatch();
            });
    default:
        return 0;
    }
}

template <class Room, class Filled>
std::size_t TItemRenderer::CollectLike(const TItemRecord& drawn, std::span<const TItemRecord> next, Room room,
                                       Filled filled)
{
    std::size_t taken = 0;
    for (;;) {
        const std::span<QPoint> free = room();
        const std::size_t placed = PlaceLike(drawn, next.subspan(taken), free);
        taken += placed;
        filled(placed);
        if (placed < free.size())
            return taken;
    }
}

std::size_t TItemRenderer::PlaceLike(const TItemRecord& drawn, std::span<const TItemRecord> next,
                                     std::span<QPoint> pixels) const
{
    // The points are read first and then placed together.
    std::array<double, kMarksPerBatch> xs, ys;
    const std::size_t most = std::min({next.size(), pixels.size(), xs.size()});
    std::size_t count = 0;
    for (; count < most; ++count) {
        const TItemRecord& record = next[count];
        if (!drawn.LooksLike(record) || !std::isfinite(record.X) || !std::isfinite(record.Y))
            break;
        xs[count] = record.X;
        ys[count] = record.Y;
    }
    m_placer.PlaceAll(drawn.Layer, std::span(xs).first(count), std::span(ys).first(count),
                      pixels.first(count));
    return count;
}

void TItemRenderer::DrawCollectedMarks()
{
    m_markPainter.Draw(m_canvas, m_markType, std::span(m_marks).first(m_markCount));
    m_markCount = 0;
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

void TItemRenderer::MoveTo(const TItemRecord& record)
{
    DrawBatch();
    StartLineAt(Place(record));
}
