#include "ChipEntryArray.h"

#include <algorithm>

void CChipEntryArray::SetSize(int nNewSize)
{
    if (nNewSize < 0)
        return;
    if (nNewSize == 0) {
        std::vector<ChipEntry>().swap(m_items);
        return;
    }
    int nCapacity = GetCapacity();
    if (nNewSize > nCapacity) {
        // reserve() allocates exactly what it is asked for, so the vector follows the
        // catalogue's own growth rule instead of doubling.
        int nGrowBy = std::min(1024, std::max(4, GetSize() / 8));
        int nNewCapacity = nCapacity == 0 ? nNewSize : std::max(nNewSize, nCapacity + nGrowBy);
        m_items.reserve(static_cast<std::size_t>(nNewCapacity));
    }
    m_items.resize(static_cast<std::size_t>(nNewSize));
}

void CChipEntryArray::RemoveAt(int nIndex)
{
    if (nIndex >= 0 && nIndex < GetSize())
        m_items.erase(m_items.begin() + nIndex);
}

void CChipEntryArray::ReserveFirst(int nCount)
{
    if (GetCapacity() == 0 && nCount > 0)
        m_items.reserve(static_cast<std::size_t>(nCount));
}

ChipEntry& CChipEntryArray::AppendEmpty()
{
    SetSize(GetSize() + 1);
    return m_items.back();
}
