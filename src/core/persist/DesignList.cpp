#include "persist/DesignList.h"

#include "model/AppState.h"
#include "model/Presets.h"

namespace brisko {

DesignList::DesignList()
{
    for (int i = 0; i < kPresetCount; ++i)
        m_entries.append({presetNames().at(i), presetListText(i), QString(), true, false, ++m_lastId});
}

bool DesignList::append(const DesignListEntry& e)
{
    if (m_entries.size() >= kMaxDesigns)
        return false;
    m_entries.append(e);
    m_entries.last().Id = ++m_lastId;
    return true;
}

void DesignList::removeAt(int position)
{
    if (position >= 0 && position < m_entries.size())
        m_entries.removeAt(position);
}

void DesignList::markChanged(int position)
{
    if (position < 0 || position >= m_entries.size())
        return;
    m_entries[position].Saved = false;
    m_entries[position].Simulated = false;
}

} // namespace brisko
