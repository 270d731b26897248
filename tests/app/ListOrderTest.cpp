#include "support/CatalogDirFixture.h"
#include "support/ListOrderData.h"

#include "ChipListDlg.h"
#include "CodePage.h"
#include "Resource.h"

#include <cstdlib>

namespace {

class ListOrderTest : public CatalogDirFixture {};

// The locale the test runs under, as "pl_PL", from the variable the system reads first.
std::string SystemLocale()
{
    for (const char* pszVar : {"LC_ALL", "LC_CTYPE", "LANG"}) {
        const char* pszValue = std::getenv(pszVar);
        if (pszValue && *pszValue) {
            const std::string strValue = pszValue;
            return strValue.substr(0, strValue.find('.'));
        }
    }
    return "";
}

// Runs under each locale of tests/data/list-order (ctest's app_list_order_LOCALE): the
// chip list shows the names in the order the system's list box gave them.
TEST_F(ListOrderTest, TheChipListShowsTheNamesAsTheListBoxOfTheLocale)
{
    const std::string strLocale = SystemLocale();
    const int nPage = ListOrderData::CodePageNumber(strLocale);
    if (nPage == 0)
        GTEST_SKIP() << "no list for the locale \"" << strLocale << "\"";
    CodePage cp;
    if (!CodePageFromNumber(nPage, cp))
        GTEST_SKIP() << "code page " << nPage << " waits for the double-byte pages";
    ASSERT_EQ(SystemAnsiCodePage(), cp);
    std::vector<std::pair<CString, ChipSettings>> entries;
    for (const std::string& strName : ListOrderData::Added(strLocale)) {
        std::string strAnsi, strWhy;
        ASSERT_TRUE(Utf8ToAnsi(strName, cp, strAnsi, strWhy)) << strName << ": " << strWhy;
        entries.push_back({CString(strAnsi), {}});
    }
    SaveCatalog({"I2C"}, entries);
    std::vector<std::string> shown;
    m_backend.ExpectDialog(IDD_CHIPLIST_DIALOG, [&](CHeadlessDialog& d) {
        for (const CString& strRow : d.Rows(IDC_CHIP_LIST))
            shown.push_back(AnsiToUtf8(strRow.Str(), cp));
        d.Click(IDCANCEL);
    });
    CChipListDlg dlg;
    dlg.DoModal();
    EXPECT_EQ(shown, ListOrderData::Shown(strLocale));
}

}  // namespace
