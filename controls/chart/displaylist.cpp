#include "controls/chart/displaylist.h"

#include "controls/chart/plottaerror.h"

#include <algorithm>
#include <cmath>

namespace {

// The distance FindNearest starts from: larger than any it accepts.
constexpr double kFarAway = 1.7e308;

} // namespace

std::int32_t TDisplayList::KindCount(int kind) const
{
    return kind >= 0 && kind < kItemKindCodes ? m_kindCounts[kind] : 0;
}

void TDisplayList::Append(const TPlottaItem& item, int growthStep)
{
    if (m_count >= Capacity())
        m_items.resize(m_items.size() + std::max(growthStep, 1));
    m_items[m_count] = item;
    if (item.Kind < kItemKindCodes)
        ++m_kindCounts[item.Kind];
    ++m_count;
}

void TDisplayList::Clear()
{
    std::vector<TPlottaItem>().swap(m_items);
    m_count = 0;
    m_lastShown = 0;
    m_kindCounts.fill(0);
}

const TPlottaItem& TDisplayList::Item(int index) const
{
    if (index < 0 || index >= m_count)
        throw EGryphPlottaError(QStringLiteral("Item index %1 is out of range").arg(index));
    return m_items[index];
}

bool TDisplayList::KindMatches(std::uint8_t wanted, std::uint8_t kind)
{
    return wanted == ikAnyKind || (wanted == ikAnyButMoveTo && kind != ikMoveTo) || wanted == kind;
}

int TDisplayList::FindNearest(std::uint8_t kind, std::uint8_t itemClass, double x, double y,
                              double& dist) const
{
    double nearest = kFarAway;
    int result = -1;
    if (kind != 0) {
        for (int i = 0; i < m_count; ++i) {
            const TPlottaItem& item = m_items[i];
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
