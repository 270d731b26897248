#include "CodePage.h"
#include "DisplayText.h"

#include <gtest/gtest.h>

namespace {

// A chip name in the ANSI code page and a path in UTF-8 keep their own bytes alone and
// meet in UTF-8, so a window shows both right.
TEST(DisplayTextTest, TextsOfBothKindsJoinInUtf8)
{
    if (SystemAnsiCodePage() != CodePage::Windows1252)
        GTEST_SKIP() << "the ANSI bytes here are Windows-1252";
    const CDisplayText name(CString("Caf\xE9"));
    const CDisplayText path = CDisplayText::FromUtf8("/home/\xCE\x95\xCE\xBB");
    EXPECT_FALSE((name + " x").IsUtf8());
    EXPECT_EQ((name + " x").Str(), "Caf\xE9 x");
    const CDisplayText both = name + " in " + path;
    EXPECT_TRUE(both.IsUtf8());
    EXPECT_EQ(both.Str(), "Caf\xC3\xA9 in /home/\xCE\x95\xCE\xBB");
    // An empty text of either kind takes the other's.
    EXPECT_TRUE((CDisplayText() + path).IsUtf8());
    EXPECT_FALSE((CDisplayText::FromUtf8("") + name).IsUtf8());
    // A control holds ANSI text: what the page lacks becomes '?'.
    EXPECT_EQ(both.Ansi().Str(), "Caf\xE9 in /home/??");
    EXPECT_EQ(name.Utf8(), "Caf\xC3\xA9");
}

}  // namespace
