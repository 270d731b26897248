#include "TestDialog.h"

#include "Archive.h"
#include "ListBox.h"
#include "WinApp.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>

namespace {

struct ScanCase {
    const char* pszText;
    bool bSigned;
    bool bNumber;
    long long nValue;
};

TEST(ScanNumber, FollowsTheFrameworkScanner)
{
    const ScanCase cases[] = {
        {"0", false, true, 0},       {"00", true, true, 0},       {"", false, false, 0},
        {"   ", true, false, 0},     {"+0", true, false, 0},      {"-0", true, false, 0},
        {" 7 ", false, true, 7},     {"\t12\t", true, true, 12},  {"7x", false, false, 0},
        {"5 6", true, false, 0},     {"x7", true, false, 0},      {"+5", false, true, 5},
        {"-5", true, true, -5},      {"-5", false, false, 0},     {"+", true, false, 0},
        {"+ 5", true, false, 0},     {"- 5", true, false, 0},     {"0x10", false, false, 0},
        {"99999999999", true, true, INT_MAX},
        {"-99999999999", true, true, INT_MIN},
        {"99999999999", false, true, UINT_MAX},
        // Only the first 31 characters count: the trailing x is never seen, and neither
        // is a digit after 31 blanks.
        {"1                              x", false, true, 1},
        {"                               5", false, false, 0},
    };
    for (const ScanCase& c : cases) {
        long long n = 0;
        EXPECT_EQ(AfxScanNumber(c.pszText, c.bSigned, n), c.bNumber) << '"' << c.pszText << '"';
        if (c.bNumber) {
            EXPECT_EQ(n, c.nValue) << '"' << c.pszText << '"';
        }
    }
}

// The test dialog with an exchange of the test's own in place of its usual one, and
// writes told where a read stopped.
class CExchangeDlg : public CTestDialog {
public:
    std::function<void(CDataExchange*)> m_exchange;
    int m_idReadStop = 0;

protected:
    void DoDataExchange(CDataExchange* pDX) override
    {
        if (!pDX->m_bSaveAndValidate)
            pDX->m_idReadStop = m_idReadStop;
        if (m_exchange)
            m_exchange(pDX);
        else
            CTestDialog::DoDataExchange(pDX);
    }
};

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
    CExchangeDlg m_dlg;
    int m_nFocus = 0;
    std::pair<int, int> m_selection;
};

TEST_F(DataExchangeTest, RangeIsCheckedOnTheStoredValue)
{
    EXPECT_EQ(TypeAndOk(IDC_BYTE, "9"), IDCANCEL);
    EXPECT_EQ(Messages(), std::vector<CString>{"Please enter an integer between 0 and 8."});
    EXPECT_EQ(m_dlg.m_nByte, 9);
}

// Each type has one prompt for every text that does not read as a number of that type.
TEST_F(DataExchangeTest, EveryFailedReadGetsItsTypesPrompt)
{
    UINT nUint = 4;
    struct Case { int nID; const char* pszText; const char* pszPrompt; };
    const Case cases[] = {
        {IDC_BYTE, "", AFX_IDP_PARSE_BYTE},    {IDC_BYTE, "abc", AFX_IDP_PARSE_BYTE},
        {IDC_BYTE, "-1", AFX_IDP_PARSE_BYTE},  {IDC_BYTE, "+0", AFX_IDP_PARSE_BYTE},
        {IDC_BYTE, "256", AFX_IDP_PARSE_BYTE}, {IDC_BYTE, "9", "Please enter an integer between 0 and 8."},
        {IDC_INT, "", AFX_IDP_PARSE_INT},      {IDC_INT, "1.5", AFX_IDP_PARSE_INT},
        {IDC_INT, "-0", AFX_IDP_PARSE_INT},    {IDC_INT, "-1", "Please enter an integer between 0 and 1000."},
        {IDC_TEXT, "", AFX_IDP_PARSE_UINT},    {IDC_TEXT, "x", AFX_IDP_PARSE_UINT},
        {IDC_TEXT, "-1", AFX_IDP_PARSE_UINT},  {IDC_TEXT, "+0", AFX_IDP_PARSE_UINT},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("'") + c.pszText + "' in box " + std::to_string(c.nID));
        m_dlg.m_exchange = [&](CDataExchange* pDX) {
            DDX_Text(pDX, IDC_BYTE, m_dlg.m_nByte);
            DDV_MinMaxByte(pDX, m_dlg.m_nByte, 0, 8);
            DDX_Text(pDX, IDC_INT, m_dlg.m_nInt);
            DDV_MinMaxInt(pDX, m_dlg.m_nInt, 0, 1000);
            DDX_Text(pDX, IDC_TEXT, nUint);
        };
        m_dlg.m_nByte = 3;
        m_dlg.m_nInt = 5;
        m_backend.ClearMessages();
        EXPECT_EQ(TypeAndOk(c.nID, c.pszText), IDCANCEL);
        EXPECT_EQ(Messages(), std::vector<CString>{c.pszPrompt});
        EXPECT_EQ(m_nFocus, c.nID);
        EXPECT_EQ(m_selection, std::make_pair(0, static_cast<int>(strlen(c.pszText))));
    }
    // A text that is not a number leaves the field as it was.
    EXPECT_EQ(m_dlg.m_nByte, 3);
    EXPECT_EQ(nUint, 4u);
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

TEST_F(DataExchangeTest, AWriteAfterAStoppedReadLeavesTheEditBoxesThatReadDidNotReach)
{
    m_backend.ExpectDialog(IDD_TEST, [&](CHeadlessDialog& d) {
        d.Type(IDC_BYTE, "x");
        d.Type(IDC_INT, "12");
        d.Type(IDC_TEXT, "typed");
        m_dlg.m_nByte = 5;
        m_dlg.m_nInt = 8;
        m_dlg.m_strText = "field";
        m_dlg.m_strStatic = "static";
        m_dlg.m_bCheck = 1;
        // The stop box itself and every control that is not an edit box are written.
        m_dlg.m_idReadStop = IDC_BYTE;
        m_dlg.UpdateData(FALSE);
        EXPECT_EQ(d.Text(IDC_BYTE), "5");
        EXPECT_EQ(d.Text(IDC_INT), "12");
        EXPECT_EQ(d.Text(IDC_TEXT), "typed");
        EXPECT_EQ(d.Text(IDC_STATIC8), "static");
        EXPECT_TRUE(d.Checked(IDC_CHECK));
        m_dlg.m_idReadStop = IDC_INT;
        m_dlg.UpdateData(FALSE);
        EXPECT_EQ(d.Text(IDC_INT), "8");
        EXPECT_EQ(d.Text(IDC_TEXT), "typed");
        m_dlg.m_idReadStop = 0;
        m_dlg.UpdateData(FALSE);
        EXPECT_EQ(d.Text(IDC_TEXT), "field");
        d.Click(IDCANCEL);
    });
    m_dlg.DoModal();
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
