#pragma once

#include <streambuf>
#include <string>
#include <vector>

// A console program's text on Windows, for programs that keep their text in UTF-8 as on
// the other systems. The command line comes from UTF-16, so no character is lost to the
// ANSI code page; output to a console goes through the console's wide-character call,
// and output to a file or a pipe is written as the UTF-8 bytes it is, the same bytes as
// on the other systems.
std::vector<std::string> Utf8Arguments(int argc, const wchar_t* const* argv);
std::string Utf8FromWide(const std::wstring& strWide);

class CNativeConsoleBuf : public std::streambuf {
public:
    // bError: standard error rather than standard output.
    explicit CNativeConsoleBuf(bool bError);
    ~CNativeConsoleBuf() override;
    CNativeConsoleBuf(const CNativeConsoleBuf&) = delete;
    CNativeConsoleBuf& operator=(const CNativeConsoleBuf&) = delete;

protected:
    int_type overflow(int_type ch) override;
    std::streamsize xsputn(const char* pText, std::streamsize nCount) override;
    int sync() override;

private:
    // Writes what is pending; a character cut at the end waits for its other bytes.
    bool Drain(bool bAll);

    void* m_hOutput;
    bool m_bConsole;
    bool m_bFailed = false;
    std::string m_strPending;
};
