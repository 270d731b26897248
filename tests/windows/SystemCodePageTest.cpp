#include "CodePage.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>
#include <string>

// The code page tables against the system's own converters, which hold every page
// whatever the system's page is: every byte, every lead and trail pair, and every
// character of the Basic Multilingual Plane, of every page.

namespace {

const int kPages[] = {874, 1250, 1251, 1252, 1253, 1254, 1255, 1256, 1257, 1258, 932, 936, 949, 950, 65001};

// Collects what differs, so that a wrong table fails once with examples, not 60,000 times.
class Differences {
public:
    void Add(const std::string& strWhat)
    {
        if (++m_nCount <= 10)
            m_strExamples += strWhat + "\n";
    }
    int Count() const { return m_nCount; }
    const std::string& Examples() const { return m_strExamples; }

private:
    int m_nCount = 0;
    std::string m_strExamples;
};

std::string Hex(const std::string& bytes)
{
    std::string out;
    char sz[4];
    for (char ch : bytes) {
        std::snprintf(sz, sizeof sz, "%02X ", static_cast<unsigned char>(ch));
        out += sz;
    }
    return out;
}

std::u16string SystemRead(int nPage, const std::string& bytes)
{
    wchar_t aw[16];
    const int n = ::MultiByteToWideChar(nPage, 0, bytes.data(), static_cast<int>(bytes.size()), aw, 16);
    return std::u16string(aw, aw + (n > 0 ? n : 0));
}

// The bytes the system writes for c, or "(none)" where it has to put its default in.
std::string SystemWritten(int nPage, wchar_t c)
{
    char ach[8];
    BOOL bDefault = FALSE;
    const bool bUtf8 = nPage == CP_UTF8;
    const int n = ::WideCharToMultiByte(nPage, bUtf8 ? 0 : WC_NO_BEST_FIT_CHARS, &c, 1, ach, sizeof ach, nullptr,
                                        bUtf8 ? nullptr : &bDefault);
    return n <= 0 || bDefault ? "(none)" : std::string(ach, ach + n);
}

void CompareRead(int nPage, CodePage cp, const std::string& bytes, Differences& diffs)
{
    if (SystemRead(nPage, bytes) != AnsiToUtf16(bytes, cp))
        diffs.Add("reads " + Hex(bytes) + "differently");
}

// Runs check(nPage, cp, diffs) for every page and expects no differences.
template <class Check>
void CheckEveryPage(Check check)
{
    for (int nPage : kPages) {
        SCOPED_TRACE(nPage);
        CodePage cp;
        ASSERT_TRUE(CodePageFromNumber(nPage, cp));
        Differences diffs;
        check(nPage, cp, diffs);
        EXPECT_EQ(diffs.Count(), 0) << diffs.Examples();
    }
}

}  // namespace

TEST(SystemCodePage, EveryByteAndPairReadsAsTheSystemReadsIt)
{
    CheckEveryPage([](int nPage, CodePage cp, Differences& diffs) {
        for (int lead = 1; lead < 0x100; ++lead) {
            const std::string strLead(1, static_cast<char>(lead));
            // Three bytes after a lead byte, since Wine, unlike Windows, reads a UTF-8
            // sequence that the text ends too soon for as one fault with all after it.
            CompareRead(nPage, cp, strLead, diffs);
            CompareRead(nPage, cp, strLead + "AAA", diffs);
            if (!::IsDBCSLeadByteEx(nPage, static_cast<BYTE>(lead)))
                continue;
            for (int trail = 0; trail < 0x100; ++trail)
                CompareRead(nPage, cp, strLead + static_cast<char>(trail), diffs);
        }
    });
}

TEST(SystemCodePage, EveryCharacterIsWrittenAsTheSystemWritesIt)
{
    CheckEveryPage([](int nPage, CodePage cp, Differences& diffs) {
        for (char32_t c = 1; c < 0x10000; ++c) {
            if (c >= 0xD800 && c <= 0xDFFF)
                continue;
            std::string strOurs;
            if (!AppendAnsiChar(c, cp, strOurs))
                strOurs = "(none)";
            const std::string strSystem = SystemWritten(nPage, static_cast<wchar_t>(c));
            if (strOurs != strSystem) {
                char sz[64];
                std::snprintf(sz, sizeof sz, "U+%04X: ", static_cast<unsigned>(c));
                diffs.Add(sz + Hex(strOurs) + "/ system " + Hex(strSystem));
            }
        }
    });
}

TEST(SystemCodePage, MalformedUtf8ReadsAsTheSystemReadsIt)
{
    Differences diffs;
    const char* const cases[] = {"\xC0\x80",          "\xE0\x80\x80",     "\xED\xA0\x80", "\xE2\x82",   "\xE2\x82" "A",
                                 "\xF4\x90\x80\x80", "\xF0\x80\x80\x80", "\x80" "A",       "\xFF",       "\xF0\x9F\x98",
                                 "\xE0\xA0",          "\xF5\x80",          "\xE0\xC0" "AA", "\xC2" "A",  "\xEF\xBF\xBE"};
    for (const char* psz : cases)
        CompareRead(CP_UTF8, CodePage::Utf8, psz, diffs);
    EXPECT_EQ(diffs.Count(), 0) << diffs.Examples();
}

TEST(SystemCodePage, ThePageIsTheSystemsOwn)
{
    EXPECT_EQ(SystemAnsiCodePageNumber(), static_cast<int>(::GetACP()));
    // A name of the system's page reads and writes through CP_ACP as through the tables.
    const struct {
        CodePage cp;
        const char* pszName;
    } names[] = {{CodePage::Windows932, "\x95\x5C\x8E\xA6\x83\x5C\x83\x74\x83\x67"},
                 {CodePage::Windows936, "\x81\x54Test"}, {CodePage::Windows949, "\x81\x41\x8C\x63"},
                 {CodePage::Windows950, "\xB3\x5C\xA5\x5C"}, {CodePage::Windows1250, "\xA3\xF3\x64\x9F"},
                 {CodePage::Windows1251, "\xC6\xF3\xEA"}};
    for (const auto& name : names) {
        if (name.cp != SystemAnsiCodePage())
            continue;
        const std::u16string text = AnsiToUtf16(name.pszName, name.cp);
        EXPECT_EQ(SystemRead(CP_ACP, name.pszName), text);
        std::string strWritten;
        for (char16_t c : text)
            strWritten += SystemWritten(CP_ACP, static_cast<wchar_t>(c));
        EXPECT_EQ(strWritten, name.pszName);
    }
}
