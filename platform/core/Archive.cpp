#include "Archive.h"

#include "CodePage.h"

#include <algorithm>
#include <climits>
#include <cstring>

namespace {

// The framework's English texts, indexed by cause; %1 is the file name.
const char* const kCauseTexts[] = {
    "An unknown error occurred while accessing %1.",                     // none
    "An unknown error occurred while accessing %1.",                     // generic
    "An attempt was made to write to %1 while it was being read.",       // readOnly
    "An attempt was made to access %1 past its end.",                    // endOfFile
    "An attempt was made to read from %1 while it was being written.",   // writeOnly
    "%1 has a bad format.",                                              // badIndex
    "%1 contained an unexpected object.",                                // badClass
    "%1 contains an incorrect schema.",                                  // badSchema
};

std::string BaseText(int nCause, const CString& strFileName)
{
    const int nTexts = static_cast<int>(sizeof kCauseTexts / sizeof kCauseTexts[0]);
    std::string text = kCauseTexts[nCause >= 0 && nCause < nTexts ? nCause : 1];
    std::string name = strFileName.IsEmpty() ? "an unnamed file" : strFileName.Str();
    std::size_t at = text.find("%1");
    text.replace(at, 2, name);
    if (at == 0 && strFileName.IsEmpty())
        text[0] = 'A';
    return text;
}

}  // namespace

CArchiveException::CArchiveException(int cause, CString strFileName, long long nOffset,
                                     CString strWhat, CString strDetail)
    : m_cause(cause), m_strFileName(std::move(strFileName)), m_nOffset(nOffset),
      m_strWhat(std::move(strWhat)), m_strDetail(std::move(strDetail))
{
    m_strMessage = GetErrorMessage().Str();
}

CString CArchiveException::GetErrorMessage() const
{
    std::string text = BaseText(m_cause, m_strFileName);
    std::string where = m_strWhat.Str();
    if (m_nOffset >= 0)
        where += (where.empty() ? "" : ", ") + std::string("byte offset ") + std::to_string(m_nOffset);
    if (!m_strDetail.IsEmpty())
        where += (where.empty() ? "" : ": ") + m_strDetail.Str();
    if (!where.empty())
        text.insert(text.size() - 1, " (" + where + ")");
    return CString(std::move(text));
}

const char* CArchiveException::what() const noexcept
{
    return m_strMessage.c_str();
}

CArchive::CArchive(const void* pData, std::size_t nSize, CString strFileName)
    : m_nMode(load), m_strFileName(std::move(strFileName)),
      m_pData(static_cast<const BYTE*>(pData)), m_nSize(pData ? nSize : 0)
{
}

CArchive::CArchive() : m_nMode(store) {}

CArchive::~CArchive() = default;

void CArchive::SetContext(const char* pszWhat, long long nIndex, const char* pszPart)
{
    m_pszContextWhat = pszWhat ? pszWhat : "";
    m_nContextIndex = nIndex;
    m_pszContextPart = pszPart;
    m_nContextOffset = static_cast<long long>(GetPosition());
}

CString CArchive::GetContext() const
{
    std::string s = m_pszContextWhat;
    if (m_nContextIndex >= 0)
        s += " " + std::to_string(m_nContextIndex);
    if (m_pszContextPart)
        s += std::string(" ") + m_pszContextPart;
    return CString(std::move(s));
}

void CArchive::Report(ArchiveItem::Kind kind, std::size_t nStart, std::uint64_t nValue, bool bWide,
                      const CString* pText) const
{
    if (m_pObserver)
        m_pObserver->OnArchiveItem({kind, nStart, m_nPos - nStart, nValue, bWide, pText, m_pszContextWhat,
                                    m_nContextIndex, m_pszContextPart});
}

long long CArchive::ContextOffset() const
{
    return m_nContextOffset >= 0 ? m_nContextOffset : static_cast<long long>(GetPosition());
}

void CArchive::ThrowEndOfFile() const
{
    throw CArchiveException(CArchiveException::endOfFile, m_strFileName, ContextOffset(),
                            GetContext());
}

void CArchive::ThrowBadFormat(const CString& strDetail) const
{
    throw CArchiveException(CArchiveException::badIndex, m_strFileName, ContextOffset(),
                            GetContext(), strDetail);
}

void CArchive::Need(std::size_t n) const
{
    if (!IsLoading())
        throw CArchiveException(CArchiveException::writeOnly, m_strFileName);
    if (n > BytesLeft())
        ThrowEndOfFile();
}

UINT CArchive::Read(void* lpBuf, UINT nMax)
{
    if (!IsLoading())
        throw CArchiveException(CArchiveException::writeOnly, m_strFileName);
    const std::size_t nStart = m_nPos;
    std::size_t n = std::min<std::size_t>(nMax, BytesLeft());
    if (n)
        std::memcpy(lpBuf, m_pData + m_nPos, n);
    m_nPos += n;
    Report(ArchiveItem::raw, nStart, nMax);
    return static_cast<UINT>(n);
}

void CArchive::Write(const void* lpBuf, UINT nMax)
{
    if (!IsStoring())
        throw CArchiveException(CArchiveException::readOnly, m_strFileName);
    const BYTE* p = static_cast<const BYTE*>(lpBuf);
    m_stored.insert(m_stored.end(), p, p + nMax);
}

const BYTE* CArchive::Take(std::size_t n)
{
    Need(n);
    const BYTE* p = m_pData + m_nPos;
    m_nPos += n;
    return p;
}

std::uint64_t CArchive::ReadLE(int nBytes)
{
    const BYTE* p = Take(static_cast<std::size_t>(nBytes));
    std::uint64_t v = 0;
    for (int i = nBytes - 1; i >= 0; --i)
        v = (v << 8) | p[i];
    return v;
}

void CArchive::WriteLE(std::uint64_t v, int nBytes)
{
    BYTE buf[8];
    for (int i = 0; i < nBytes; ++i)
        buf[i] = static_cast<BYTE>(v >> (8 * i));
    Write(buf, static_cast<UINT>(nBytes));
}

CArchive& CArchive::operator<<(BYTE b) { WriteLE(b, 1); return *this; }
CArchive& CArchive::operator<<(WORD w) { WriteLE(w, 2); return *this; }
CArchive& CArchive::operator<<(DWORD dw) { WriteLE(dw, 4); return *this; }
CArchive& CArchive::operator<<(LONG l) { WriteLE(static_cast<DWORD>(l), 4); return *this; }
CArchive& CArchive::operator>>(BYTE& b) { b = static_cast<BYTE>(ReadLE(1)); return *this; }
CArchive& CArchive::operator>>(WORD& w) { w = static_cast<WORD>(ReadLE(2)); return *this; }
CArchive& CArchive::operator>>(DWORD& dw) { dw = static_cast<DWORD>(ReadLE(4)); return *this; }
CArchive& CArchive::operator>>(LONG& l) { l = static_cast<LONG>(static_cast<DWORD>(ReadLE(4))); return *this; }

std::uint64_t CArchive::ReadCount()
{
    const std::size_t nStart = m_nPos;
    std::uint64_t n = ReadLE(2);
    if (n == 0xFFFF)
        n = ReadLE(4);
    if (n == 0xFFFFFFFF)
        n = ReadLE(8);
    Report(ArchiveItem::count, nStart, n);
    return n;
}

void CArchive::WriteCount(std::uint64_t nCount)
{
    if (nCount >= 0xFFFFFFFF)
        throw CArchiveException(CArchiveException::generic, m_strFileName, -1, "",
                                "a count of 4294967295 or more cannot be written");
    if (nCount < 0xFFFF) {
        WriteLE(nCount, 2);
    } else {
        WriteLE(0xFFFF, 2);
        WriteLE(nCount, 4);
    }
}

// The length prefix of a string: a BYTE, then if FF a WORD, then if FFFF a DWORD, then
// if FFFFFFFF a QWORD. FF FE FF marks a wide string and starts the prefix over once.
std::uint64_t CArchive::ReadStringLength(bool& bWide)
{
    const std::size_t nStart = m_nPos;
    bWide = false;
    std::uint64_t n = ReadLE(1);
    if (n == 0xFF) {
        n = ReadLE(2);
        if (n == 0xFFFE) {
            bWide = true;
            n = ReadLE(1);
            if (n == 0xFF)
                n = ReadLE(2);
        }
    }
    if (n == 0xFFFF)
        n = ReadLE(4);
    if (n == 0xFFFFFFFF)
        n = ReadLE(8);
    Report(ArchiveItem::stringLength, nStart, n, bWide);
    return n;
}

void CArchive::WriteStringLength(std::size_t nLength)
{
    if (nLength < 0xFF) {
        WriteLE(nLength, 1);
    } else if (nLength < 0xFFFE) {
        WriteLE(0xFF, 1);
        WriteLE(nLength, 2);
    } else {
        WriteLE(0xFFFFFF, 3);
        WriteLE(nLength, 4);
    }
}

CArchive& operator<<(CArchive& ar, const CString& s)
{
    const std::string& str = s.Str();
    ar.WriteStringLength(str.size());
    ar.Write(str.data(), static_cast<UINT>(str.size()));
    return ar;
}

CArchive& operator>>(CArchive& ar, CString& s)
{
    bool bWide = false;
    std::uint64_t nLength = ar.ReadStringLength(bWide);
    // The length is checked before anything is allocated for it.
    std::uint64_t nLeft = ar.BytesLeft();
    if (nLength > (bWide ? nLeft / 2 : nLeft))
        ar.ThrowEndOfFile();
    std::size_t nBytes = static_cast<std::size_t>(bWide ? nLength * 2 : nLength);
    const std::size_t nStart = ar.GetPosition();
    const BYTE* p = ar.Take(nBytes);
    if (!bWide) {
        s.Str().assign(reinterpret_cast<const char*>(p), nBytes);
    } else {
        std::u16string units(static_cast<std::size_t>(nLength), u'\0');
        for (std::size_t i = 0; i < units.size(); ++i)
            units[i] = static_cast<char16_t>(p[2 * i] | (p[2 * i + 1] << 8));
        s = CString(Utf16ToAnsi(units, SystemAnsiCodePage()));
    }
    ar.Report(ArchiveItem::string, nStart, nLength, bWide, &s);
    return ar;
}

CArchive& operator<<(CArchive& ar, const CStringArray& strings)
{
    ar.WriteCount(static_cast<std::size_t>(strings.GetSize()));
    for (int i = 0; i < strings.GetSize(); ++i)
        ar << strings[i];
    return ar;
}

void LoadStrings(CArchive& ar, CStringArray& strings, const char* pszCountWhat, const char* pszItemWhat)
{
    ar.SetContext(pszCountWhat);
    std::uint64_t nCount = ar.ReadCount();
    // Every string takes at least one byte, so a larger count cannot be genuine.
    if (nCount > ar.BytesLeft())
        ar.ThrowBadFormat(CString("the count is larger than the bytes left"));
    if (nCount > static_cast<std::uint64_t>(INT_MAX))
        ar.ThrowBadFormat(CString("the count is larger than an array holds"));
    strings.SetSize(static_cast<int>(nCount));
    for (int i = 0; i < strings.GetSize(); ++i) {
        ar.SetContext(pszItemWhat, i);
        ar >> strings[i];
    }
}
