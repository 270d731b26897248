#include "Commands.h"

#include "Archive.h"
#include "ChipView.h"
#include "NameText.h"

#include <cstdio>
#include <cstring>

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

std::string Label(const ArchiveItem& item)
{
    std::string strLabel = item.pszWhat;
    if (item.nIndex >= 0)
        strLabel += " " + std::to_string(item.nIndex);
    if (item.pszPart)
        strLabel += std::string(" ") + item.pszPart;
    return strLabel;
}

std::string ShortReadNote(const ArchiveItem& item, const char* pszWhat)
{
    return " (the file ends after " + std::to_string(item.nLength) + " of its " + std::to_string(item.nValue) +
           " " + pszWhat + "; the rest " + (item.nLength ? "read" : "reads") + " as 0)";
}

// Prints each item as the loader reads it, so the dump can never disagree with a load.
class CLayoutDump : public IArchiveObserver {
public:
    CLayoutDump(const std::vector<BYTE>& bytes, CodePage cp) : m_bytes(bytes), m_cp(cp) {}

    void OnArchiveItem(const ArchiveItem& item) override
    {
        switch (item.kind) {
        case ArchiveItem::count:
            Line(item, Label(item) + ": " + std::to_string(item.nValue));
            break;
        case ArchiveItem::stringLength:
            Line(item, Label(item) + " length: " + std::to_string(item.nValue) +
                           (item.bWide ? " UTF-16 units (wide)" : ""));
            break;
        case ArchiveItem::string:
            Line(item, Label(item) + ": " + QuotedText(item.pText->Str(), m_cp));
            break;
        case ArchiveItem::raw:
            if (item.pszPart && std::strcmp(item.pszPart, "settings") == 0)
                Settings(item);
            else
                Line(item, Label(item) + ": " + std::to_string(RawLE32(item)) +
                               (item.nLength < item.nValue ? ShortReadNote(item, "bytes") : ""));
            break;
        }
    }

    void Trailing(std::size_t nOffset)
    {
        const std::size_t nLeft = m_bytes.size() - nOffset;
        if (nLeft == 0)
            return;
        const std::size_t nShown = std::min(nLeft, kTrailingShown);
        Emit(m_out, nOffset, m_bytes.data() + nOffset, nShown,
             std::to_string(nLeft) + " bytes after the catalogue; a load ignores them" +
                 (nShown < nLeft ? " (first " + std::to_string(nShown) + " shown)" : ""));
    }

    void Break(const CArchiveException& e, std::size_t nPosition)
    {
        const std::size_t nFrom = std::min(e.m_nOffset >= 0 ? static_cast<std::size_t>(e.m_nOffset) : nPosition,
                                           m_bytes.size());
        const std::size_t nShown = std::min(m_bytes.size() - nFrom, kTrailingShown);
        Emit(m_out, nFrom, m_bytes.data() + nFrom, nShown, "BREAK: " + e.GetErrorMessage().Str());
    }

    std::string& Text() { return m_out; }

private:
    void Line(const ArchiveItem& item, const std::string& strText)
    {
        Emit(m_out, item.nOffset, m_bytes.data() + item.nOffset, item.nLength, strText);
    }

    // The entry count as the loader takes it into a fresh catalogue: bytes the file no
    // longer holds stay 0.
    std::uint32_t RawLE32(const ArchiveItem& item) const
    {
        std::uint32_t n = 0;
        for (std::size_t k = std::min<std::size_t>(item.nLength, 4); k-- > 0;)
            n = (n << 8) | m_bytes[item.nOffset + k];
        return n;
    }

    void Settings(const ArchiveItem& item)
    {
        ChipSettings s;
        std::memcpy(s.data(), m_bytes.data() + item.nOffset, item.nLength);
        const std::string strEntry = std::string(item.pszWhat) + " " + std::to_string(item.nIndex);
        for (const ChipField& field : ChipFieldsByByte(FamilyOfKind(s[ChipSettings::Kind]))) {
            if (static_cast<std::size_t>(field.nByte + field.ByteCount()) > item.nLength)
                break;
            Emit(m_out, item.nOffset + static_cast<std::size_t>(field.nByte), s.data() + field.nByte,
                 static_cast<std::size_t>(field.ByteCount()),
                 "  " + strEntry + " " + field.pszName + ": " + FieldText(field, s));
        }
        if (item.nLength < item.nValue)
            Emit(m_out, item.nOffset + item.nLength, nullptr, 0,
                 "  " + strEntry + ":" + ShortReadNote(item, "settings bytes").substr(1));
    }

    const std::vector<BYTE>& m_bytes;
    CodePage m_cp;
    std::string m_out;
};

}  // namespace

void RunDump(CliContext& ctx)
{
    const std::vector<BYTE> bytes = ReadFileBytes(ctx.strFile);
    CLayoutDump dump(bytes, ctx.cp);
    CArchive ar(bytes.data(), bytes.size(), ctx.strFile.c_str());
    ar.SetObserver(&dump);
    CChipCatalog catalog;
    try {
        catalog.Serialize(ar);
        dump.Trailing(ar.GetPosition());
        dump.Text() += "loads: " + std::to_string(catalog.GetTypeCount()) + " types, " +
                       std::to_string(catalog.GetEntryCount()) + " chips, " + std::to_string(bytes.size()) +
                       " bytes\n";
    } catch (const CArchiveException& e) {
        dump.Break(e, ar.GetPosition());
        dump.Text() += "does not load: " + e.GetErrorMessage().Str() + "\n";
    }
    ctx.out << dump.Text();
}
