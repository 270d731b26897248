#include "CliTestSupport.h"

namespace {

class DumpTest : public CliTest {
protected:
    // The BREAK line of a dump and its closing "does not load" line must name one cause.
    static void ExpectOneCause(const Bytes& bytes, const std::string& strCause)
    {
        WriteFile(bytes);
        CliResult r = Run({"dump"});
        ASSERT_EQ(r.nExit, 0) << r.strErr;
        const std::size_t nBreak = r.strOut.find("BREAK: ");
        const std::size_t nLoad = r.strOut.find("does not load: ");
        ASSERT_NE(nBreak, std::string::npos) << r.strOut;
        ASSERT_NE(nLoad, std::string::npos) << r.strOut;
        const std::string strBreak = r.strOut.substr(nBreak + 7, r.strOut.find('\n', nBreak) - nBreak - 7);
        EXPECT_EQ(r.strOut.substr(nLoad + 15), strBreak + "\n");
        EXPECT_NE(strBreak.find(strCause), std::string::npos) << strBreak;
    }
};

TEST_F(DumpTest, BreakAndLoadNameTheSameCause)
{
    // A type count no file of this size could hold, in its long form.
    ExpectOneCause({0xFF, 0xFF, 0x10, 0x00, 0x00, 0x00, 0x01}, "type count, byte offset 0: the count is larger");
    ExpectOneCause({0x00, 0x00, 0xFF, 0xFF, 0xFF, 0xFF}, "entry count, byte offset 2: the entry count is negative");
    ExpectOneCause({0x00, 0x00, 0x01, 0x00, 0x00, 0x00, 0x05, 0x41}, "entry 0 name, byte offset 6");
    ExpectOneCause({}, "type count, byte offset 0");
}

TEST_F(DumpTest, ShortReadsAndTrailingBytesAreShownAsTheLoadTakesThem)
{
    WriteFile({0x00, 0x00, 0x01, 0x00, 0x00, 0x00, 0x01, 0x41, 0x80, 0x80, 0x00, 0xDE, 0xAD});
    CliResult r = Run({"dump"});
    ASSERT_EQ(r.nExit, 0) << r.strErr;
    EXPECT_NE(r.strOut.find("entry 0 name: \"A\"\n"), std::string::npos) << r.strOut;
    EXPECT_NE(r.strOut.find("entry 0 Length: 128\n"), std::string::npos) << r.strOut;
    EXPECT_NE(r.strOut.find("the file ends after 5 of its 12 settings bytes; the rest read as 0"), std::string::npos)
        << r.strOut;
    EXPECT_NE(r.strOut.find("loads: 0 types, 1 chips, 13 bytes\n"), std::string::npos) << r.strOut;

    WriteFile({0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x07, 0x07});
    r = Run({"dump"});
    EXPECT_NE(r.strOut.find("2 bytes after the catalogue; a load ignores them\n"), std::string::npos) << r.strOut;
    WriteFile({0x00, 0x00, 0x00, 0x00});
    r = Run({"dump"});
    EXPECT_NE(r.strOut.find("entry count: 0 (the file ends after 2 of its 4 bytes; the rest read as 0)\n"),
              std::string::npos) << r.strOut;
}

}  // namespace
