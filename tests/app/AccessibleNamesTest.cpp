#include "AccessibleNames.h"
#include "Resource.h"
#include "Templates.h"

#include <gtest/gtest.h>

#include <string>

namespace {
struct Expected {
    UINT nDialog;
    int nID;
    const char* pszName;         // "" where the control's own (program-set) text names it
    const char* pszDescription;  // "" for none
};

constexpr const char* kPins = "Power Pins";

// Every control with an ID in the five templates, as assistive technology reads it.
const Expected kExpected[] = {
    {IDD_CHIPLIST_DIALOG, IDCANCEL, "Cancel", ""},
    {IDD_CHIPLIST_DIALOG, IDC_CHIP_LIST, "Chips", ""},
    {IDD_CHIPLIST_DIALOG, IDC_ADD_NEW, "Add New", ""},
    {IDD_CHIPLIST_DIALOG, IDC_EDIT_CHIP, "Edit chip", ""},
    {IDD_CHIPLIST_DIALOG, IDC_DELETE_CHIP, "Delete Chip", ""},
    {IDD_SELECT_TYPE, IDOK, "OK", ""},
    {IDD_SELECT_TYPE, IDCANCEL, "Cancel", ""},
    {IDD_SELECT_TYPE, IDC_TYPE_LIST, "Types", ""},
    {IDD_SELECT_TYPE, IDC_NEW_TYPE, "New type", ""},
    {IDD_SELECT_TYPE, IDC_EDIT_TYPE, "Edit Type", ""},
    {IDD_SELECT_TYPE, IDC_DELETE_TYPE, "Delete Type", ""},
    {IDD_EDIT_STRING, IDOK, "OK", ""},
    {IDD_EDIT_STRING, IDCANCEL, "Cancel", ""},
    {IDD_EDIT_STRING, IDC_STRING_TEXT, "Type name", ""},
    {IDD_SETUP_I2C, IDOK, "OK", ""},
    {IDD_SETUP_I2C, IDCANCEL, "Cancel", ""},
    {IDD_SETUP_I2C, IDC_POWER_PIN1, "1", kPins},
    {IDD_SETUP_I2C, IDC_POWER_PIN4, "4", kPins},
    {IDD_SETUP_I2C, IDC_POWER_PIN8, "8", kPins},
    {IDD_SETUP_I2C, IDC_POWER_PIN5, "5", kPins},
    {IDD_SETUP_I2C, IDC_PIN_CLK, "Pin CLK", ""},
    {IDD_SETUP_I2C, IDC_PIN_DATA, "Pin DATA", ""},
    {IDD_SETUP_I2C, IDC_WRITE_BUFFER, "Write buffer", ""},
    {IDD_SETUP_I2C, IDC_NAME, "Name", ""},
    {IDD_SETUP_I2C, IDC_ADDR_I2C, "", "Addr I2C"},
    {IDD_SETUP_I2C, IDC_PORT_WRITE, "", "Port Write"},
    {IDD_SETUP_I2C, IDC_PORT_READ, "", "Port Read"},
    {IDD_SETUP_I2C, IDC_LENGTH, "Lenght", ""},
    {IDD_SETUP_MICROWIRE, IDOK, "OK", ""},
    {IDD_SETUP_MICROWIRE, IDCANCEL, "Cancel", ""},
    {IDD_SETUP_MICROWIRE, IDC_POWER_PIN2, "2", kPins},
    {IDD_SETUP_MICROWIRE, IDC_POWER_PIN3, "3", kPins},
    {IDD_SETUP_MICROWIRE, IDC_POWER_PIN7, "7", kPins},
    {IDD_SETUP_MICROWIRE, IDC_POWER_PIN6, "6", kPins},
    {IDD_SETUP_MICROWIRE, IDC_PIN_CLK, "Pin CLK", ""},
    {IDD_SETUP_MICROWIRE, IDC_NAME, "Name", ""},
    {IDD_SETUP_MICROWIRE, IDC_PORT_WRITE, "", "Port Write"},
    {IDD_SETUP_MICROWIRE, IDC_PORT_READ, "", "Port Read"},
    {IDD_SETUP_MICROWIRE, IDC_LENGTH, "Lenght", ""},
    {IDD_SETUP_MICROWIRE, IDC_PIN_DATA_IN, "Pin DATAIn", ""},
    {IDD_SETUP_MICROWIRE, IDC_PIN_DATA_OUT, "Pin DATAO", ""},
    {IDD_SETUP_MICROWIRE, IDC_16_BITS, "16 bits", ""},
    {IDD_SETUP_MICROWIRE, IDC_PIN_CS, "Pin CS", ""},
    {IDD_SETUP_MICROWIRE, IDC_BITS_ADDRESS, "Bits address", ""},
};

std::size_t PlaceOf(const DialogTemplate& tmpl, int nID)
{
    return static_cast<std::size_t>(tmpl.FindControl(nID) - tmpl.controls.data());
}
}  // namespace

TEST(AccessibleNamesTest, EveryControlOfTheFiveTemplatesHasItsName)
{
    for (const Expected& e : kExpected) {
        const DialogTemplate& tmpl = *FindOrvaneDialog(e.nDialog);
        const AccessibleName name = CAccessibleNames::Compute(tmpl)[PlaceOf(tmpl, e.nID)];
        const std::string strWhere = "template " + std::to_string(e.nDialog) + " control " + std::to_string(e.nID);
        EXPECT_EQ(name.strName.Str(), e.pszName) << strWhere;
        EXPECT_EQ(name.strDescription.Str(), e.pszDescription) << strWhere;
    }
}

TEST(AccessibleNamesTest, EditBoxesAndShownValuesAreLabelledByTheirCaption)
{
    for (const Expected& e : kExpected) {
        const DialogTemplate& tmpl = *FindOrvaneDialog(e.nDialog);
        const ControlTemplate& ct = *tmpl.FindControl(e.nID);
        const AccessibleName name = CAccessibleNames::Compute(tmpl)[PlaceOf(tmpl, e.nID)];
        const bool bNamedByCaption = ct.kind == ControlKind::Edit && e.nID != IDC_STRING_TEXT;
        const bool bShownValue = ct.kind == ControlKind::Static;
        if (!bNamedByCaption && !bShownValue) {
            EXPECT_EQ(name.nCaption, -1) << e.nID;
            continue;
        }
        ASSERT_GE(name.nCaption, 0) << e.nID;
        const ControlTemplate& caption = tmpl.controls[static_cast<std::size_t>(name.nCaption)];
        EXPECT_EQ(caption.kind, ControlKind::Static);
        EXPECT_STREQ(caption.pszText, bShownValue ? e.pszDescription : e.pszName) << e.nID;
    }
}

TEST(AccessibleNamesTest, TheRuleGoesByPlaceAndANamesTableOverridesIt)
{
    // A caption after its box still labels it; the nearer of two captions wins; a box
    // with neither caption nor listed name stays unnamed for the backend to notice.
    DialogTemplate tmpl = {1, "t", 200, 100, "MS Sans Serif", 8, 0, 0, {
        {10, ControlKind::Edit, "", 60, 10, 40, 14, WS_TABSTOP},
        {-1, ControlKind::Static, "Far", 5, 12, 20, 8, SS_LEFT},
        {-1, ControlKind::Static, "Near", 30, 12, 25, 8, SS_LEFT},
        {11, ControlKind::Edit, "", 60, 50, 40, 14, WS_TABSTOP},
        {-1, ControlKind::Static, "Above", 60, 38, 40, 8, SS_LEFT},
        {12, ControlKind::Edit, "", 150, 80, 40, 14, WS_TABSTOP},
    }};
    std::vector<AccessibleName> names = CAccessibleNames::Compute(tmpl);
    EXPECT_EQ(names[0].strName.Str(), "Near");
    EXPECT_EQ(names[3].strName.Str(), "Above");
    EXPECT_EQ(names[3].nCaption, 4);
    EXPECT_TRUE(names[5].strName.IsEmpty());

    tmpl.names = {{10, "Listed"}};
    names = CAccessibleNames::Compute(tmpl);
    EXPECT_EQ(names[0].strName.Str(), "Listed");
    EXPECT_EQ(names[0].nCaption, 2);
}
