// TPlotta: several charts showing one display list. The owner of a list lends it to
// at most four users; all of them hold the same list, so an item appended through any
// of them is there for all.
#include "controls/chart/plotta.h"

#include "platform/messagebox.h"

namespace {

constexpr int kMaxDataUsers = 4;

} // namespace

void TPlotta::SetUseDataOf(TPlotta* value)
{
    if (value == this) {
        ShowInformation(QStringLiteral("Plotta: Cannot share data with myself"));
        return;
    }
    if (!m_dataUsers.isEmpty()) {
        ShowInformation(
            QStringLiteral("Plotta: Cannot use foreign data. Other Plottas are using my own data."));
        return;
    }
    // Sharing is one level deep: a user's list is its owner's.
    if (value && value->m_dataOwner)
        value = value->m_dataOwner;
    if (value == m_dataOwner)
        return;
    if (value) {
        if (value->m_dataUsers.size() >= kMaxDataUsers) {
            ShowInformation(QStringLiteral("Plotta: Max. number of data shares exceeded"));
            return;
        }
        StopUsingOwner();
        m_dataOwner = value;
        m_items = value->m_items;
        value->m_dataUsers.append(this);
    } else {
        StopUsingOwner();
        TakeOwnCopyOfItems();
    }
    PropertyChanged();
}

void TPlotta::StopUsingOwner()
{
    if (m_dataOwner)
        m_dataOwner->m_dataUsers.removeOne(this);
    m_dataOwner = nullptr;
}

void TPlotta::TakeOwnCopyOfItems() { m_items = std::make_shared<TDisplayList>(*m_items); }

QVector<TPlotta*> TPlotta::SharingGroup() const
{
    QVector<TPlotta*> group;
    if (m_dataOwner) {
        group.append(m_dataOwner);
        for (TPlotta* user : m_dataOwner->m_dataUsers)
            if (user != this)
                group.append(user);
    }
    group.append(m_dataUsers);
    return group;
}
