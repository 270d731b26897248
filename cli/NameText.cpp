#include "NameText.h"

#include <cstdio>

void AppendDisplayText(std::string& out, const std::string& strAnsi, CodePage cp)
{
    for (std::size_t i = 0; i < strAnsi.size();) {
        const AnsiChar ch = AnsiCharAt(strAnsi, i, cp);
        const bool bShown = ch.kind == AnsiCharKind::Defined || ch.kind == AnsiCharKind::Variant;
        if (bShown && !IsControlChar(ch.c)) {
            out += AnsiToUtf8(strAnsi.substr(i, ch.nLength), cp);
        } else {
            for (std::size_t k = i; k < i + ch.nLength; ++k)
                AppendEscapedByte(out, static_cast<unsigned char>(strAnsi[k]));
        }
        i += ch.nLength;
    }
}

std::string DisplayText(const std::string& strAnsi, CodePage cp)
{
    std::string out;
    out.reserve(strAnsi.size());
    AppendDisplayText(out, strAnsi, cp);
    return out;
}

std::string QuotedText(const std::string& strAnsi, CodePage cp)
{
    return "\"" + DisplayText(strAnsi, cp) + "\"";
}

std::string HexEncode(const std::string& bytes, bool bSpaced)
{
    static const char kDigits[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(bytes.size() * 3);
    for (char ch : bytes) {
        unsigned char b = static_cast<unsigned char>(ch);
        if (bSpaced && !out.empty())
            out += ' ';
        out += kDigits[b >> 4];
        out += kDigits[b & 0xF];
    }
    return out;
}

bool HexDecode(const std::string& strHex, std::string& bytes)
{
    bytes.clear();
    int nHigh = -1;
    for (char ch : strHex) {
        if (ch == ' ')
            continue;
        int v = ch >= '0' && ch <= '9' ? ch - '0'
              : ch >= 'a' && ch <= 'f' ? ch - 'a' + 10
              : ch >= 'A' && ch <= 'F' ? ch - 'A' + 10 : -1;
        if (v < 0)
            return false;
        if (nHigh < 0) {
            nHigh = v;
        } else {
            bytes += static_cast<char>(nHigh * 16 + v);
            nHigh = -1;
        }
    }
    return nHigh < 0;
}
