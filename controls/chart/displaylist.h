#pragma once
// TDisplayList: the items a chart draws, in the order they were appended.
//
// The list grows in steps of whole blocks of slots, so appending is a plain store
// except when a block is full. Charts that share one list hold the same object, so a
// change made through any of them is seen by all.
#include "controls/chart/plottaitem.h"

#include <array>
#include <cstdint>
#include <vector>

class TDisplayList {
public:
    // Items in use.
    int Count() const { return m_count; }
    // Item slots allocated.
    int Capacity() const { return int(m_items.size()); }
    // Index of the last item at the last ShowItems (Count - 1 then; 0 after Clear).
    int LastShown() const { return m_lastShown; }
    // How many items of a kind code (0..14) were appended since the last Clear;
    // 0 for other codes.
    std::int32_t KindCount(int kind) const;

    // Stores item at index Count, first growing the list by growthStep slots when it
    // is full.
    void Append(const TPlottaItem& item, int growthStep);
    // Empties the list and releases its slots.
    void Clear();
    // Records that every item in use has been shown.
    void MarkShown() { m_lastShown = m_count - 1; }

    // Item index (0-based); raises EGryphPlottaError unless 0 <= index < Count.
    const TPlottaItem& Item(int index) const;

    // Index of the item nearest to (x, y) in data units, or -1. kind selects the
    // kind code, ikAnyKind every kind, ikAnyButMoveTo every kind except move-to, and
    // 0 none; itemClass selects a class, kAnyItemClass every class. Of items at equal
    // distance the first wins. dist receives the distance (sqrt(1.7e308) if nothing
    // qualified).
    int FindNearest(std::uint8_t kind, std::uint8_t itemClass, double x, double y,
                    double& dist) const;

private:
    static bool KindMatches(std::uint8_t wanted, std::uint8_t kind);

    std::vector<TPlottaItem> m_items;
    int m_count = 0;
    int m_lastShown = 0;
    std::array<std::int32_t, kItemKindCodes> m_kindCounts{};
};
