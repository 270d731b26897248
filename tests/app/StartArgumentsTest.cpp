#include "CatalogFile.h"
#include "CatalogPlace.h"
#include "CodePage.h"
#include "StartArguments.h"

#include "support/PlaceCases.h"
#include "support/WorkDirFixture.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {
struct ParseCase {
    std::vector<const char*> args;
    CStartArguments::Action nAction;
    const char* pszPath;  // the path kept by editPath, or what a message must contain
};

class ParseTest : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ParseTest, DecidesWhatTheCommandLineAsks)
{
    const ParseCase& c = GetParam();
    std::vector<const char*> argv{"orvane"};
    argv.insert(argv.end(), c.args.begin(), c.args.end());
    std::string strLine;
    for (const char* pszArg : argv)
        strLine += std::string(pszArg) + " ";
    SCOPED_TRACE(strLine);
    const CStartArguments args = CStartArguments::Parse(static_cast<int>(argv.size()), argv.data());
    EXPECT_EQ(args.m_nAction, c.nAction);
    if (c.nAction == CStartArguments::badArguments) {
        EXPECT_NE(args.m_strMessage.Str().find(c.pszPath), std::string::npos) << args.m_strMessage.GetString();
        EXPECT_EQ(args.m_strMessage.Str().find('\n'), std::string::npos);
    } else if (c.nAction == CStartArguments::editPath) {
        EXPECT_STREQ(args.m_strPath, c.pszPath);
    }
}

using A = CStartArguments;
INSTANTIATE_TEST_SUITE_P(
    Cases, ParseTest,
    ::testing::Values(ParseCase{{}, A::editHere, ""}, ParseCase{{"--ask"}, A::askForCatalog, ""},
                      ParseCase{{"work"}, A::editPath, "work"},
                      ParseCase{{"--ask", "a/Progr.ini"}, A::editPath, "a/Progr.ini"},
                      ParseCase{{"a/Progr.ini", "--ask"}, A::editPath, "a/Progr.ini"},
                      ParseCase{{"--", "-odd.ini"}, A::editPath, "-odd.ini"},
                      ParseCase{{"--", "--help"}, A::editPath, "--help"},
                      ParseCase{{"--help"}, A::showHelp, ""}, ParseCase{{"-h"}, A::showHelp, ""},
                      ParseCase{{"work", "--help"}, A::showHelp, ""},
                      ParseCase{{"--version"}, A::showVersion, ""},
                      ParseCase{{"--bogus"}, A::badArguments, "unknown option '--bogus'"},
                      ParseCase{{"-"}, A::badArguments, "unknown option '-'"},
                      ParseCase{{"--bogus", "--help"}, A::badArguments, "--bogus"},
                      ParseCase{{"a", "b"}, A::badArguments, "too many arguments"},
                      ParseCase{{"--ask", "a", "--", "b"}, A::badArguments, "too many arguments"}));

// Folders, links and FIFOs as POSIX names them; tests/windows has the Windows paths.
#ifndef _WIN32
// Runs in a folder holding: sub/ with Progr.ini and other.dat, cat.INI, a FIFO and a
// symbolic link to sub.
class CatalogPlaceTest : public WorkDirFixture {
protected:
    void SetUp() override
    {
        WorkDirFixture::SetUp();
        ASSERT_EQ(mkdir("sub", 0755), 0);
        for (const char* pszFile : {"sub/Progr.ini", "sub/other.dat", "cat.INI"})
            std::ofstream(pszFile) << "x";
        ASSERT_EQ(mkfifo("pipe.ini", 0644), 0);
        ASSERT_EQ(symlink("sub", "link"), 0);
        MakeUnicodeFolder();
    }
};

TEST_F(CatalogPlaceTest, ResolvesFoldersFilesAndNewCatalogues)
{
    ExpectPlaces(kPlaces, m_strFull, '/');
}

TEST_F(CatalogPlaceTest, AnAbsolutePathNeedsNoWorkingFolder)
{
    CCatalogPlace place;
    CString strError;
    ASSERT_EQ(chdir("/"), 0);
    ASSERT_TRUE(CCatalogPlace::Resolve((m_strDir + "/sub/other.dat").c_str(), place, strError));
    EXPECT_EQ(place.m_strFolder.Str(), m_strFull + "/sub");
    EXPECT_STREQ(place.m_strFile, "other.dat");
}

TEST_F(CatalogPlaceTest, EnteringMakesTheFolderWorkingAndTheFileTheEditors)
{
    ExpectEntered("sub/other.dat", m_strFull + "/sub", "other.dat");
    const std::string strFolder = m_strFull + "/" + kUnicodeFolder;
    ExpectEntered((strFolder + "/Progr.ini").c_str(), strFolder, "Progr.ini");
}

TEST_F(CatalogPlaceTest, AFolderThatWentAwayIsReportedAndNothingChanges)
{
    CCatalogPlace place;
    CString strError;
    ASSERT_EQ(mkdir("gone", 0755), 0);
    ASSERT_TRUE(CCatalogPlace::Resolve("gone", place, strError));
    ASSERT_EQ(rmdir("gone"), 0);
    CEditedFile file;
    EXPECT_FALSE(place.Enter(file, strError));
    EXPECT_NE(strError.Str().find(m_strFull + "/gone': cannot work in this folder"), std::string::npos)
        << strError.GetString();
    EXPECT_EQ(WorkingFolder(), m_strFull);
    EXPECT_STREQ(file.Path(), CCatalogFile::DefaultFileName);
}

// The title shows the path as the file system names it, whatever the ANSI code page
// lacks: the window system is handed UTF-8.
TEST(CatalogPlaceDisplay, ShowsThePathInAnyScript)
{
    const struct {
        const char* pszFolder;
        const char* pszFile;
        const char* pszShown;
    } cases[] = {
        {"/", "Progr.ini", "/Progr.ini"},
        {"/home/ann", "Progr.ini", "/home/ann/Progr.ini"},
        {"/home/\u0395\u03BB\u03BB\u03B7\u03BD\u03B9\u03BA\u03AC \u65E5\u672C", "\u0416.ini",
         "/home/\u0395\u03BB\u03BB\u03B7\u03BD\u03B9\u03BA\u03AC \u65E5\u672C/\u0416.ini"},
    };
    for (const auto& c : cases) {
        CCatalogPlace place;
        place.m_strFolder = c.pszFolder;
        place.m_strFile = c.pszFile;
        EXPECT_EQ(place.DisplayPath().Str(), c.pszShown) << c.pszFolder;
        EXPECT_TRUE(place.DisplayPath().IsUtf8());
    }
}
#endif
}  // namespace
