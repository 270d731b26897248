#include "support/ChipTypesFixture.h"

namespace types_test {
namespace {

const UINT kFormOfPosition[] = {IDD_SETUP_I2C, IDD_SETUP_MICROWIRE, IDD_SETUP_MICROWIRE, IDD_SETUP_MICROWIRE};
const char* const kNewChipBytes[] = {
    "80 80 00 01 20 10 10 08 A0 00 10 00", "80 80 00 06 02 08 04 01 00 08 08 01",
    "80 80 00 06 02 08 04 01 00 08 08 02", "80 80 00 06 02 08 04 01 00 08 08 03"};

class AddNewEditChipTest : public ChipTypesFixture {
protected:
    // Queues Select Type picking row nRow (none when negative) and pressing OK.
    void PickType(int nRow)
    {
        m_backend.ExpectDialog(IDD_SELECT_TYPE, [nRow](CHeadlessDialog& d) {
            if (nRow >= 0)
                d.SelectRow(IDC_TYPE_LIST, nRow);
            d.Click(IDOK);
        });
    }

    // Queues a form that checks its length box and "16 bits" box, then presses nEnd.
    void ExpectForm(UINT nTemplate, const char* pszLength, int b16Bits, int nEnd)
    {
        m_backend.ExpectDialog(nTemplate, [=](CHeadlessDialog& f) {
            EXPECT_EQ(f.Text(IDC_LENGTH), pszLength);
            if (nTemplate == IDD_SETUP_MICROWIRE) {
                EXPECT_EQ(f.Checked(IDC_16_BITS), b16Bits != 0);
            }
            f.Click(nEnd);
        });
    }

    // Selects the row showing strName and clicks Edit chip.
    static void EditRow(CHeadlessDialog& d, const CString& strName)
    {
        const int nRow = RowOf(d, IDC_CHIP_LIST, strName);
        ASSERT_GE(nRow, 0) << strName.GetString();
        d.SelectRow(IDC_CHIP_LIST, nRow);
        d.Click(IDC_EDIT_CHIP);
        EXPECT_EQ(d.CurSel(IDC_CHIP_LIST), -1);
    }
};

TEST_F(AddNewEditChipTest, AddNewOpensTheFormOfEachTypePosition)
{
    Save(FourTypes(), {{"24C02", 0, 256}});
    for (int nPos = 0; nPos < 4; ++nPos) {
        const CString strName = CString("new ") + CString(static_cast<char>('0' + nPos), 1);
        RunChipList([&](CHeadlessDialog& d) {
            PickType(nPos);
            m_backend.ExpectDialog(kFormOfPosition[nPos], [&](CHeadlessDialog& f) {
                if (nPos > 0) {
                    EXPECT_EQ(f.Checked(IDC_16_BITS), nPos >= 2);
                }
                f.Type(IDC_NAME, strName);
                f.Click(IDOK);
            });
            d.Click(IDC_ADD_NEW);
            EXPECT_GE(RowOf(d, IDC_CHIP_LIST, strName), 0);
            d.Click(IDCANCEL);
        });
    }
    CChipCatalog catalog;
    Reload(catalog);
    ASSERT_EQ(catalog.GetEntryCount(), 5);
    EXPECT_EQ(catalog.GetSettings(0), SettingsFor({"24C02", 0, 256}));
    for (int nPos = 0; nPos < 4; ++nPos) {
        EXPECT_EQ(catalog.GetEntryName(nPos + 1), CString("new ") + CString(static_cast<char>('0' + nPos), 1));
        EXPECT_EQ(catalog.GetSettings(nPos + 1), SettingsFromHex(kNewChipBytes[nPos])) << nPos;
    }
}

TEST_F(AddNewEditChipTest, FifthTypeOpensNoFormButRefreshes)
{
    std::vector<CString> types = FourTypes();
    types.push_back("Fifth");
    Save(types, {{"24C01", 0}});
    const Bytes before = FileBytes();
    RunChipList([&](CHeadlessDialog& d) {
        d.SelectRow(IDC_CHIP_LIST, 0);
        PickType(4);
        d.Click(IDC_ADD_NEW);
        EXPECT_EQ(d.CurSel(IDC_CHIP_LIST), -1);
        EXPECT_EQ(d.Rows(IDC_CHIP_LIST), (std::vector<CString>{"24C01"}));
        d.Click(IDCANCEL);
    });
    EXPECT_EQ(Opened(), (std::vector<UINT>{IDD_CHIPLIST_DIALOG, IDD_SELECT_TYPE}));
    EXPECT_EQ(FileBytes(), before);
}

TEST_F(AddNewEditChipTest, AddNewWithoutFileCreatesAnEmptyCatalogueAndNoForm)
{
    RunChipList([&](CHeadlessDialog& d) {
        m_backend.ExpectDialog(IDD_SELECT_TYPE, [](CHeadlessDialog& t) {
            EXPECT_TRUE(t.Rows(IDC_TYPE_LIST).empty());
            t.Click(IDOK);
        });
        d.Click(IDC_ADD_NEW);
        EXPECT_TRUE(d.Rows(IDC_CHIP_LIST).empty());
        d.Click(IDCANCEL);
    });
    EXPECT_EQ(Opened(), (std::vector<UINT>{IDD_CHIPLIST_DIALOG, IDD_SELECT_TYPE}));
    EXPECT_EQ(FileBytes(), (Bytes{0, 0, 0, 0, 0, 0}));
    EXPECT_TRUE(Messages().empty());
}

TEST_F(AddNewEditChipTest, CancelInSelectTypeChangesNothingAndSkipsTheRefresh)
{
    Save(FourTypes(), {{"24C04", 0, 512}});
    const Bytes before = FileBytes();
    RunChipList([&](CHeadlessDialog& d) {
        d.SelectRow(IDC_CHIP_LIST, 0);
        m_backend.ExpectDialog(IDD_SELECT_TYPE, [&](CHeadlessDialog& t) {
            RenameType(t, 0, "renamed");
            t.SelectRow(IDC_TYPE_LIST, 0);
            t.CloseBox();
        });
        d.Click(IDC_ADD_NEW);
        EXPECT_EQ(d.CurSel(IDC_CHIP_LIST), 0);
        d.Click(IDCANCEL);
    });
    EXPECT_EQ(FileBytes(), before);
}

TEST_F(AddNewEditChipTest, CancelInTheFormKeepsTheFileAndRefreshes)
{
    Save(FourTypes(), {{"24C04", 0, 512}});
    const Bytes before = FileBytes();
    RunChipList([&](CHeadlessDialog& d) {
        d.SelectRow(IDC_CHIP_LIST, 0);
        PickType(3);
        ExpectForm(IDD_SETUP_MICROWIRE, "128", 1, IDCANCEL);
        d.Click(IDC_ADD_NEW);
        EXPECT_EQ(d.CurSel(IDC_CHIP_LIST), -1);
        EXPECT_EQ(d.Rows(IDC_CHIP_LIST), (std::vector<CString>{"24C04"}));
        d.Click(IDCANCEL);
    });
    EXPECT_EQ(FileBytes(), before);
}

TEST_F(AddNewEditChipTest, RenamedTypeIsSavedAndStillRoutesByPosition)
{
    Save(FourTypes(), {});
    RunChipList([&](CHeadlessDialog& d) {
        m_backend.ExpectDialog(IDD_SELECT_TYPE, [&](CHeadlessDialog& t) {
            RenameType(t, 0, "Microwire, really");
            t.SelectRow(IDC_TYPE_LIST, 0);
            ExpectForm(IDD_SETUP_I2C, "128", 0, IDCANCEL);
            t.Click(IDOK);
        });
        d.Click(IDC_ADD_NEW);
        d.Click(IDCANCEL);
    });
    EXPECT_EQ(TypeNames()[0], "Microwire, really");
}

TEST_F(AddNewEditChipTest, EditChipOnDuplicateNamesReachesTheFirstInFileOrder)
{
    Save(FourTypes(), {{"Chip A", 0, 256}, {"Chip A", 0, 512}});
    RunChipList([&](CHeadlessDialog& d) {
        EXPECT_EQ(d.Rows(IDC_CHIP_LIST), (std::vector<CString>{"Chip A", "Chip A"}));
        ExpectForm(IDD_SETUP_I2C, "256", 0, IDCANCEL);
        d.SelectRow(IDC_CHIP_LIST, 1);
        d.Click(IDC_EDIT_CHIP);
        m_backend.ExpectDialog(IDD_SETUP_I2C, [](CHeadlessDialog& f) {
            EXPECT_EQ(f.Text(IDC_NAME), "Chip A");
            EXPECT_EQ(f.Text(IDC_LENGTH), "256");
            f.Type(IDC_LENGTH, "1024");
            f.Click(IDOK);
        });
        d.SelectRow(IDC_CHIP_LIST, 0);
        d.Click(IDC_EDIT_CHIP);
        d.Click(IDCANCEL);
    });
    CChipCatalog catalog;
    Reload(catalog);
    ASSERT_EQ(catalog.GetEntryCount(), 2);
    EXPECT_EQ(catalog.GetLength(0), 1024);
    EXPECT_EQ(catalog.GetLength(1), 512);
}

TEST_F(AddNewEditChipTest, NamesDifferingOnlyInCaseOpenTheirOwnEntries)
{
    Save(FourTypes(), {{"abc", 0, 256}, {"ABC", 1, 512}});
    RunChipList([&](CHeadlessDialog& d) {
        ExpectForm(IDD_SETUP_MICROWIRE, "512", 0, IDCANCEL);
        EditRow(d, "ABC");
        ExpectForm(IDD_SETUP_I2C, "256", 0, IDCANCEL);
        EditRow(d, "abc");
        d.Click(IDCANCEL);
    });
}

TEST_F(AddNewEditChipTest, EditChipShowsSixteenBitsFromTheVariantAndEditsByIndex)
{
    Save(FourTypes(), {{"m1", 1, 128}, {"m2", 2, 256}, {"m3", 3, 512}});
    RunChipList([&](CHeadlessDialog& d) {
        ExpectForm(IDD_SETUP_MICROWIRE, "128", 0, IDCANCEL);
        EditRow(d, "m1");
        ExpectForm(IDD_SETUP_MICROWIRE, "256", 1, IDCANCEL);
        EditRow(d, "m2");
        m_backend.ExpectDialog(IDD_SETUP_MICROWIRE, [](CHeadlessDialog& f) {
            EXPECT_TRUE(f.Checked(IDC_16_BITS));
            f.Type(IDC_LENGTH, "2048");
            f.Click(IDOK);
        });
        EditRow(d, "m3");
        d.Click(IDCANCEL);
    });
    CChipCatalog catalog;
    Reload(catalog);
    EXPECT_EQ(catalog.GetLength(2), 2048);
    EXPECT_EQ(catalog.GetKind(2), 3);
    EXPECT_EQ(catalog.GetSettings(1), SettingsFor({"m2", 2, 256}));
}

TEST_F(AddNewEditChipTest, KindFourOrMoreIsListedButOpensNothing)
{
    Save(FourTypes(), {{"odd4", 4}, {"odd255", 255}});
    const Bytes before = FileBytes();
    RunChipList([&](CHeadlessDialog& d) {
        EditRow(d, "odd4");
        EditRow(d, "odd255");
        d.Click(IDCANCEL);
    });
    EXPECT_EQ(Opened(), (std::vector<UINT>{IDD_CHIPLIST_DIALOG}));
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(FileBytes(), before);
}

TEST_F(AddNewEditChipTest, NameRemovedMeanwhileOpensNothingAndRefreshes)
{
    Save(FourTypes(), {{"gone", 0}, {"stays", 1}});
    RunChipList([&](CHeadlessDialog& d) {
        d.SelectRow(IDC_CHIP_LIST, RowOf(d, IDC_CHIP_LIST, "gone"));
        Save(FourTypes(), {{"stays", 1}, {"added", 0}});
        d.Click(IDC_EDIT_CHIP);
        EXPECT_EQ(d.Rows(IDC_CHIP_LIST), (std::vector<CString>{"added", "stays"}));
        d.Click(IDCANCEL);
    });
    EXPECT_EQ(Opened(), (std::vector<UINT>{IDD_CHIPLIST_DIALOG}));
    EXPECT_TRUE(Messages().empty());
}

TEST_F(AddNewEditChipTest, EditChipWithoutSelectionDoesNothing)
{
    Save(FourTypes(), {{"24C01", 0}});
    RunChipList([&](CHeadlessDialog& d) {
        Save(FourTypes(), {});
        d.Click(IDC_EDIT_CHIP);
        EXPECT_EQ(d.Rows(IDC_CHIP_LIST), (std::vector<CString>{"24C01"}));
        d.Click(IDCANCEL);
    });
    EXPECT_EQ(Opened(), (std::vector<UINT>{IDD_CHIPLIST_DIALOG}));
}

TEST_F(AddNewEditChipTest, EditChipOnADamagedFileReportsItAndOpensNoForm)
{
    Save(FourTypes(), {{"24C01", 0}});
    const Bytes damaged{0x01, 0x00, 0x05, 0x41};
    RunChipList([&](CHeadlessDialog& d) {
        d.SelectRow(IDC_CHIP_LIST, 0);
        WriteRawFile(damaged);
        d.Click(IDC_EDIT_CHIP);
        d.Click(IDCANCEL);
    });
    EXPECT_EQ(Opened(), (std::vector<UINT>{IDD_CHIPLIST_DIALOG}));
    ASSERT_FALSE(Messages().empty());
    EXPECT_NE(std::string(Messages()[0]).find("Progr.ini"), std::string::npos) << Messages()[0].GetString();
    EXPECT_EQ(FileBytes(), damaged);
}

TEST_F(AddNewEditChipTest, EditChipWithTheFileGoneOpensNothingSilently)
{
    Save(FourTypes(), {{"24C01", 0}});
    RunChipList([&](CHeadlessDialog& d) {
        d.SelectRow(IDC_CHIP_LIST, 0);
        ASSERT_EQ(::unlink(CCatalogFile::DefaultFileName), 0);
        d.Click(IDC_EDIT_CHIP);
        EXPECT_TRUE(d.Rows(IDC_CHIP_LIST).empty());
        d.Click(IDCANCEL);
    });
    EXPECT_EQ(Opened(), (std::vector<UINT>{IDD_CHIPLIST_DIALOG}));
    EXPECT_TRUE(Messages().empty());
    EXPECT_FALSE(FileExists());
}

}  // namespace
}  // namespace types_test
