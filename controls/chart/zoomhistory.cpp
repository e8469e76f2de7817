#include "controls/chart/zoomhistory.h"

void TZoomHistory::Record(const TRangeSnapshot& snapshot)
{
    m_entries[m_writePosition - 1] = snapshot;
    m_writePosition = m_writePosition % kDepth + 1;
    if (m_count < kDepth)
        ++m_count;
}

std::optional<TRangeSnapshot> TZoomHistory::StepBack()
{
    if (m_count < 2)
        return std::nullopt;
    m_writePosition = Previous(m_writePosition);
    --m_count;
    return Newest();
}

const TRangeSnapshot& TZoomHistory::Newest() const { return m_entries[Previous(m_writePosition) - 1]; }
