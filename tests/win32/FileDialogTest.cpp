#include "Win32TestSupport.h"

#include <filesystem>
#include <fstream>
#include <string>

namespace {
namespace N = NativeProbe;
namespace fs = std::filesystem;

// A fresh folder holding one catalogue, removed at the end.
struct CatalogFolder {
    explicit CatalogFolder(const char* pszName = "orvane-file-dialog")
        : path(fs::temp_directory_path() / fs::u8path(pszName))
    {
        fs::remove_all(path);
        fs::create_directories(path);
        std::ofstream(path / "Progr.ini", std::ios::binary) << "x";
    }
    ~CatalogFolder() { fs::remove_all(path); }
    fs::path path;
};

// Asks for a catalogue, with the user answering the system's Open dialog.
bool Ask(const std::wstring& strAnswer, CString& strPath, std::string& strTitle)
{
    N::AnswerNextFileDialog(strAnswer, [&strTitle](const std::string& strSeen) { strTitle = strSeen; });
    const OpenFileRequest request{"Open a chip catalogue", "Progr.ini", {{"Chip catalogues", "*.ini"}, {"All files", "*"}}};
    return AfxGetBackend()->PromptForFile(request, strPath);
}
}  // namespace

TEST(Win32FileDialogTest, OpenDialogGivesAnExistingCatalogue)
{
    CatalogFolder folder;
    CString strPath;
    std::string strTitle;
    EXPECT_TRUE(Ask((folder.path / "Progr.ini").wstring(), strPath, strTitle));
    EXPECT_EQ(strTitle, std::string("Open a chip catalogue"));
    EXPECT_TRUE(fs::equivalent(fs::path(strPath.Str()), folder.path / "Progr.ini"));
}

// Paths are UTF-8 in the program, so a folder no ANSI code page can spell comes whole.
TEST(Win32FileDialogTest, OpenDialogGivesAPathInAnyScript)
{
    CatalogFolder folder(u8"orvane-file-dialog \u0395\u03BB\u03BB\u03B7\u03BD\u03B9\u03BA\u03AC \u65E5\u672C");
    CString strPath;
    std::string strTitle;
    EXPECT_TRUE(Ask((folder.path / "Progr.ini").wstring(), strPath, strTitle));
    EXPECT_EQ(fs::u8path(strPath.Str()), folder.path / "Progr.ini");
}

TEST(Win32FileDialogTest, OpenDialogGivesANewNameInAnExistingFolder)
{
    CatalogFolder folder;
    CString strPath;
    std::string strTitle;
    EXPECT_TRUE(Ask((folder.path / "New.ini").wstring(), strPath, strTitle));
    const fs::path chosen(strPath.Str());
    EXPECT_EQ(chosen.filename().string(), std::string("New.ini"));
    EXPECT_TRUE(fs::equivalent(chosen.parent_path(), folder.path));
}

TEST(Win32FileDialogTest, OpenDialogCancelledGivesNothing)
{
    CString strPath("unchanged");
    std::string strTitle;
    EXPECT_TRUE(!Ask(std::wstring(), strPath, strTitle));
    EXPECT_EQ(strTitle, std::string("Open a chip catalogue"));
    EXPECT_EQ(strPath.Str(), std::string("unchanged"));
}
