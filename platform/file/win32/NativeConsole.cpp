#include "NativeConsole.h"

#include "NativeFile.h"

#include <windows.h>

namespace {
constexpr std::size_t kFlushAt = 4096;

// The length of the text up to the last whole UTF-8 character: a lead byte at the end
// whose sequence is not complete is left for the next write.
std::size_t WholeCharacters(const std::string& strText)
{
    const std::size_t nSize = strText.size();
    for (std::size_t nBack = 1; nBack <= 3 && nBack <= nSize; ++nBack) {
        const unsigned char b = static_cast<unsigned char>(strText[nSize - nBack]);
        if ((b & 0xC0) == 0x80)
            continue;
        const std::size_t nNeeded = b >= 0xF0 ? 4 : b >= 0xE0 ? 3 : b >= 0xC0 ? 2 : 1;
        return nNeeded > nBack ? nSize - nBack : nSize;
    }
    return nSize;
}
}  // namespace

std::string Utf8FromWide(const std::wstring& strWide) { return CNativeFile::Ansi(strWide, CP_UTF8); }

std::vector<std::string> Utf8Arguments(int argc, const wchar_t* const* argv)
{
    std::vector<std::string> args;
    for (int i = 0; i < argc; ++i)
        args.push_back(Utf8FromWide(argv[i]));
    return args;
}

CNativeConsoleBuf::CNativeConsoleBuf(bool bError)
    : m_hOutput(::GetStdHandle(bError ? STD_ERROR_HANDLE : STD_OUTPUT_HANDLE))
{
    DWORD nMode = 0;
    m_bConsole = ::GetConsoleMode(m_hOutput, &nMode) != FALSE;
}

CNativeConsoleBuf::~CNativeConsoleBuf() { Drain(true); }

CNativeConsoleBuf::int_type CNativeConsoleBuf::overflow(int_type ch)
{
    if (traits_type::eq_int_type(ch, traits_type::eof()))
        return sync() == 0 ? traits_type::not_eof(ch) : traits_type::eof();
    const char c = traits_type::to_char_type(ch);
    return xsputn(&c, 1) == 1 ? ch : traits_type::eof();
}

std::streamsize CNativeConsoleBuf::xsputn(const char* pText, std::streamsize nCount)
{
    m_strPending.append(pText, static_cast<std::size_t>(nCount));
    if (m_strPending.size() >= kFlushAt && !Drain(false))
        return 0;
    return nCount;
}

int CNativeConsoleBuf::sync() { return Drain(false) ? 0 : -1; }

bool CNativeConsoleBuf::Drain(bool bAll)
{
    const std::size_t nReady = bAll ? m_strPending.size() : WholeCharacters(m_strPending);
    if (nReady == 0 || m_bFailed)
        return !m_bFailed;
    DWORD nDone = 0;
    if (m_bConsole) {
        const std::wstring strWide = CNativeFile::Wide(m_strPending.substr(0, nReady), CP_UTF8);
        m_bFailed = !::WriteConsoleW(m_hOutput, strWide.data(), static_cast<DWORD>(strWide.size()), &nDone, nullptr);
    } else {
        m_bFailed = !::WriteFile(m_hOutput, m_strPending.data(), static_cast<DWORD>(nReady), &nDone, nullptr) ||
                    nDone != nReady;
    }
    m_strPending.erase(0, nReady);
    return !m_bFailed;
}
