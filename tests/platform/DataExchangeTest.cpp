#include "TestDialog.h"

#include "Archive.h"
#include "ListBox.h"
#include "WinApp.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

struct ScanCase {
    const char* pszText;
    bool bSigned;
    ScanResult result;
    long long nValue;
};

TEST(ScanNumber, FollowsTheFrameworkScanner)
{
    const ScanCase cases[] = {
        {"0", false, ScanResult::ok, 0},          {"00", true, ScanResult::ok, 0},
        {"", false, ScanResult::notNumber, 0},    {"   ", true, ScanResult::notNumber, 0},
        {"+0", true, ScanResult::notNumber, 0},   {"-0", true, ScanResult::notNumber, 0},
        {" 7 ", false, ScanResult::ok, 7},        {"\t12\t", true, ScanResult::ok, 12},
        {"7x", false, ScanResult::notNumber, 0},  {"5 6", true, ScanResult::notNumber, 0},
        {"x7", true, ScanResult::notNumber, 0},   {"+5", false, ScanResult::ok, 5},
        {"-5", true, ScanResult::ok, -5},         {"-5", false, ScanResult::negativeUnsigned, 0},
        {"99999999999", true, ScanResult::ok, INT_MAX},
        {"-99999999999", true, ScanResult::ok, INT_MIN},
        {"99999999999", false, ScanResult::ok, UINT_MAX},
        // Only the first 31 characters count, so the trailing x is never seen.
        {"1                              x", false, ScanResult::ok, 1},
    };
    for (const ScanCase& c : cases) {
        long long n = 0;
        EXPECT_EQ(AfxScanNumber(c.pszText, c.bSigned, n), c.result) << '"' << c.pszText << '"';
        if (c.result == ScanResult::ok) {
            EXPECT_EQ(n, c.nValue) << '"' << c.pszText << '"';
        }
    }
}

class DataExchangeTest : public ::testing::Test {
protected:
    void SetUp() override { InstallTestResources(); }

    // Opens the dialog, types into one box, presses OK and returns what it ended with.
    int TypeAndOk(int nID, const char* pszText)
    {
        m_backend.ExpectDialog(IDD_TEST, [&](CHeadlessDialog& d) {
            d.Type(nID, pszText);
            d.Click(IDOK);
            m_nFocus = d.Focus();
            m_selection = d.Selection(nID);
            if (!d.IsEnded())
                d.Click(IDCANCEL);
        });
        return m_dlg.DoModal();
    }

    std::vector<CString> Messages() const { return m_backend.MessageTexts(); }

    CHeadlessBackend m_backend;
    CTestDialog m_dlg;
    int m_nFocus = 0;
    std::pair<int, int> m_selection;
};

TEST_F(DataExchangeTest, ByteOverflowIsRefusedAndLeavesTheField)
{
    m_dlg.m_nByte = 3;
    EXPECT_EQ(TypeAndOk(IDC_BYTE, "300"), IDCANCEL);
    EXPECT_EQ(Messages(), std::vector<CString>{"Please enter an integer between 0 and 255."});
    EXPECT_EQ(m_dlg.m_nByte, 3);
    EXPECT_EQ(m_nFocus, IDC_BYTE);
    EXPECT_EQ(m_selection, std::make_pair(0, 3));
}

TEST_F(DataExchangeTest, RangeIsCheckedOnTheStoredValue)
{
    EXPECT_EQ(TypeAndOk(IDC_BYTE, "9"), IDCANCEL);
    EXPECT_EQ(Messages(), std::vector<CString>{"Please enter an integer between 0 and 8."});
    EXPECT_EQ(m_dlg.m_nByte, 9);
}

TEST_F(DataExchangeTest, NotANumberAndSignedBytesGetTheirPrompts)
{
    EXPECT_EQ(TypeAndOk(IDC_BYTE, ""), IDCANCEL);
    EXPECT_EQ(TypeAndOk(IDC_BYTE, "-1"), IDCANCEL);
    EXPECT_EQ(TypeAndOk(IDC_BYTE, "+0"), IDCANCEL);
    EXPECT_EQ(Messages(), (std::vector<CString>{"Please enter an integer.", "Please enter a positive integer.",
                                                "Please enter an integer."}));
}

TEST_F(DataExchangeTest, BoundariesPassAndTheExchangeStopsAtTheFirstFailure)
{
    m_dlg.m_strText = "old";
    m_backend.ExpectDialog(IDD_TEST, [&](CHeadlessDialog& d) {
        d.Type(IDC_BYTE, " 8 ");
        d.Type(IDC_INT, "1001");
        d.Type(IDC_TEXT, "new");
        d.Click(IDOK);
        EXPECT_FALSE(d.IsEnded());
        EXPECT_EQ(d.Focus(), IDC_INT);
        d.Type(IDC_INT, "1000");
        d.Click(IDOK);
    });
    m_dlg.m_strText = "old";
    EXPECT_EQ(m_dlg.DoModal(), IDOK);
    EXPECT_EQ(Messages(), std::vector<CString>{"Please enter an integer between 0 and 1000."});
    EXPECT_EQ(m_dlg.m_nByte, 8);
    EXPECT_EQ(m_dlg.m_nInt, 1000);
    EXPECT_EQ(m_dlg.m_strText, "new");
}

TEST_F(DataExchangeTest, OutOfRangeIntIsStoredThenReportedAndLaterFieldsKeepTheirValues)
{
    m_dlg.m_strText = "kept";
    m_backend.ExpectDialog(IDD_TEST, [&](CHeadlessDialog& d) {
        d.Type(IDC_INT, "-7");
        d.Type(IDC_TEXT, "typed");
        d.Click(IDOK);
        d.Click(IDCANCEL);
    });
    m_dlg.DoModal();
    EXPECT_EQ(m_dlg.m_nInt, -7);
    EXPECT_EQ(m_dlg.m_strText, "kept");
    EXPECT_EQ(Messages(), std::vector<CString>{"Please enter an integer between 0 and 1000."});
}

TEST_F(DataExchangeTest, MaxCharsIsCheckedOnReadOnly)
{
    m_dlg.m_strStatic = "123456789";
    m_backend.ExpectDialog(IDD_TEST, [&](CHeadlessDialog& d) {
        EXPECT_EQ(d.Text(IDC_STATIC8), "123456789");
        d.Click(IDOK);
        d.Click(IDCANCEL);
    });
    m_dlg.DoModal();
    EXPECT_EQ(Messages(), std::vector<CString>{"Please enter no more than 8 characters."});
}

TEST_F(DataExchangeTest, WritingShowsEveryFieldAndReadingTakesChecksAndSelection)
{
    m_dlg.m_nByte = 7;
    m_dlg.m_nInt = -12;
    m_dlg.m_nMinInt = -100;
    m_dlg.m_bCheck = 1;
    m_backend.ExpectDialog(IDD_TEST, [&](CHeadlessDialog& d) {
        EXPECT_EQ(d.Text(IDC_BYTE), "7");
        EXPECT_EQ(d.Text(IDC_INT), "-12");
        EXPECT_TRUE(d.Checked(IDC_CHECK));
        d.Click(IDC_CHECK);
        d.Click(IDOK);
    });
    EXPECT_EQ(m_dlg.DoModal(), IDOK);
    EXPECT_EQ(m_dlg.m_bCheck, 0);
    EXPECT_EQ(m_dlg.m_nSel, -1);
}

TEST_F(DataExchangeTest, NoNotificationsReachHandlersWhileDataIsExchanged)
{
    m_backend.ExpectDialog(IDD_TEST, [&](CHeadlessDialog& d) {
        const int nAtStart = m_dlg.m_nChanges;
        m_dlg.m_strText = "written";
        m_dlg.UpdateData(FALSE);
        EXPECT_EQ(d.Text(IDC_TEXT), "written");
        EXPECT_EQ(m_dlg.m_nChanges, nAtStart);
        d.Type(IDC_TEXT, "by hand");
        EXPECT_EQ(m_dlg.m_nChanges, nAtStart + 1);
        d.Type(IDC_TEXT, "by hand");  // the same text raises nothing
        EXPECT_EQ(m_dlg.m_nChanges, nAtStart + 1);
        d.Click(IDCANCEL);
    });
    m_dlg.DoModal();
    EXPECT_EQ(m_dlg.m_nChanges, 1);
}

TEST_F(DataExchangeTest, AnExceptionFromAHandlerIsReportedAndTheWindowStaysOpen)
{
    m_dlg.m_onAction = [] { throw CArchiveException(CArchiveException::endOfFile, "Progr.ini", 5, "entry 0 name"); };
    m_backend.ExpectDialog(IDD_TEST, [&](CHeadlessDialog& d) {
        d.Click(IDC_ACTION);
        EXPECT_FALSE(d.IsEnded());
        d.PressEscape();
    });
    EXPECT_EQ(m_dlg.DoModal(), IDCANCEL);
    ASSERT_EQ(m_backend.Messages().size(), 1u);
    EXPECT_NE(m_backend.Messages()[0].strText.Str().find("Progr.ini past its end"), std::string::npos);
    EXPECT_EQ(m_backend.Messages()[0].strCaption, "test_platform");
    EXPECT_EQ(m_backend.Messages()[0].nType, MB_OK | MB_ICONEXCLAMATION);
}

TEST_F(DataExchangeTest, KeysAndDisabledButtonsBehaveAsInTheFramework)
{
    m_backend.ExpectDialog(IDD_TEST, [&](CHeadlessDialog& d) {
        EXPECT_EQ(d.Focus(), IDOK);  // the first tab stop
        d.Click(IDC_DISABLED);
        EXPECT_EQ(m_dlg.m_nClicks, 0);
        d.SetFocusTo(IDC_ACTION);
        d.PressEnter();  // a focused push button takes Enter
        EXPECT_EQ(m_dlg.m_nClicks, 1);
        d.SetFocusTo(IDC_TEXT);
        d.PressEnter();  // elsewhere Enter is the default button
    });
    EXPECT_EQ(m_dlg.DoModal(), IDOK);
    m_backend.ExpectDialog(IDD_TEST, [](CHeadlessDialog& d) { d.CloseBox(); });
    EXPECT_EQ(m_dlg.DoModal(), IDCANCEL);
}

// Equal rows go where the system's binary search meets one: before it.
TEST_F(DataExchangeTest, SortedListOrdersWithoutCaseAndPutsTiesAsTheSystemDoes)
{
    CListBox list;
    m_dlg.m_onInit = [&] {
        list.Attach(&m_dlg, IDC_SORTED);
        EXPECT_EQ(list.AddString("b"), 0);
        EXPECT_EQ(list.AddString("A"), 0);
        EXPECT_EQ(list.AddString("a"), 0);
        EXPECT_EQ(list.AddString("B"), 2);
        list.AddStrings({"c", "Ab", "", "a"});
        return TRUE;
    };
    m_backend.ExpectDialog(IDD_TEST, [&](CHeadlessDialog& d) {
        EXPECT_EQ(d.Rows(IDC_SORTED), (std::vector<CString>{"", "a", "a", "A", "Ab", "B", "b", "c"}));
        d.Click(IDCANCEL);
    });
    m_dlg.DoModal();
}

TEST_F(DataExchangeTest, BatchAddGivesTheSameRowsAsAddingOneByOne)
{
    CListBox one;
    CListBox batch;
    std::vector<CString> names;
    for (int i = 0; i < 300; ++i)
        names.push_back(CString(std::string(1, "aAbBzZ_1"[(i * 7) % 8]) + std::to_string(i % 5)));
    m_dlg.m_onInit = [&] {
        one.Attach(&m_dlg, IDC_SORTED);
        for (const CString& s : names)
            one.AddString(s);
        std::vector<CString> rows;
        for (int i = 0; i < one.GetCount(); ++i)
            rows.push_back(one.GetText(i));
        one.ResetContent();
        one.AddStrings(names);
        for (int i = 0; i < one.GetCount(); ++i)
            EXPECT_EQ(one.GetText(i), rows[static_cast<std::size_t>(i)]) << i;
        return TRUE;
    };
    m_backend.ExpectDialog(IDD_TEST, [](CHeadlessDialog& d) { d.Click(IDCANCEL); });
    m_dlg.DoModal();
}

TEST_F(DataExchangeTest, UnexpectedDialogsAndQuestionsAreRecordedNotWaitedFor)
{
    EXPECT_EQ(m_dlg.DoModal(), IDCANCEL);
    EXPECT_EQ(AfxMessageBox("Sure?", MB_YESNO), IDNO);
    EXPECT_EQ(m_backend.Failures().size(), 2u);
}

}  // namespace
