#pragma once

#include "ChipEntryArray.h"

#include <cstdio>
#include <initializer_list>
#include <sstream>
#include <string>

// Settings bytes as tests write them, "80 80 00 ..." or a list of values, and back.

inline ChipSettings SettingsFromHex(const char* pszHex)
{
    ChipSettings s;
    std::istringstream in(pszHex);
    for (int i = 0; i < ChipSettings::Size; ++i) {
        unsigned n = 0;
        in >> std::hex >> n;
        s[i] = static_cast<BYTE>(n);
    }
    return s;
}

inline ChipSettings SettingsOf(std::initializer_list<int> values)
{
    ChipSettings s;
    int i = 0;
    for (int v : values)
        s[i++] = static_cast<BYTE>(v);
    return s;
}

inline std::string HexOf(const ChipSettings& s)
{
    std::string str;
    char buf[4];
    for (int i = 0; i < ChipSettings::Size; ++i) {
        std::snprintf(buf, sizeof buf, i ? " %02X" : "%02X", s[i]);
        str += buf;
    }
    return str;
}
