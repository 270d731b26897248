#include "support/CatalogDirFixture.h"

#include "AccessibleNames.h"
#include "ChipListDlg.h"
#include "EditStringDlg.h"
#include "I2CSetupDlg.h"
#include "MicrowireSetupDlg.h"
#include "Resource.h"
#include "TypeSelectDlg.h"

#include <set>

namespace {

class TemplatesTest : public CatalogDirFixture {
protected:
    // Opens the dialog and exchanges its data both ways: an ID the code uses but the
    // template lacks makes the exchange throw.
    void ExchangeBothWays(CDialog& dlg)
    {
        m_backend.ExpectDialog(dlg.GetTemplateID(), [&](CHeadlessDialog& d) {
            EXPECT_NO_THROW({
                EXPECT_TRUE(dlg.UpdateData(FALSE));
                EXPECT_TRUE(dlg.UpdateData(TRUE));
            }) << "template " << dlg.GetTemplateID();
            d.Click(IDCANCEL);
        });
        EXPECT_EQ(dlg.DoModal(), IDCANCEL);
        EXPECT_TRUE(m_backend.Messages().empty()) << "template " << dlg.GetTemplateID() << ": "
                                                  << m_backend.Messages()[0].strText.Str();
    }
};

TEST_F(TemplatesTest, EveryDialogExchangesWithItsTemplate)
{
    CChipListDlg list;
    ExchangeBothWays(list);
    CTypeSelectDlg types;
    ExchangeBothWays(types);
    CEditStringDlg text;
    ExchangeBothWays(text);
    CI2CSetupDlg i2c;
    i2c.m_bNew = TRUE;
    ExchangeBothWays(i2c);
    CMicrowireSetupDlg microwire;
    microwire.m_bNew = TRUE;
    ExchangeBothWays(microwire);
}

TEST_F(TemplatesTest, TemplatesHaveUniqueIdsAndFitTheirDialogs)
{
    for (UINT nID : {IDD_CHIPLIST_DIALOG, IDD_SELECT_TYPE, IDD_EDIT_STRING, IDD_SETUP_I2C, IDD_SETUP_MICROWIRE}) {
        const DialogTemplate* pTmpl = FindOrvaneDialog(nID);
        ASSERT_NE(pTmpl, nullptr) << nID;
        std::set<int> ids;
        for (const ControlTemplate& c : pTmpl->controls) {
            if (c.nID != -1) {
                EXPECT_TRUE(ids.insert(c.nID).second) << "template " << nID << " repeats " << c.nID;
            }
            EXPECT_LE(c.x + c.cx, pTmpl->cx) << "template " << nID << " control " << c.pszText;
            EXPECT_LE(c.y + c.cy, pTmpl->cy) << "template " << nID << " control " << c.pszText;
        }
    }
    const IconResource* pIcon = FindOrvaneIcon(IDR_MAINFRAME);
    ASSERT_NE(pIcon, nullptr);
    ASSERT_EQ(pIcon->images.size(), 2u);
    for (const IconImage& image : pIcon->images) {
        const std::string pixels = image.pszPixels;
        EXPECT_EQ(pixels.size(), static_cast<std::size_t>(image.cx * image.cy));
        EXPECT_EQ(pixels.find_first_not_of(".0123456789abcdef"), std::string::npos);
    }
}

// The part-number question names a box by the field table's label: each value a form
// takes in a box is labelled on that form's template exactly so.
TEST_F(TemplatesTest, FormsLabelTheirBoxesAsTheFieldTableNamesThem)
{
    for (auto [family, nID] : {std::pair{ChipFamily::i2c, IDD_SETUP_I2C}, {ChipFamily::microwire, IDD_SETUP_MICROWIRE}}) {
        const DialogTemplate& tmpl = *FindOrvaneDialog(nID);
        std::set<std::string> edits;
        const std::vector<AccessibleName> names = CAccessibleNames::Compute(tmpl);
        for (std::size_t i = 0; i < names.size(); ++i)
            if (tmpl.controls[i].kind == ControlKind::Edit)
                edits.insert(names[i].strName.Str());
        for (const ChipField& field : ChipFieldsOf(family)) {
            const ChipValueInfo& info = ChipValueInfoOf(field.value);
            if (info.IsTyped()) {
                EXPECT_EQ(edits.count(info.pszLabel), 1u) << "template " << nID << " lacks a box " << info.pszLabel;
            }
        }
    }
}

}  // namespace
