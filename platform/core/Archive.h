#pragma once

#include "String.h"

#include <cstdint>
#include <exception>
#include <string>
#include <vector>

// The failure an archive raises. Besides the framework's cause and file name it says
// where in the file it happened and what was being read.
class CArchiveException : public std::exception {
public:
    enum Cause { none, generic, readOnly, endOfFile, writeOnly, badIndex, badClass, badSchema };

    CArchiveException(int cause, CString strFileName, long long nOffset = -1, CString strWhat = "",
                      CString strDetail = "");

    // The framework's text with the file name, followed by offset and context when known,
    // for example "An attempt was made to access Progr.ini past its end (entry 12 name,
    // byte offset 345)."
    CString GetErrorMessage() const;
    const char* what() const noexcept override;

    int m_cause;
    CString m_strFileName;
    long long m_nOffset;
    CString m_strWhat;
    CString m_strDetail;

private:
    std::string m_strMessage;
};

// One item a loading archive has read: where it starts, how many bytes it took, and
// what the loader was reading ("entry 12 name": what "entry", index 12, part "name").
struct ArchiveItem {
    enum Kind { count, stringLength, string, raw };
    Kind kind;
    std::size_t nOffset;
    std::size_t nLength;
    std::uint64_t nValue;    // the count or length read; for raw reads, the bytes asked for
    bool bWide;              // a string length that followed the wide marker
    const CString* pText;    // the string read, for kind string
    const char* pszWhat;
    long long nIndex;        // -1 when the item has no index
    const char* pszPart;     // null when the item has no part
};

// Told of every item a loading archive reads, in order; tools use it to show a file's
// layout exactly as the loader sees it.
class IArchiveObserver {
public:
    virtual ~IArchiveObserver() = default;
    virtual void OnArchiveItem(const ArchiveItem& item) = 0;
};

// A serialisation stream over memory. A loading archive reads from a buffer the caller
// owns; a storing archive collects the bytes, which the caller then writes where it
// wants.
class CArchive {
public:
    enum Mode { store = 0, load = 1 };

    // A loading archive over bytes the caller keeps alive; strFileName names them in
    // failures.
    CArchive(const void* pData, std::size_t nSize, CString strFileName);
    // A storing archive: TakeStoredBytes() hands over what was stored.
    CArchive();
    ~CArchive();
    CArchive(const CArchive&) = delete;
    CArchive& operator=(const CArchive&) = delete;

    BOOL IsLoading() const { return m_nMode == load; }
    BOOL IsStoring() const { return m_nMode == store; }

    // Raw reads never fail at the end of the data: they return what was there.
    UINT Read(void* lpBuf, UINT nMax);
    void Write(const void* lpBuf, UINT nMax);

    CArchive& operator<<(BYTE b);
    CArchive& operator<<(WORD w);
    CArchive& operator<<(DWORD dw);
    CArchive& operator<<(LONG l);
    CArchive& operator>>(BYTE& b);
    CArchive& operator>>(WORD& w);
    CArchive& operator>>(DWORD& dw);
    CArchive& operator>>(LONG& l);

    // Counts: WORD, or FFFF and a DWORD (a further FFFFFFFF and QWORD is read, never
    // written). The value is returned as read; callers check it against BytesLeft().
    std::uint64_t ReadCount();
    void WriteCount(std::uint64_t nCount);

    // What the next failure names as being read: "<pszWhat> <nIndex> <pszPart>", the
    // index left out when negative and the part when null ("entry 12 name"). The
    // pointers must stay valid until the next SetContext; string literals do.
    void SetContext(const char* pszWhat, long long nIndex = -1, const char* pszPart = nullptr);
    CString GetContext() const;
    // Reports every item read from now on; null stops the reports.
    void SetObserver(IArchiveObserver* pObserver) { m_pObserver = pObserver; }
    // Bytes not yet read (load) and the offset of the next byte (load or store).
    std::size_t BytesLeft() const { return m_nSize - m_nPos; }
    std::size_t GetPosition() const { return IsLoading() ? m_nPos : m_stored.size(); }
    std::vector<BYTE> TakeStoredBytes() { return std::move(m_stored); }

    // The next nBytes of a loading archive, which it then moves past; raises
    // CArchiveException(endOfFile) when fewer are left.
    const BYTE* Take(std::size_t nBytes);
    // A string's length prefix; bWide tells that the FF FE FF wide marker preceded it.
    std::uint64_t ReadStringLength(bool& bWide);
    // The shortest length prefix for nLength 8-bit characters.
    void WriteStringLength(std::size_t nLength);

    // Tells the observer, if any, of the item that began at nStart and ends here.
    void Report(ArchiveItem::Kind kind, std::size_t nStart, std::uint64_t nValue, bool bWide = false,
                const CString* pText = nullptr) const;

    // Raises CArchiveException(endOfFile) with the context and the offset where the
    // item named by the context began (the current offset when there is none).
    [[noreturn]] void ThrowEndOfFile() const;
    // Raises CArchiveException(badIndex) ("has a bad format") with the context.
    [[noreturn]] void ThrowBadFormat(const CString& strDetail) const;

private:
    void Need(std::size_t n) const;
    std::uint64_t ReadLE(int nBytes);
    void WriteLE(std::uint64_t v, int nBytes);
    long long ContextOffset() const;

    int m_nMode;
    CString m_strFileName;
    IArchiveObserver* m_pObserver = nullptr;
    const char* m_pszContextWhat = "";
    long long m_nContextIndex = -1;
    const char* m_pszContextPart = nullptr;
    long long m_nContextOffset = -1;
    std::vector<BYTE> m_owned;
    const BYTE* m_pData = nullptr;
    std::size_t m_nSize = 0;
    std::size_t m_nPos = 0;
    std::vector<BYTE> m_stored;
};

CArchive& operator<<(CArchive& ar, const CString& s);
CArchive& operator>>(CArchive& ar, CString& s);

// A string array is stored as WriteCount(size) and then every element. Loading checks
// the count against the bytes left before the array grows, and names what it reads in
// failures: pszCountWhat for the count, pszItemWhat and the index for each element
// ("type count", "type name 3").
CArchive& operator<<(CArchive& ar, const CStringArray& strings);
void LoadStrings(CArchive& ar, CStringArray& strings, const char* pszCountWhat = "string count",
                 const char* pszItemWhat = "string");
