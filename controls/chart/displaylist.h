#pragma once
// TDisplayList: the items a chart draws, in the order they were appended.
//
// Items are kept in a compact record of 48 bytes; the few attributes only lines,
// closed figures, boxes, bars, arrows and texts use (a second point among them) live
// in a side table that plain points never touch. Records sit in chunks of at most
// 1024; a chunk holds the slots the list's capacity gives it, so a list holds about
// 48 bytes per slot. The list reports
// its capacity in whole blocks of the growth step.
// Clear keeps the emptied chunks for the items appended next, until the list is next
// shown: rebuilding a large list then writes into memory that is already mapped.
// Charts that share one list hold the same object, so a change made through any of
// them is seen by all.
#include "controls/chart/plottaitem.h"

#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>
#include <vector>

// One stored item. The fields mean what TPlottaItem's of the same name do; Rare
// indexes the list's table of the attributes most items leave at zero (the second
// point among them), or is -1. Everything an item is drawn with but its point follows
// the point without gaps, so that LooksLike compares it in a few loads.
struct TItemRecord {
    double X, Y;
    TColor Color;
    std::int32_t LineWidth;
    std::int32_t Layer;
    TPenStyle PenStyle;
    std::int32_t Rare;
    std::uint8_t ItemClass;
    std::uint8_t Kind;
    std::uint8_t MarkType;
    bool Transparent;
    std::uint8_t BorderStyle;
    std::int32_t Tag;

    // Whether other is drawn just like this record at its own point: every field from
    // Color to BorderStyle agrees (the tag may differ).
    bool LooksLike(const TItemRecord& other) const
    {
        return std::memcmp(&Color, &other.Color, kLookBytes) == 0;
    }

    static constexpr std::size_t kLookBytes = 25;
};
static_assert(sizeof(TItemRecord) <= 48);
static_assert(sizeof(TPenStyle) == 4
                  && offsetof(TItemRecord, BorderStyle) + 1 - offsetof(TItemRecord, Color)
                      == TItemRecord::kLookBytes,
              "the fields LooksLike compares lie side by side");

class TDisplayList {
public:
    // Items in use.
    int Count() const { return m_count; }
    // Item slots allocated.
    int Capacity() const { return m_capacity; }
    // Index of the last item at the last ShowItems (Count - 1 then; 0 after Clear).
    int LastShown() const { return m_lastShown; }
    // How many items of a kind code (0..14) were appended since the last Clear;
    // 0 for other codes.
    std::int32_t KindCount(int kind) const;
    // Bytes the list holds for its items, the chunks kept by Clear included.
    std::size_t MemoryBytes() const;

    // Stores item at index Count, first growing the list by growthStep slots when it
    // is full.
    void Append(const TPlottaItem& item, int growthStep);
    // The same for an item of kind at (x, y) that carries only the attributes and,
    // for a mark, its type: what attributes.NewItem gives plus MarkType.
    void AppendPoint(TItemKind kind, double x, double y, const TDrawingAttributes& attributes,
                     std::uint8_t markType, int growthStep);
    // Empties the list; Capacity is 0 afterwards.
    void Clear();
    // Records that every item in use has been shown, and releases the chunks Clear
    // kept that were not used again.
    void MarkShown();

    // Item index (0-based); raises EGryphPlottaError unless 0 <= index < Count.
    TPlottaItem Item(int index) const;
    // Calls visit(records) with every item in order, a stretch of consecutive ones at a
    // time.
    template <class Visit>
    void ForEachStretch(Visit&& visit) const
    {
        for (const std::vector<TItemRecord>& chunk : m_chunks)
            visit(std::span<const TItemRecord>(chunk));
    }
    // The whole item a record stands for.
    TPlottaItem Expand(const TItemRecord& record) const;
    // Whether all the record's coordinates are finite numbers.
    bool HasFiniteCoordinates(const TItemRecord& record) const
    {
        return std::isfinite(record.X) && std::isfinite(record.Y)
            && (record.Rare < 0
                || (std::isfinite(m_rare[record.Rare].X2) && std::isfinite(m_rare[record.Rare].Y2)));
    }

    // Index of the item nearest to (x, y) in data units, or -1. kind selects the
    // kind code, the number of a TKindWildcard the kinds it stands for, and 0 none; itemClass selects a class, kAnyItemClass every class. Of items at equal
    // distance the first wins. dist receives the distance (sqrt(1.7e308) if nothing
    // qualified).
    int FindNearest(std::uint8_t kind, std::uint8_t itemClass, double x, double y, double& dist) const;

private:
    // The attributes most items leave at zero.
    struct TRareAttributes {
        double X2 = 0;
        double Y2 = 0;
        TColor FillColor = 0;
        TColor Color2 = 0;
        TColor Color3 = 0;
        std::int32_t Size = 0;
        std::int32_t Size2 = 0;
        QString Text;
    };
    static constexpr int kChunkBits = 10;
    static constexpr int kChunkSize = 1 << kChunkBits;

    static bool KindMatches(std::uint8_t wanted, std::uint8_t kind);
    static bool HasRareAttributes(const TPlottaItem& item);

    const TItemRecord& Record(int index) const
    {
        return m_chunks[index >> kChunkBits][index & (kChunkSize - 1)];
    }
    void Store(const TItemRecord& record, int growthStep);

    std::vector<std::vector<TItemRecord>> m_chunks;
    // Empty chunks with their memory, kept by Clear for the next items.
    std::vector<std::vector<TItemRecord>> m_spareChunks;
    std::vector<TRareAttributes> m_rare;
    int m_count = 0;
    int m_capacity = 0;
    int m_lastShown = 0;
    std::array<std::int32_t, kItemKindCodes> m_kindCounts{};
};
