#include "dialogs/StressItemColumn.h"

#include "data/SeamHeader.h"

StressItemColumn::StressItemColumn(const SeamHeader &header, int selected)
    : m_itemCount(header.itemCount)
{
    for (int k = 0; k < slotCount; ++k) {
        if (isShown(k))
            m_captions[k] = header.itemName(k);
    }
    select(selected);
}

bool StressItemColumn::isShown(int slot) const
{
    if (m_itemCount < 1 || m_itemCount > slotCount)
        return false;
    return slot >= 0 && slot < m_itemCount;
}

const std::string &StressItemColumn::caption(int slot) const
{
    static const std::string none;
    return slot >= 0 && slot < slotCount ? m_captions[slot] : none;
}

void StressItemColumn::select(int slot)
{
    m_selected = isShown(slot) ? slot : 0;
}
