#pragma once

#include "String.h"

#include <array>
#include <vector>

// Twelve raw settings bytes, byte 0 first; their meaning depends on the kind (byte 11).
struct ChipSettings {
    enum Byte {
        PowerPins = 0, LengthLow = 1, LengthHigh = 2, AddressFormat = 3, ClkMask = 4,
        DataOutMask = 5, DataInMask = 6, WriteBufferOrCsMask = 7, DeviceAddress = 8,
        PortWrite = 9, PortRead = 10, Kind = 11, Size = 12
    };
    std::array<BYTE, Size> bytes{};

    // The 16-bit length in bytes 1 (low) and 2 (high). A form stores the low byte of
    // the value entered and the low byte of that value divided by 256.
    int GetLength() const { return bytes[LengthLow] + 256 * bytes[LengthHigh]; }
    void SetLength(int nLength)
    {
        bytes[LengthLow] = static_cast<BYTE>(nLength & 0xFF);
        bytes[LengthHigh] = static_cast<BYTE>((nLength / 256) & 0xFF);
    }

    BYTE& operator[](int n) { return bytes[static_cast<std::size_t>(n)]; }
    BYTE operator[](int n) const { return bytes[static_cast<std::size_t>(n)]; }
    const BYTE* data() const { return bytes.data(); }
    BYTE* data() { return bytes.data(); }
    friend bool operator==(const ChipSettings& a, const ChipSettings& b) { return a.bytes == b.bytes; }
    friend bool operator!=(const ChipSettings& a, const ChipSettings& b) { return !(a == b); }
};

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
