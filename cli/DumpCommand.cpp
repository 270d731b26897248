#include "Commands.h"

#include "Archive.h"
#include "ChipView.h"
#include "NameText.h"

#include <cstdio>

namespace {

const std::size_t kBytesPerLine = 16;
const std::size_t kTrailingShown = 64;

// Writes "offset  bytes  what they are" lines, 16 bytes to a line.
void Emit(std::string& out, std::size_t nOffset, const BYTE* p, std::size_t n, const std::string& strText)
{
    static const char kDigits[] = "0123456789ABCDEF";
    std::size_t nDone = 0;
    do {
        char szOffset[24];
        std::snprintf(szOffset, sizeof szOffset, "%08zX  ", nOffset + nDone);
        std::string strLine = szOffset;
        for (std::size_t k = nDone; k < n && k < nDone + kBytesPerLine; ++k) {
            strLine += kDigits[p[k] >> 4];
            strLine += kDigits[p[k] & 0xF];
            strLine += ' ';
        }
        strLine.resize(10 + kBytesPerLine * 3, ' ');
        if (nDone == 0)
            strLine += " " + strText;
        out += strLine;
        out += '\n';
        nDone += kBytesPerLine;
    } while (nDone < n);
}

class CatalogDump {
public:
    CatalogDump(const std::vector<BYTE>& bytes, const std::string& strPath, CodePage cp)
        : m_bytes(bytes), m_ar(bytes.data(), bytes.size(), strPath), m_cp(cp)
    {
    }

    std::string Run()
    {
        try {
            DumpTypes();
            DumpEntries();
            DumpTrailing();
        } catch (const CArchiveException& e) {
            DumpBreak(e);
        }
        return std::move(m_out);
    }

private:
    std::size_t Pos() const { return m_ar.GetPosition(); }
    void Line(std::size_t nFrom, const std::string& strText)
    {
        Emit(m_out, nFrom, m_bytes.data() + nFrom, Pos() - nFrom, strText);
    }

    void DumpString(const char* pszWhat, long long nIndex, const std::string& strLabel)
    {
        m_ar.SetContext(pszWhat, nIndex, "name");
        std::size_t nStart = Pos();
        bool bWide = false;
        std::uint64_t nLength = m_ar.ReadStringLength(bWide);
        const std::uint64_t nUnit = bWide ? 2 : 1;
        Line(nStart, strLabel + " name length: " + std::to_string(nLength) + (bWide ? " UTF-16 units (wide)" : ""));
        if (nLength > m_ar.BytesLeft() / nUnit)
            m_ar.ThrowEndOfFile();
        nStart = Pos();
        const BYTE* p = m_ar.Take(static_cast<std::size_t>(nLength * nUnit));
        std::string strName(reinterpret_cast<const char*>(p), static_cast<std::size_t>(nLength));
        if (bWide) {
            std::u16string units;
            for (std::uint64_t k = 0; k < nLength; ++k)
                units += static_cast<char16_t>(p[2 * k] | (p[2 * k + 1] << 8));
            strName = Utf16ToAnsi(units, m_cp);
        }
        Line(nStart, strLabel + " name: " + QuotedText(strName, m_cp));
    }

    void DumpTypes()
    {
        m_ar.SetContext("type count");
        std::size_t nStart = Pos();
        std::uint64_t nCount = m_ar.ReadCount();
        Line(nStart, "type count: " + std::to_string(nCount));
        for (std::uint64_t i = 0; i < nCount; ++i)
            DumpString("type", static_cast<long long>(i), "type " + std::to_string(i));
    }

    void DumpEntries()
    {
        m_ar.SetContext("entry count");
        std::size_t nStart = Pos();
        BYTE count[4] = {};
        UINT nGot = m_ar.Read(count, sizeof count);
        const LONG nCount = static_cast<LONG>(count[0] | count[1] << 8 | count[2] << 16 | static_cast<DWORD>(count[3]) << 24);
        std::string strText = "entry count: " + std::to_string(nCount);
        if (nGot < sizeof count)
            strText += " (the file ends after " + std::to_string(nGot) + " of its 4 bytes; the rest read as 0)";
        Line(nStart, strText);
        // The load stops here too, before it makes room for the entries.
        if (nCount < 0)
            m_ar.ThrowBadFormat("the entry count is negative");
        if (static_cast<std::size_t>(nCount) > m_ar.BytesLeft())
            m_ar.ThrowBadFormat("the entry count is larger than the bytes left");
        for (LONG i = 0; i < nCount; ++i) {
            const std::string strLabel = "entry " + std::to_string(i);
            DumpString("entry", i, strLabel);
            DumpSettings(strLabel);
        }
    }

    void DumpSettings(const std::string& strLabel)
    {
        const std::size_t nStart = Pos();
        ChipSettings s;
        const UINT nGot = m_ar.Read(s.data(), ChipSettings::Size);
        for (const SettingsField& field : SettingsFieldsOf(s[ChipSettings::Kind])) {
            if (static_cast<UINT>(field.nByte + field.nCount) > nGot)
                break;
            Emit(m_out, nStart + static_cast<std::size_t>(field.nByte), s.data() + field.nByte,
                 static_cast<std::size_t>(field.nCount), "  " + strLabel + " " + field.pszLabel + ": " + FieldText(field, s));
        }
        if (nGot < ChipSettings::Size)
            Emit(m_out, nStart + nGot, nullptr, 0,
                 "  " + strLabel + ": the file ends after " + std::to_string(nGot) +
                     " of 12 settings bytes; the rest load as 0");
    }

    void DumpTrailing()
    {
        const std::size_t nLeft = m_ar.BytesLeft();
        if (nLeft == 0)
            return;
        const std::size_t nShown = std::min(nLeft, kTrailingShown);
        Emit(m_out, Pos(), m_bytes.data() + Pos(), nShown,
             std::to_string(nLeft) + " bytes after the catalogue; a load ignores them" +
                 (nShown < nLeft ? " (first " + std::to_string(nShown) + " shown)" : ""));
    }

    void DumpBreak(const CArchiveException& e)
    {
        const std::size_t nFrom = e.m_nOffset >= 0 ? static_cast<std::size_t>(e.m_nOffset) : Pos();
        const std::size_t nShown = std::min(m_bytes.size() - std::min(nFrom, m_bytes.size()), kTrailingShown);
        Emit(m_out, nFrom, m_bytes.data() + nFrom, nShown, "BREAK: " + e.GetErrorMessage().Str());
    }

    const std::vector<BYTE>& m_bytes;
    CArchive m_ar;
    CodePage m_cp;
    std::string m_out;
};

}  // namespace

void RunDump(CliContext& ctx)
{
    const std::vector<BYTE> bytes = ReadFileBytes(ctx.strFile);
    ctx.out << CatalogDump(bytes, ctx.strFile, ctx.cp).Run();
    CChipCatalog catalog;
    try {
        CCatalogFile::LoadFromBytes(catalog, bytes.data(), bytes.size(), ctx.strFile.c_str());
        ctx.out << "loads: " << catalog.GetTypeCount() << " types, " << catalog.GetEntryCount() << " chips, "
                << bytes.size() << " bytes\n";
    } catch (const CArchiveException& e) {
        ctx.out << "does not load: " << e.GetErrorMessage().Str() << '\n';
    }
}
