#include "controls/chart/displaylist.h"

#include "controls/chart/itemkinds.h"
#include "controls/chart/plottaerror.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

// The distance FindNearest starts from: larger than any it accepts.
constexpr double kFarAway = 1.7e308;

} // namespace

std::int32_t TDisplayList::KindCount(int kind) const
{
    return kind >= 0 && kind < kItemKindCodes ? m_kindCounts[kind] : 0;
}

std::size_t TDisplayList::MemoryBytes() const
{
    std::size_t bytes =
        m_chunks.capacity() * sizeof(std::vector<TItemRecord>) + m_rare.capacity() * sizeof(TRareAttributes);
    for (const auto* chunks : {&m_chunks, &m_spareChunks})
        for (const std::vector<TItemRecord>& chunk : *chunks)
            bytes += chunk.capacity() * sizeof(TItemRecord);
    for (const TRareAttributes& rare : m_rare)
        bytes += std::size_t(rare.Text.capacity()) * sizeof(QChar);
    return bytes;
}

bool TDisplayList::HasRareAttributes(const TPlottaItem& item)
{
    // A second point of -0.0 is kept as it is, so it counts as set.
    const auto set = [](double v) { return v != 0 || std::signbit(v); };
    return set(item.X2) || set(item.Y2) || item.FillColor != 0 || item.Color2 != 0 || item.Color3 != 0
        || item.Size != 0 || item.Size2 != 0 || !item.Text.isNull();
}

void TDisplayList::Append(const TPlottaItem& item, int growthStep)
{
    std::int32_t rare = -1;
    if (HasRareAttributes(item)) {
        rare = std::int32_t(m_rare.size());
        m_rare.push_back(
            {item.X2, item.Y2, item.FillColor, item.Color2, item.Color3, item.Size, item.Size2, item.Text});
    }
    Store({item.X, item.Y, item.Color, item.LineWidth, item.Layer, item.PenStyle, rare, item.ItemClass,
           item.Kind, item.MarkType, item.Transparent, item.BorderStyle, item.Tag},
          growthStep);
}

void TDisplayList::AppendPoint(TItemKind kind, double x, double y, const TDrawingAttributes& attributes,
                               std::uint8_t markType, int growthStep)
{
    Store({x, y, attributes.DataColor, attributes.LineWidth, attributes.Layer, attributes.PenStyle, -1,
           attributes.ClassDefault, std::uint8_t(kind), markType, false, 0, attributes.Tag},
          growthStep);
}

void TDisplayList::Store(const TItemRecord& record, int growthStep)
{
    if (m_count >= m_capacity)
        m_capacity += std::max(growthStep, 1);
    if ((m_count & (kChunkSize - 1)) == 0) {
        if (m_spareChunks.empty()) {
            m_chunks.emplace_back();
        } else {
            m_chunks.push_back(std::move(m_spareChunks.back()));
            m_spareChunks.pop_back();
        }
    }
    std::vector<TItemRecord>& chunk = m_chunks.back();
    if (chunk.size() == chunk.capacity()) {
        // The chunk holds the slots the list's capacity gives it, at least twice what
        // it holds (so that small growth steps cost no copying per item), at most a
        // whole chunk.
        const std::size_t granted =
            std::size_t(m_capacity) - (std::size_t(m_count) & ~std::size_t(kChunkSize - 1));
        chunk.reserve(std::min<std::size_t>(kChunkSize, std::max(granted, 2 * chunk.size())));
    }
    chunk.push_back(record);
    if (record.Kind < kItemKindCodes)
        ++m_kindCounts[record.Kind];
    ++m_count;
}

void TDisplayList::Clear()
{
    // Last chunk first, so that the refill takes them in their old order.
    for (auto chunk = m_chunks.rbegin(); chunk != m_chunks.rend(); ++chunk) {
        chunk->clear();
        m_spareChunks.push_back(std::move(*chunk));
    }
    std::vector<std::vector<TItemRecord>>().swap(m_chunks);
    std::vector<TRareAttributes>().swap(m_rare);
    m_count = 0;
    m_capacity = 0;
    m_lastShown = 0;
    m_kindCounts.fill(0);
}

void TDisplayList::MarkShown()
{
    m_lastShown = m_count - 1;
    std::vector<std::vector<TItemRecord>>().swap(m_spareChunks);
}

TPlottaItem TDisplayList::Expand(const TItemRecord& record) const
{
    TPlottaItem item;
    item.X = record.X;
    item.Y = record.Y;
    item.Color = record.Color;
    item.PenStyle = record.PenStyle;
    item.Tag = record.Tag;
    item.LineWidth = record.LineWidth;
    item.ItemClass = record.ItemClass;
    item.Kind = record.Kind;
    item.Layer = record.Layer;
    item.Transparent = record.Transparent;
    item.BorderStyle = record.BorderStyle;
    item.MarkType = record.MarkType;
    if (record.Rare >= 0) {
        const TRareAttributes& rare = m_rare[record.Rare];
        item.X2 = rare.X2;
        item.Y2 = rare.Y2;
        item.FillColor = rare.FillColor;
        item.Color2 = rare.Color2;
        item.Color3 = rare.Color3;
        item.Size = rare.Size;
        item.Size2 = rare.Size2;
        item.Text = rare.Text;
    }
    return item;
}

TPlottaItem TDisplayList::Item(int index) const
{
    if (index < 0 || index >= m_count)
        throw EGryphPlottaError(QStringLiteral("Item index %1 is out of range").arg(index));
    return Expand(Record(index));
}

bool TDisplayList::KindMatches(std::uint8_t wanted, std::uint8_t kind)
{
    switch (TKindWildcard(wanted)) {
    case TKindWildcard::AnyKind:
        return true;
    case TKindWildcard::AnyButMoveTo:
        return ItemKindRow(kind).FoundByAnyButMoveTo;
    }
    return wanted == kind;
}

int TDisplayList::FindNearest(std::uint8_t kind, std::uint8_t itemClass, double x, double y,
                              double& dist) const
{
    double nearest = kFarAway;
    int result = -1;
    if (kind != 0) {
        for (int i = 0; i < m_count; ++i) {
            const TItemRecord& item = Record(i);
            if (!KindMatches(kind, item.Kind))
                continue;
            if (itemClass != kAnyItemClass && itemClass != item.ItemClass)
                continue;
            const double dx = item.X - x;
            const double dy = item.Y - y;
            const double d = dx * dx + dy * dy;
            if (d < nearest) {
                nearest = d;
                result = i;
            }
        }
    }
    dist = std::sqrt(nearest);
    return result;
}
