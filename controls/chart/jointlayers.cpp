#include "controls/chart/jointlayers.h"

#include "controls/chart/plottaerror.h"

#include <QStringList>
#include <numeric>

namespace {

bool IsLayer(int n) { return n >= 1 && n <= TJointLayers::kLayers; }

} // namespace

TJointLayers::TJointLayers(QObject* owner)
    : QObject(owner)
{
    std::iota(m_x.begin(), m_x.end(), 1);
    std::iota(m_y.begin(), m_y.end(), 1);
}

TJointLayers::TEntries& TJointLayers::Entries(TJointAxis axis) { return axis == TJointAxis::X ? m_x : m_y; }

const TJointLayers::TEntries& TJointLayers::Entries(TJointAxis axis) const
{
    return axis == TJointAxis::X ? m_x : m_y;
}

void TJointLayers::Changed()
{
    if (OnChange)
        OnChange(this);
}

int TJointLayers::ControlledBy(int layer, TJointAxis axis) const
{
    if (!IsLayer(layer))
        throw EGryphPlottaError(QStringLiteral("Layer %1 is out of range").arg(layer));
    return Entries(axis)[layer - 1];
}

void TJointLayers::SetControlledBy(int layer, TJointAxis axis, int destination)
{
    if (!IsLayer(layer))
        throw EGryphPlottaError(QStringLiteral("Layer %1 is out of range").arg(layer));
    if (!IsLayer(destination))
        throw EGryphPlottaError(QStringLiteral("Destination layer %1 is out of range").arg(destination));
    TEntries& entries = Entries(axis);
    if (destination == layer) {
        entries[layer - 1] = layer;
        return;
    }
    if (entries[destination - 1] != destination)
        throw EGryphPlottaError(QStringLiteral("Destination layer %1 is already joined").arg(destination));
    QStringList followers;
    for (int m = 1; m <= kLayers; ++m) {
        if (m != layer && entries[m - 1] == layer)
            followers << QString::number(m);
    }
    if (!followers.isEmpty()) {
        throw EGryphPlottaError(QStringLiteral("Layer %1 is joined by other layers (%2)")
                                    .arg(layer)
                                    .arg(followers.join(QStringLiteral(", "))));
    }
    entries[layer - 1] = destination;
    Changed();
}

void TJointLayers::Assign(const TJointLayers& source)
{
    m_x = source.m_x;
    m_y = source.m_y;
    Changed();
}
