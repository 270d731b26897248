#include "AccessibleNames.h"
#include "Resource.h"
#include "Templates.h"

#include <gtest/gtest.h>

#include <string>

namespace {
struct Named {
    int nID;
    std::string strName;         // "" where the control's own (program-set) text names it
    std::string strDescription;  // "" for none
};

struct Expected : Named {
    UINT nDialog;
};

// Every control with an ID in the five templates, as assistive technology reads it: first
// what only one window has, then what both setup forms have, then their power pin boxes.
const std::pair<UINT, Named> kOwnControls[] = {
    {IDD_CHIPLIST_DIALOG, {IDCANCEL, "Cancel", ""}},
    {IDD_CHIPLIST_DIALOG, {IDC_CHIP_LIST, "Chips", ""}},
    {IDD_CHIPLIST_DIALOG, {IDC_ADD_NEW, "Add New", ""}},
    {IDD_CHIPLIST_DIALOG, {IDC_EDIT_CHIP, "Edit chip", ""}},
    {IDD_CHIPLIST_DIALOG, {IDC_DELETE_CHIP, "Delete Chip", ""}},
    {IDD_SELECT_TYPE, {IDOK, "OK", ""}},
    {IDD_SELECT_TYPE, {IDCANCEL, "Cancel", ""}},
    {IDD_SELECT_TYPE, {IDC_TYPE_LIST, "Types", ""}},
    {IDD_SELECT_TYPE, {IDC_NEW_TYPE, "New type", ""}},
    {IDD_SELECT_TYPE, {IDC_EDIT_TYPE, "Edit Type", ""}},
    {IDD_SELECT_TYPE, {IDC_DELETE_TYPE, "Delete Type", ""}},
    {IDD_EDIT_STRING, {IDOK, "OK", ""}},
    {IDD_EDIT_STRING, {IDCANCEL, "Cancel", ""}},
    {IDD_EDIT_STRING, {IDC_STRING_TEXT, "Type name", ""}},
    {IDD_SETUP_I2C, {IDC_PIN_DATA, "Pin DATA", ""}},
    {IDD_SETUP_I2C, {IDC_WRITE_BUFFER, "Write buffer", ""}},
    {IDD_SETUP_I2C, {IDC_ADDR_I2C, "", "Addr I2C"}},
    {IDD_SETUP_MICROWIRE, {IDC_PIN_DATA_IN, "Pin DATAIn", ""}},
    {IDD_SETUP_MICROWIRE, {IDC_PIN_DATA_OUT, "Pin DATAO", ""}},
    {IDD_SETUP_MICROWIRE, {IDC_16_BITS, "16 bits", ""}},
    {IDD_SETUP_MICROWIRE, {IDC_PIN_CS, "Pin CS", ""}},
    {IDD_SETUP_MICROWIRE, {IDC_BITS_ADDRESS, "Bits address", ""}},
};

const Named kFormControls[] = {
    {IDOK, "OK", ""},          {IDCANCEL, "Cancel", ""},          {IDC_PIN_CLK, "Pin CLK", ""},
    {IDC_NAME, "Name", ""},    {IDC_PORT_WRITE, "", "Port Write"}, {IDC_PORT_READ, "", "Port Read"},
    {IDC_LENGTH, "Lenght", ""},
};

// The power pins each form shows, each box named by its pin and described by the group.
const std::pair<UINT, std::vector<int>> kFormPins[] = {
    {IDD_SETUP_I2C, {1, 4, 8, 5}},
    {IDD_SETUP_MICROWIRE, {2, 3, 7, 6}},
};
const int kBoxOfPin[8] = {IDC_POWER_PIN1, IDC_POWER_PIN2, IDC_POWER_PIN3, IDC_POWER_PIN4,
                          IDC_POWER_PIN5, IDC_POWER_PIN6, IDC_POWER_PIN7, IDC_POWER_PIN8};

std::vector<Expected> AllExpected()
{
    std::vector<Expected> all;
    for (const auto& [nDialog, control] : kOwnControls)
        all.push_back({control, nDialog});
    for (const auto& [nDialog, pins] : kFormPins) {
        for (const Named& control : kFormControls)
            all.push_back({control, nDialog});
        for (int nPin : pins)
            all.push_back({{kBoxOfPin[nPin - 1], std::to_string(nPin), "Power Pins"}, nDialog});
    }
    return all;
}

std::size_t PlaceOf(const DialogTemplate& tmpl, int nID)
{
    return static_cast<std::size_t>(tmpl.FindControl(nID) - tmpl.controls.data());
}
}  // namespace

TEST(AccessibleNamesTest, EveryControlOfTheFiveTemplatesHasItsName)
{
    for (const Expected& e : AllExpected()) {
        const DialogTemplate& tmpl = *FindOrvaneDialog(e.nDialog);
        const AccessibleName name = CAccessibleNames::Compute(tmpl)[PlaceOf(tmpl, e.nID)];
        const std::string strWhere = "template " + std::to_string(e.nDialog) + " control " + std::to_string(e.nID);
        EXPECT_EQ(name.strName.Str(), e.strName) << strWhere;
        EXPECT_EQ(name.strDescription.Str(), e.strDescription) << strWhere;
    }
}

TEST(AccessibleNamesTest, EditBoxesAndShownValuesAreLabelledByTheirCaption)
{
    for (const Expected& e : AllExpected()) {
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
        EXPECT_EQ(caption.pszText, bShownValue ? e.strDescription : e.strName) << e.nID;
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
