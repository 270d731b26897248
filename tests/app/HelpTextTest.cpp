#include "CatalogApp.h"
#include "CatalogPlace.h"
#include "Resource.h"

#include "support/CatalogDirFixture.h"

#include <filesystem>

namespace {

class HelpTextTest : public CatalogDirFixture {};

// Started on a folder, F1 names the catalogue the title names and says when changes are
// saved.
TEST_F(HelpTextTest, F1NamesTheCatalogueOfAFolderArgumentAndWhenChangesAreSaved)
{
    ASSERT_TRUE(std::filesystem::create_directory("chips"));
    CCatalogPlace place;
    CString strError;
    CCatalogApp app;
    ASSERT_TRUE(CCatalogPlace::Resolve("chips", place, strError) && place.Enter(app.m_file, strError))
        << strError.Str();
    CDisplayText strCaption;
    m_backend.ExpectDialog(IDD_CHIPLIST_DIALOG, [&](CHeadlessDialog& dlg) {
        strCaption = dlg.Caption();
        dlg.Press(DialogKey::Help);
        dlg.PressEscape();
    });
    app.InitInstance();

    const std::string strPath = place.DisplayPath().Str();
    EXPECT_EQ(strCaption.Str(), "Orvane - " + strPath);
    EXPECT_NE(strPath.find("chips"), std::string::npos);
    ASSERT_EQ(m_backend.MessageTexts().size(), 1u);
    const std::string strHelp = m_backend.MessageTexts()[0].Str();
    EXPECT_EQ(strHelp.rfind("This program edits the chip catalogue " + strPath + ".\n\n", 0), 0u) << strHelp;
    EXPECT_NE(strHelp.find("saved to the catalogue when a setup form or Select Type is closed with OK, and when "
                           "Delete Chip is confirmed"),
              std::string::npos)
        << strHelp;
}

}  // namespace
