#pragma once

#include "Archive.h"

#include <initializer_list>
#include <string>
#include <vector>

// Byte strings as the archive stores them, for the tests of the archive and the catalogue file.
using Bytes = std::vector<BYTE>;

// "01 0a FF" -> {0x01, 0x0A, 0xFF}; spaces are ignored.
inline Bytes Hex(const std::string& text)
{
    Bytes out;
    std::string digits;
    for (char ch : text) {
        if (ch == ' ')
            continue;
        digits += ch;
        if (digits.size() == 2) {
            out.push_back(static_cast<BYTE>(std::stoi(digits, nullptr, 16)));
            digits.clear();
        }
    }
    return out;
}

inline Bytes Concat(std::initializer_list<Bytes> parts)
{
    Bytes out;
    for (const Bytes& p : parts)
        out.insert(out.end(), p.begin(), p.end());
    return out;
}

inline Bytes StoredString(const CString& s)
{
    CArchive ar;
    ar << s;
    return ar.TakeStoredBytes();
}
