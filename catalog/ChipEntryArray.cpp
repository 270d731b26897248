#include "ChipEntryArray.h"

#include <algorithm>
#include <cstdint>
#if defined(__linux__)
#include <sys/mman.h>
#endif

namespace {

// A fresh block of many megabytes would otherwise be faulted in 4 KiB page by page,
// which costs more than filling it; huge pages make a large load cost in proportion to
// its entries. Only whole 2 MiB pages inside the block can be advised.
void AdviseHugePages(const void* pBlock, std::size_t nBytes)
{
#if defined(__linux__) && defined(MADV_HUGEPAGE)
    const std::uintptr_t nHuge = std::uintptr_t(2) << 20;
    std::uintptr_t nBegin = reinterpret_cast<std::uintptr_t>(pBlock);
    std::uintptr_t nEnd = (nBegin + nBytes) & ~(nHuge - 1);
    nBegin = (nBegin + nHuge - 1) & ~(nHuge - 1);
    if (nEnd > nBegin)
        (void)::madvise(reinterpret_cast<void*>(nBegin), nEnd - nBegin, MADV_HUGEPAGE);
#else
    (void)pBlock;
    (void)nBytes;
#endif
}

}  // namespace

void CChipEntryArray::SetSize(int nNewSize)
{
    PrepareSize(nNewSize);
    if (nNewSize > 0)
        m_items.resize(static_cast<std::size_t>(nNewSize));
}

void CChipEntryArray::PrepareSize(int nNewSize)
{
    if (nNewSize < 0)
        return;
    if (nNewSize == 0) {
        std::vector<ChipEntry>().swap(m_items);
        return;
    }
    if (nNewSize < GetSize())
        m_items.resize(static_cast<std::size_t>(nNewSize));
    const int nCapacity = GetCapacity();
    if (nNewSize <= nCapacity)
        return;
    // reserve() allocates exactly what it is asked for, so the vector follows the
    // catalogue's own growth rule instead of doubling.
    const int nGrowBy = std::min(1024, std::max(4, GetSize() / 8));
    const int nNewCapacity = nCapacity == 0 ? nNewSize : std::max(nNewSize, nCapacity + nGrowBy);
    const bool bEmpty = m_items.empty();
    m_items.reserve(static_cast<std::size_t>(nNewCapacity));
    if (bEmpty)
        AdviseHugePages(m_items.data(), m_items.capacity() * sizeof(ChipEntry));
}

ChipEntry& CChipEntryArray::Append()
{
    if (GetSize() == GetCapacity())
        PrepareSize(GetSize() + 1);
    return m_items.emplace_back();
}

void CChipEntryArray::RemoveAt(int nIndex)
{
    if (nIndex >= 0 && nIndex < GetSize())
        m_items.erase(m_items.begin() + nIndex);
}
