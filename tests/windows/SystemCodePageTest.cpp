#include "CodePage.h"

#include <gtest/gtest.h>

#include <windows.h>

// The code page tables against the system's own converters, byte by byte.

TEST(SystemCodePage, EveryByteConvertsAsTheSystemConvertsIt)
{
    for (int nPage : {874, 1250, 1251, 1252, 1253, 1254, 1255, 1256, 1257, 1258}) {
        SCOPED_TRACE(nPage);
        CodePage cp;
        ASSERT_TRUE(CodePageFromNumber(nPage, cp));
        for (int b = 0; b < 256; ++b) {
            const char ch = static_cast<char>(b);
            wchar_t wch = 0;
            ASSERT_EQ(::MultiByteToWideChar(nPage, 0, &ch, 1, &wch, 1), 1);
            EXPECT_EQ(static_cast<char32_t>(wch), AnsiToUnicode(static_cast<unsigned char>(b), cp)) << b;
            char back = 0;
            BOOL bDefault = FALSE;
            ASSERT_EQ(::WideCharToMultiByte(nPage, WC_NO_BEST_FIT_CHARS, &wch, 1, &back, 1, nullptr, &bDefault), 1);
            EXPECT_FALSE(bDefault) << b;
            EXPECT_EQ(UnicodeToAnsi(wch, cp), back) << b;
        }
        for (wchar_t wch : {L'\u4E2D', L'\u0100', L'\u221E', L'\uFF21'}) {
            char out = 0;
            BOOL bDefault = FALSE;
            ::WideCharToMultiByte(nPage, WC_NO_BEST_FIT_CHARS, &wch, 1, &out, 1, nullptr, &bDefault);
            EXPECT_EQ(UnicodeToAnsi(wch, cp), bDefault ? '?' : out) << int(wch);
        }
    }
}

TEST(SystemCodePage, ThePageIsTheSystemsOwn)
{
    EXPECT_EQ(SystemAnsiCodePageNumber(), static_cast<int>(::GetACP()));
}
