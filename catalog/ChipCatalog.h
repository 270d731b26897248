#pragma once

#include "ChipEntryArray.h"
#include "String.h"

class CArchive;

// The whole chip catalogue in memory: the type names and the chip entries, with the
// single routine that loads or stores it.
class CChipCatalog {
public:
    CChipCatalog() = default;
    virtual ~CChipCatalog() = default;
    CChipCatalog(const CChipCatalog&) = delete;
    CChipCatalog& operator=(const CChipCatalog&) = delete;

    int GetTypeCount() const;
    CString GetTypeName(int nIndex) const;
    void AddTypeName(const CString& strName);
    void SetTypeName(int nIndex, const CString& strName);
    void RemoveTypeName(int nIndex);

    int GetEntryCount() const;
    // "Error chip" for an index out of range.
    CString GetEntryName(int nIndex) const;
    // One settings byte of an entry, or 0 for an index out of range.
    BYTE GetPowerPins(int nIndex) const { return GetByte(nIndex, ChipSettings::PowerPins); }
    int GetLength(int nIndex) const { return GetSettings(nIndex).GetLength(); }
    BYTE GetAddressFormat(int nIndex) const { return GetByte(nIndex, ChipSettings::AddressFormat); }
    BYTE GetClkMask(int nIndex) const { return GetByte(nIndex, ChipSettings::ClkMask); }
    BYTE GetDataOutMask(int nIndex) const { return GetByte(nIndex, ChipSettings::DataOutMask); }
    BYTE GetDataInMask(int nIndex) const { return GetByte(nIndex, ChipSettings::DataInMask); }
    BYTE GetWriteBufferOrCsMask(int nIndex) const { return GetByte(nIndex, ChipSettings::WriteBufferOrCsMask); }
    BYTE GetKind(int nIndex) const { return GetByte(nIndex, ChipSettings::Kind); }
    // All twelve bytes of an entry; zeros for an index out of range.
    ChipSettings GetSettings(int nIndex) const;
    void SetEntry(int nIndex, const CString& strName, const BYTE* pSettings);
    // The first entry in file order whose name equals pszName as the chip list compares
    // names (_mbscmp: up to the first NUL byte), or -1. Edit chip, Delete Chip and
    // orvane-cli all find a chip by name this way.
    int FindEntryByName(const char* pszName) const;
    void AddEmptyEntry();
    void RemoveEntry(int nIndex);

    // Loads or stores the whole catalogue. A load checks every count against the bytes
    // left and raises CArchiveException before allocating for a count the data cannot
    // hold.
    void Serialize(CArchive& ar);
    // The storing half of Serialize, for a catalogue that is not to be changed.
    void Store(CArchive& ar) const;

    const CStringArray& Types() const { return m_types; }
    const CChipEntryArray& Entries() const { return m_entries; }

private:
    bool IsValidEntry(int nIndex) const { return nIndex >= 0 && nIndex < m_entries.GetSize(); }
    BYTE GetByte(int nIndex, int nByte) const;
    void Load(CArchive& ar);
    static void LoadEntry(CArchive& ar, int nIndex, ChipEntry& entry);

    CStringArray m_types;
    CChipEntryArray m_entries;
};
