#include "NativeProbe.h"
#include "TestHarness.h"
#include "Win32Backend.h"

#include <filesystem>
#include <fstream>
#include <string>

namespace {
namespace N = NativeProbe;
namespace fs = std::filesystem;

// A fresh folder holding one catalogue, removed at the end.
struct CatalogFolder {
    CatalogFolder() : path(fs::temp_directory_path() / "orvane-file-dialog")
    {
        fs::remove_all(path);
        fs::create_directories(path);
        std::ofstream(path / "Progr.ini", std::ios::binary) << "x";
    }
    ~CatalogFolder() { fs::remove_all(path); }
    fs::path path;
};

// Asks as the editor does, with the user answering the system's Open dialog.
bool Ask(const std::wstring& strAnswer, CString& strPath, std::string& strTitle)
{
    N::AnswerNextFileDialog(strAnswer, [&strTitle](const std::string& strSeen) { strTitle = strSeen; });
    return AfxGetBackend()->PromptForCatalog(strPath);
}
}  // namespace

WIN32_TEST(OpenDialogGivesAnExistingCatalogue)
{
    CatalogFolder folder;
    CString strPath;
    std::string strTitle;
    CHECK(Ask((folder.path / "Progr.ini").wstring(), strPath, strTitle));
    CHECK_EQ(strTitle, std::string("Open a chip catalogue"));
    CHECK(fs::equivalent(fs::path(strPath.Str()), folder.path / "Progr.ini"));
}

WIN32_TEST(OpenDialogGivesANewNameInAnExistingFolder)
{
    CatalogFolder folder;
    CString strPath;
    std::string strTitle;
    CHECK(Ask((folder.path / "New.ini").wstring(), strPath, strTitle));
    const fs::path chosen(strPath.Str());
    CHECK_EQ(chosen.filename().string(), std::string("New.ini"));
    CHECK(fs::equivalent(chosen.parent_path(), folder.path));
}

WIN32_TEST(OpenDialogCancelledGivesNothing)
{
    CString strPath("unchanged");
    std::string strTitle;
    CHECK(!Ask(std::wstring(), strPath, strTitle));
    CHECK_EQ(strTitle, std::string("Open a chip catalogue"));
    CHECK_EQ(strPath.Str(), std::string("unchanged"));
}
