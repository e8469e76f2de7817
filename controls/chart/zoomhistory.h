#pragma once
// The chart's zoom history: a ring of the last 16 snapshots of all layers' axis
// ranges. Each pan, zoom or isometric stretch adds one; stepping back returns to the
// snapshot before the newest.
#include <array>
#include <optional>

// One axis's range as the axis runs: Low at its start, High at its end.
struct TAxisRange {
    double Low = 0;
    double High = 1;

    bool operator==(const TAxisRange&) const = default;
};

struct TLayerRanges {
    TAxisRange X;
    TAxisRange Y;

    bool operator==(const TLayerRanges&) const = default;
};

// The ranges of layers 1 to 16, layer 1 first.
using TRangeSnapshot = std::array<TLayerRanges, 16>;

class TZoomHistory {
public:
    static constexpr int kDepth = 16;

    // Adds a snapshot; the seventeenth overwrites the oldest.
    void Record(const TRangeSnapshot& snapshot);
    // Drops the newest snapshot and returns the one before it, which becomes the
    // newest; nothing when fewer than two are held.
    std::optional<TRangeSnapshot> StepBack();

    // Snapshots held, 0..16.
    int Count() const { return m_count; }
    // The slot, 1..16, the next snapshot goes to.
    int WritePosition() const { return m_writePosition; }
    // The snapshot recorded last; only meaningful while Count() > 0.
    const TRangeSnapshot& Newest() const;

private:
    static int Previous(int position) { return position == 1 ? kDepth : position - 1; }

    std::array<TRangeSnapshot, kDepth> m_entries{};
    int m_writePosition = 1;
    int m_count = 0;
};
