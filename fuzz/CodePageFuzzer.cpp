#include "CodePage.h"
#include "FuzzCheck.h"

#include <algorithm>
#include <cstdint>
#include <vector>

// The input is read as UTF-8, as 8-bit text of every page and as UTF-16, and each
// conversion must keep the promises of CodePage.h.
namespace {

// Every page a catalogue may be written in. A number this build does not take is left
// out, so that a page is checked from the day it is supported.
const int kPageNumbers[] = {874, 1250, 1251, 1252, 1253, 1254, 1255, 1256, 1257, 1258, 932, 936, 949, 950, 65001};

struct Page {
    CodePage cp;
    // Every byte on its own comes back through UTF-16, as on a single-byte page; then
    // every string does.
    bool bBytesComeBack;
};

// The page of a number, or false for one this build does not take.
bool SupportedPage(int nNumber, Page& page)
{
    if (!CodePageFromNumber(nNumber, page.cp))
        return false;
    page.bBytesComeBack = true;
    for (int b = 1; b < 256; ++b) {
        const std::string strByte(1, static_cast<char>(b));
        page.bBytesComeBack = page.bBytesComeBack && Utf16ToAnsi(AnsiToUtf16(strByte, page.cp), page.cp) == strByte;
    }
    return true;
}

std::string Detail(CodePage cp, const std::string& strIn, const std::string& strOut)
{
    return "code page " + std::to_string(static_cast<int>(cp)) + "\nin:  " + FuzzHex(strIn) + "\nout: " + FuzzHex(strOut);
}

std::string Utf16Bytes(const std::u16string& s)
{
    return std::string(reinterpret_cast<const char*>(s.data()), s.size() * sizeof(char16_t));
}

std::size_t CountReplacements(const std::u32string& s)
{
    return static_cast<std::size_t>(std::count(s.begin(), s.end(), U'\uFFFD'));
}

// UTF-8 and UTF-16 between themselves: what is well formed comes back, and what is not
// becomes U+FFFD, so the output is always well formed.
void CheckUnicodeForms(const std::string& strText, const std::u16string& units)
{
    std::u32string text;
    const bool bValid = Utf8ToUtf32(strText, text);
    const std::string strUtf8 = Utf32ToUtf8(text);
    FUZZ_REQUIRE(!bValid || strUtf8 == strText, Detail(CodePage::Windows1252, strText, strUtf8));
    std::u32string again;
    FUZZ_REQUIRE(Utf8ToUtf32(strUtf8, again) && again == text, Detail(CodePage::Windows1252, strText, strUtf8));

    const std::u32string wide = Utf16ToUtf32(units);
    const std::u16string back = Utf32ToUtf16(wide);
    // Without a lone surrogate, which alone adds a U+FFFD, the units come back unchanged.
    const std::size_t nGiven = static_cast<std::size_t>(std::count(units.begin(), units.end(), u'\uFFFD'));
    FUZZ_REQUIRE(CountReplacements(wide) != nGiven || back == units, Detail(CodePage::Windows1252, Utf16Bytes(units), Utf16Bytes(back)));
    FUZZ_REQUIRE(Utf16ToUtf32(back) == wide, Detail(CodePage::Windows1252, Utf16Bytes(units), Utf16Bytes(back)));
}

// UTF-8 in: a name the page can hold comes back as it was given; anything else is
// refused with a reason.
void CheckFromUtf8(const Page& page, const std::string& strText)
{
    std::u32string text;
    const bool bValid = Utf8ToUtf32(strText, text);
    std::string strAnsi, strWhy;
    if (!Utf8ToAnsi(strText, page.cp, strAnsi, strWhy)) {
        FUZZ_REQUIRE(!strWhy.empty(), Detail(page.cp, strText, strAnsi));
        return;
    }
    FUZZ_REQUIRE(bValid, Detail(page.cp, strText, strAnsi));
    if (AnsiRoundTrips(strAnsi, page.cp))
        FUZZ_REQUIRE(AnsiToUtf8(strAnsi, page.cp) == strText, Detail(page.cp, strText, AnsiToUtf8(strAnsi, page.cp)));
}

// 8-bit text in: it shows as well-formed UTF-8, and where every byte is a character of
// the page, that UTF-8 gives the bytes back.
void CheckFromAnsi(const Page& page, const std::string& strAnsi)
{
    const std::string strUtf8 = AnsiToUtf8(strAnsi, page.cp);
    std::u32string text;
    FUZZ_REQUIRE(Utf8ToUtf32(strUtf8, text), Detail(page.cp, strAnsi, strUtf8));
    if (AnsiRoundTrips(strAnsi, page.cp)) {
        std::string strBack, strWhy;
        FUZZ_REQUIRE(Utf8ToAnsi(strUtf8, page.cp, strBack, strWhy) && strBack == strAnsi,
                     Detail(page.cp, strAnsi, strBack) + "\n" + strWhy);
    }
    // Through UTF-16 the bytes come back up to the first NUL, which ends a wide string.
    const std::string strBack = Utf16ToAnsi(AnsiToUtf16(strAnsi, page.cp), page.cp);
    if (page.bBytesComeBack || AnsiRoundTrips(strAnsi, page.cp))
        FUZZ_REQUIRE(strBack == strAnsi.substr(0, strAnsi.find('\0')), Detail(page.cp, strAnsi, strBack));
}

// UTF-16 in, as a wide command line gives it: what the page makes of it comes back.
void CheckFromUtf16(const Page& page, const std::u16string& units)
{
    const std::string strAnsi = Utf16ToAnsi(units, page.cp);
    FUZZ_REQUIRE(strAnsi.find('\0') == std::string::npos, Detail(page.cp, Utf16Bytes(units), strAnsi));
    const std::string strBack = Utf16ToAnsi(AnsiToUtf16(strAnsi, page.cp), page.cp);
    FUZZ_REQUIRE(strBack == strAnsi, Detail(page.cp, strAnsi, strBack));
}

// The sorted lists' order: each name equals itself and two names compare oppositely
// whichever comes first.
void CheckOrder(const Page& page, const std::string& a, const std::string& b)
{
    FUZZ_REQUIRE(AnsiCompareNoCase(a, a, page.cp) == 0, Detail(page.cp, a, a));
    const int nAB = AnsiCompareNoCase(a, b, page.cp);
    const int nBA = AnsiCompareNoCase(b, a, page.cp);
    FUZZ_REQUIRE((nAB > 0) == (nBA < 0) && (nAB == 0) == (nBA == 0), Detail(page.cp, a, b));
}

}  // namespace

// The first byte chooses the page, so that an input found on one page stays a test of
// that page whichever pages a build adds; the rest is the text.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t nSize)
{
    if (nSize == 0)
        return 0;
    const std::string strInput(reinterpret_cast<const char*>(pData) + 1, nSize - 1);
    std::u16string units(strInput.size() / 2, u'\0');
    for (std::size_t i = 0; i < units.size(); ++i)
        units[i] = static_cast<char16_t>(pData[1 + 2 * i] | pData[2 + 2 * i] << 8);
    CheckUnicodeForms(strInput, units);

    static const auto kPages = [] {
        std::vector<std::pair<bool, Page>> pages(std::size(kPageNumbers));
        for (std::size_t i = 0; i < pages.size(); ++i)
            pages[i].first = SupportedPage(kPageNumbers[i], pages[i].second);
        return pages;
    }();
    const auto& [bSupported, page] = kPages[pData[0] % kPages.size()];
    if (!bSupported)
        return 0;
    CheckFromUtf8(page, strInput);
    CheckFromAnsi(page, strInput);
    CheckFromUtf16(page, units);
    CheckOrder(page, strInput.substr(0, strInput.size() / 2), strInput.substr(strInput.size() / 2));
    return 0;
}
