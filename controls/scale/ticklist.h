#pragma once
// The tick values a scale records while it draws, read back by its owner for grids.
#include "controls/scale/axisticks.h"

#include <array>

class TTickList {
public:
    static constexpr int Capacity = 50;

    void Clear() { m_count = 0; }

    // Appends the value of a recorded tick while the list has room.
    void Offer(const TAxisTick& tick);

    int NumTicks() const { return m_count; }

    // The index-th value, counting from 1; 0 outside 1..NumTicks().
    double TickValue(int index) const;

private:
    std::array<double, Capacity> m_values{};
    int m_count = 0;
};
