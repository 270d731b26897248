#pragma once

#include "ChipRules.h"
#include "String.h"

#include <vector>

struct ChipEntry {
    CString name;
    ChipSettings settings;
};

// The growable entry list. Capacity follows the catalogue's own rule: the first
// allocation is exact; later it grows by size/8 clamped to 4..1024, or straight to the
// new size when that is more; it shrinks only when the size becomes 0.
class CChipEntryArray {
public:
    int GetSize() const { return static_cast<int>(m_items.size()); }
    int GetCapacity() const { return static_cast<int>(m_items.capacity()); }
    void SetSize(int nNewSize);
    // The storage SetSize(nNewSize) leaves, with the entries from nNewSize on destroyed,
    // but without creating the new ones: a load appends each as it reads it.
    void PrepareSize(int nNewSize);
    // SetSize(GetSize() + 1), returning the new empty last entry.
    ChipEntry& Append();
    void RemoveAt(int nIndex);
    ChipEntry& operator[](int n) { return m_items[static_cast<std::size_t>(n)]; }
    const ChipEntry& operator[](int n) const { return m_items[static_cast<std::size_t>(n)]; }

private:
    std::vector<ChipEntry> m_items;
};
