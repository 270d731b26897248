#include "CatalogApp.h"
#include "Resource.h"

#include "support/CatalogDirFixture.h"
#include "support/PlaceCases.h"

#include <cstdlib>
#include <sys/stat.h>

// The paths expected here are POSIX ones; tests/windows resolves Windows paths.
#ifndef _WIN32
namespace {
// The start of the editor on the headless backend: the file dialog asked for a catalogue,
// the main window's title, and where the windows then load and save.
class CatalogPromptTest : public CatalogDirFixture {
protected:
    void SetUp() override
    {
        CatalogDirFixture::SetUp();
        m_app.m_bAskForCatalog = true;
        ASSERT_EQ(mkdir("cats", 0755), 0);
        // The start folder holds a catalogue of its own, which no test may touch.
        SaveCatalog({"I2C"}, {{"HOME", {}}});
        m_homeBytes = FileBytes();
    }

    void TearDown() override
    {
        EXPECT_EQ(ReadBytes(m_strDir + "/Progr.ini"), m_homeBytes);
        CatalogDirFixture::TearDown();
    }

    static std::vector<BYTE> ReadBytes(const std::string& strPath)
    {
        std::ifstream in(strPath, std::ios::binary);
        return std::vector<BYTE>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

    // Saves a catalogue of the given chip names at strPath.
    static void SaveAt(const std::string& strPath, const std::vector<CString>& names)
    {
        CChipCatalog catalog;
        catalog.AddTypeName("I2C");
        for (const CString& name : names) {
            catalog.AddEmptyEntry();
            catalog.SetEntry(catalog.GetEntryCount() - 1, name, ChipSettings{}.data());
        }
        ASSERT_TRUE(CCatalogFile::Save(catalog, strPath.c_str()).Ok());
    }

    // The main window's script: records its title and rows, deletes the first row when
    // asked to, and closes the window.
    void ExpectMainWindow(bool bDeleteFirst = false)
    {
        if (bDeleteFirst)
            m_backend.AnswerMessageBox(IDYES);
        m_backend.ExpectDialog(IDD_CHIPLIST_DIALOG, [this, bDeleteFirst](CHeadlessDialog& dlg) {
            m_strCaption = dlg.Caption();
            m_rows = dlg.Rows(IDC_CHIP_LIST);
            if (bDeleteFirst) {
                dlg.SelectRow(IDC_CHIP_LIST, 0);
                dlg.Click(IDC_DELETE_CHIP);
            }
            dlg.PressEscape();
        });
    }

    CCatalogApp m_app;
    std::vector<BYTE> m_homeBytes;
    CDisplayText m_strCaption;
    std::vector<CString> m_rows;
};

TEST_F(CatalogPromptTest, CancelEndsTheProgramWithoutAWindow)
{
    m_backend.CancelFilePrompt();
    EXPECT_FALSE(m_app.InitInstance());
    ASSERT_EQ(m_backend.FilePrompts().size(), 1u);
    EXPECT_TRUE(m_backend.OpenedDialogs().empty());
    EXPECT_EQ(WorkingFolder(), m_strFull);
    // The dialog offers Progr.ini and lists catalogues first, all files second.
    const OpenFileRequest& request = m_backend.FilePrompts()[0];
    EXPECT_STREQ(request.strTitle, "Open a chip catalogue");
    EXPECT_STREQ(request.strSuggestedName, "Progr.ini");
    ASSERT_EQ(request.filters.size(), 2u);
    EXPECT_STREQ(request.filters[0].strPattern, "*.ini");
    EXPECT_STREQ(request.filters[1].strPattern, "*");
}

TEST_F(CatalogPromptTest, AChosenFileIsEditedInItsFolderAndNamedInTheTitle)
{
    SaveAt("cats/Mine.ini", {"24C02", "24C01"});
    m_backend.AnswerFilePrompt((m_strDir + "/cats/Mine.ini").c_str());
    ExpectMainWindow(true);
    m_app.InitInstance();
    EXPECT_EQ(m_strCaption.Str(), "Orvane - " + m_strFull + "/cats/Mine.ini");
    EXPECT_EQ(m_rows, (std::vector<CString>{"24C01", "24C02"}));
    EXPECT_EQ(WorkingFolder(), m_strFull + "/cats");
    CChipCatalog catalog;
    ASSERT_TRUE(CCatalogFile::Load(catalog, "Mine.ini").Ok());
    ASSERT_EQ(catalog.GetEntryCount(), 1);
    EXPECT_STREQ(catalog.GetEntryName(0), "24C02");
}

// The window system gets the path as UTF-8, so no ANSI code page turns it into '?'.
TEST_F(CatalogPromptTest, AFolderOfAnyScriptIsNamedInTheTitleAsItIs)
{
    const std::string strFolder = std::string("cats/") + kUnicodeFolder;
    ASSERT_EQ(mkdir(strFolder.c_str(), 0755), 0);
    SaveAt(strFolder + "/Progr.ini", {"24C02"});
    m_backend.AnswerFilePrompt(strFolder.c_str());
    ExpectMainWindow();
    m_app.InitInstance();
    EXPECT_TRUE(m_strCaption.IsUtf8());
    EXPECT_EQ(m_strCaption.Str(), "Orvane - " + m_strFull + "/" + strFolder + "/Progr.ini");
    EXPECT_EQ(m_rows, std::vector<CString>{"24C02"});
}

TEST_F(CatalogPromptTest, AChosenFolderStartsItsProgrIniThere)
{
    m_backend.AnswerFilePrompt("cats");
    ExpectMainWindow();
    m_app.InitInstance();
    EXPECT_EQ(m_strCaption.Str(), "Orvane - " + m_strFull + "/cats/Progr.ini");
    EXPECT_TRUE(m_rows.empty());
    EXPECT_EQ(WorkingFolder(), m_strFull + "/cats");
    EXPECT_STREQ(m_app.m_file.Path(), "Progr.ini");
}

TEST_F(CatalogPromptTest, AnUnusableChoiceIsExplainedAndAskedAgain)
{
    SaveAt("cats/Progr.ini", {"93C46"});
    m_backend.AnswerFilePrompt("nosuch");
    m_backend.AnswerFilePrompt("cats/Progr.ini");
    ExpectMainWindow();
    m_app.InitInstance();
    EXPECT_EQ(m_backend.FilePrompts().size(), 2u);
    ASSERT_EQ(m_backend.MessageTexts().size(), 1u);
    EXPECT_NE(m_backend.MessageTexts()[0].Str().find("'nosuch': no such file or folder"), std::string::npos);
    EXPECT_EQ(m_rows, (std::vector<CString>{"93C46"}));
}

TEST_F(CatalogPromptTest, CancelAfterARefusedChoiceStillEnds)
{
    m_backend.AnswerFilePrompt("nosuch/");
    m_backend.CancelFilePrompt();
    EXPECT_FALSE(m_app.InitInstance());
    EXPECT_EQ(m_backend.MessageTexts().size(), 1u);
    EXPECT_TRUE(m_backend.OpenedDialogs().empty());
}

TEST_F(CatalogPromptTest, WithoutTheQuestionTheStartFolderIsEditedUnderThePlainTitle)
{
    m_app.m_bAskForCatalog = false;
    ExpectMainWindow();
    m_app.InitInstance();
    EXPECT_EQ(m_backend.FilePrompts().size(), 0u);
    EXPECT_EQ(m_strCaption.Str(), "Orvane");
    EXPECT_EQ(m_rows, (std::vector<CString>{"HOME"}));
}

TEST_F(CatalogPromptTest, APathGivenAtStartIsNamedInTheTitleWithoutAQuestion)
{
    m_app.m_bAskForCatalog = false;
    m_app.m_file = CEditedFile("Progr.ini", "/data/Progr.ini");
    ExpectMainWindow();
    m_app.InitInstance();
    EXPECT_EQ(m_backend.FilePrompts().size(), 0u);
    EXPECT_EQ(m_strCaption.Str(), "Orvane - /data/Progr.ini");
}
TEST_F(CatalogPromptTest, F1InTheMainWindowShowsTheEditorsHelp)
{
    m_app.m_bAskForCatalog = false;
    m_backend.ExpectDialog(IDD_CHIPLIST_DIALOG, [](CHeadlessDialog& dlg) {
        dlg.Press(DialogKey::Help);
        dlg.PressEscape();
    });
    m_app.InitInstance();
    ASSERT_EQ(m_backend.Messages().size(), 1u);
    EXPECT_EQ(m_backend.Messages()[0].strText.Str().rfind("This program edits the chip catalogue Progr.ini", 0), 0u);
    EXPECT_EQ(m_backend.Messages()[0].nType & MB_YESNO, 0u);
}
}  // namespace
#endif
