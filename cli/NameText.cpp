#include "NameText.h"

#include <cstdio>

void AppendDisplayText(std::string& out, const std::string& strAnsi, CodePage cp)
{
    for (char ch : strAnsi) {
        const unsigned char b = static_cast<unsigned char>(ch);
        if (b >= 0x20 && b < 0x7F) {
            out += ch;
            continue;
        }
        if (b >= 0x80 && AnsiIsDefined(b, cp)) {
            out += AnsiToUtf8(std::string(1, ch), cp);
            continue;
        }
        static const char kDigits[] = "0123456789ABCDEF";
        out += "\\x";
        out += kDigits[b >> 4];
        out += kDigits[b & 0xF];
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

std::string MessageText(const std::string& strUtf8)
{
    static const char kDigits[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(strUtf8.size());
    for (std::size_t i = 0; i < strUtf8.size();) {
        const std::size_t nStart = i;
        char32_t c = 0;
        const bool bValid = NextUtf8CodePoint(strUtf8, i, c);
        if (bValid && c >= 0x20 && c != 0x7F && !(c >= 0x80 && c < 0xA0)) {
            out.append(strUtf8, nStart, i - nStart);
            continue;
        }
        // Of a bad sequence only the first byte is escaped, so the next starts afresh.
        if (!bValid)
            i = nStart + 1;
        for (std::size_t k = nStart; k < i; ++k) {
            const unsigned char b = static_cast<unsigned char>(strUtf8[k]);
            out += "\\x";
            out += kDigits[b >> 4];
            out += kDigits[b & 0xF];
        }
    }
    return out;
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
