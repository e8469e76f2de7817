#include "controls/scale/ticklist.h"

void TTickList::Offer(const TAxisTick& tick)
{
    if (tick.Recorded && m_count < Capacity)
        m_values[static_cast<std::size_t>(m_count++)] = tick.Value;
}

double TTickList::TickValue(int index) const
{
    if (index < 1 || index > m_count)
        return 0;
    return m_values[static_cast<std::size_t>(index - 1)];
}
