#include "ChipCatalog.h"

#include "Archive.h"

#include <algorithm>
#include <cstring>

namespace {

void StoreLE32(std::uint32_t n, BYTE (&bytes)[4])
{
    for (int i = 0; i < 4; ++i)
        bytes[i] = static_cast<BYTE>(n >> (8 * i));
}

std::uint32_t LoadLE32(const BYTE (&bytes)[4])
{
    std::uint32_t n = 0;
    for (int i = 3; i >= 0; --i)
        n = (n << 8) | bytes[i];
    return n;
}

}  // namespace

int CChipCatalog::GetTypeCount() const { return m_types.GetSize(); }
CString CChipCatalog::GetTypeName(int nIndex) const { return m_types.GetAt(nIndex); }
void CChipCatalog::AddTypeName(const CString& strName) { m_types.Add(strName); }
void CChipCatalog::SetTypeName(int nIndex, const CString& strName) { m_types.SetAt(nIndex, strName); }
void CChipCatalog::RemoveTypeName(int nIndex) { m_types.RemoveAt(nIndex); }

int CChipCatalog::GetEntryCount() const { return m_entries.GetSize(); }

CString CChipCatalog::GetEntryName(int nIndex) const
{
    return IsValidEntry(nIndex) ? m_entries[nIndex].name : CString("Error chip");
}

BYTE CChipCatalog::GetByte(int nIndex, int nByte) const
{
    return IsValidEntry(nIndex) ? m_entries[nIndex].settings[nByte] : 0;
}

ChipSettings CChipCatalog::GetSettings(int nIndex) const
{
    return IsValidEntry(nIndex) ? m_entries[nIndex].settings : ChipSettings();
}

void CChipCatalog::SetEntry(int nIndex, const CString& strName, const BYTE* pSettings)
{
    if (!IsValidEntry(nIndex))
        return;
    ChipEntry& entry = m_entries[nIndex];
    entry.name = strName;
    std::memcpy(entry.settings.data(), pSettings, ChipSettings::Size);
}

int CChipCatalog::FindEntryByName(const char* pszName) const
{
    for (int i = 0; i < m_entries.GetSize(); ++i)
        if (_mbscmp(pszName, m_entries[i].name) == 0)
            return i;
    return -1;
}

void CChipCatalog::AddEmptyEntry()
{
    m_entries.Append();
}

void CChipCatalog::RemoveEntry(int nIndex)
{
    m_entries.RemoveAt(nIndex);
}

void CChipCatalog::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
        Store(ar);
    else
        Load(ar);
}

void CChipCatalog::Store(CArchive& ar) const
{
    ar << m_types;
    BYTE count[4];
    StoreLE32(static_cast<std::uint32_t>(m_entries.GetSize()), count);
    ar.Write(count, sizeof count);
    for (int i = 0; i < m_entries.GetSize(); ++i) {
        ar << m_entries[i].name;
        ar.Write(m_entries[i].settings.data(), ChipSettings::Size);
    }
}

void CChipCatalog::Load(CArchive& ar)
{
    LoadStrings(ar, m_types, "type count", "type name");

    // The count is read raw: bytes the file no longer holds keep the earlier value.
    ar.SetContext("entry count");
    BYTE count[4];
    StoreLE32(static_cast<std::uint32_t>(m_entries.GetSize()), count);
    ar.Read(count, sizeof count);
    LONG nCount = static_cast<LONG>(LoadLE32(count));
    // Every entry needs at least the one byte of its name's length.
    if (nCount < 0)
        ar.ThrowBadFormat(CString("the entry count is negative"));
    if (static_cast<std::size_t>(nCount) > ar.BytesLeft())
        ar.ThrowBadFormat(CString("the entry count is larger than the bytes left"));

    // Stored entries overwrite those at their index; the rest are appended as they are
    // read, so no entry is made empty only to be overwritten.
    m_entries.PrepareSize(nCount);
    const int nKept = m_entries.GetSize();
    for (int i = 0; i < nCount; ++i)
        LoadEntry(ar, i, i < nKept ? m_entries[i] : m_entries.Append());
}

void CChipCatalog::LoadEntry(CArchive& ar, int nIndex, ChipEntry& entry)
{
    ar.SetContext("entry", nIndex, "name");
    ar >> entry.name;
    ar.SetContext("entry", nIndex, "settings");
    ar.Read(entry.settings.data(), ChipSettings::Size);
}
