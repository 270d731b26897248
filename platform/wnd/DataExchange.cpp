#include "DataExchange.h"

#include "DialogWindow.h"
#include "WinApp.h"

#include <climits>
#include <stdexcept>

const char* const AFX_IDP_PARSE_INT = "Please enter an integer.";
const char* const AFX_IDP_PARSE_BYTE = "Please enter an integer between 0 and 255.";
const char* const AFX_IDP_PARSE_UINT = "Please enter a positive integer.";
const char* const AFX_IDP_PARSE_INT_RANGE = "Please enter an integer between %1 and %2.";
const char* const AFX_IDP_PARSE_STRING_SIZE = "Please enter no more than %1 characters.";

namespace {
// The framework reads at most this many characters of a box.
constexpr std::size_t kScanChars = 31;

bool IsBlank(char ch) { return ch == ' ' || ch == '\t'; }

CDialogWindow& WindowOf(CDataExchange* pDX)
{
    CDialogWindow* pWnd = pDX->m_pWindow;
    if (!pWnd)
        throw std::logic_error("data exchange with a window that is not open");
    return *pWnd;
}

[[noreturn]] void Prompt(CDataExchange* pDX, const CString& strText)
{
    AfxMessageBox(strText, MB_OK | MB_ICONEXCLAMATION);
    pDX->Fail();
}

// Reads a number box. Every failure to read it as a number of its type gets that
// type's one prompt.
long long ReadNumber(CDataExchange* pDX, int nIDC, bool bSigned, const char* pszPrompt)
{
    pDX->PrepareEditCtrl(nIDC);
    long long nValue = 0;
    if (!AfxScanNumber(WindowOf(pDX).GetText(nIDC), bSigned, nValue))
        Prompt(pDX, pszPrompt);
    return nValue;
}

void WriteText(CDataExchange* pDX, int nIDC, const CString& strText)
{
    pDX->PrepareEditCtrl(nIDC);
    if (!pDX->KeepsText(nIDC))
        WindowOf(pDX).SetText(nIDC, strText);
}

void WriteNumber(CDataExchange* pDX, int nIDC, long long nValue)
{
    WriteText(pDX, nIDC, CString(std::to_string(nValue)));
}

template <class T> void CheckRange(CDataExchange* pDX, T value, T minVal, T maxVal)
{
    if (!pDX->m_bSaveAndValidate || (value >= minVal && value <= maxVal))
        return;
    Prompt(pDX, AfxFormatPrompt(AFX_IDP_PARSE_INT_RANGE, CString(std::to_string(minVal)),
                                CString(std::to_string(maxVal))));
}
}  // namespace

CDataExchange::CDataExchange(CWnd* pDlgWnd, CDialogWindow* pWindow, UINT nIDTemplate, BOOL bSaveAndValidate)
    : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd), m_pWindow(pWindow), m_nIDTemplate(nIDTemplate)
{
}

void CDataExchange::PrepareCtrl(int nIDC)
{
    CDialogWindow& wnd = WindowOf(this);
    if (!wnd.HasControl(nIDC))
        throw std::logic_error("control " + std::to_string(nIDC) + " is missing from dialog template " +
                               std::to_string(m_nIDTemplate));
    if (m_idReadStop != 0 && m_idLastControl == m_idReadStop)
        m_bPastReadStop = TRUE;
    m_idLastControl = nIDC;
}

void CDataExchange::PrepareEditCtrl(int nIDC)
{
    PrepareCtrl(nIDC);
}

BOOL CDataExchange::KeepsText(int nIDC) const
{
    if (m_bSaveAndValidate || !m_bPastReadStop)
        return FALSE;
    const DialogTemplate* pTemplate = AfxFindDialogTemplate(m_nIDTemplate);
    const ControlTemplate* pControl = pTemplate ? pTemplate->FindControl(nIDC) : nullptr;
    return pControl && pControl->kind == ControlKind::Edit;
}

void CDataExchange::Fail()
{
    if (m_bSaveAndValidate && m_idLastControl != 0) {
        WindowOf(this).SetFocusTo(m_idLastControl);
    }
    throw CUserException();
}

bool AfxScanNumber(const char* pszText, bool bSigned, long long& nValue)
{
    const std::string text = std::string(pszText ? pszText : "").substr(0, kScanChars);
    std::size_t i = 0;
    while (i < text.size() && IsBlank(text[i]))
        ++i;
    const std::size_t nFirst = i;
    bool bNegative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        bNegative = text[i] == '-';
        ++i;
    }
    if (bNegative && !bSigned)
        return false;
    const long long nLimit = bSigned ? (bNegative ? -static_cast<long long>(INT_MIN) : INT_MAX) : UINT_MAX;
    long long n = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
        n = std::min(nLimit, n * 10 + (text[i] - '0'));
    while (i < text.size() && IsBlank(text[i]))
        ++i;
    if (i != text.size() || (n == 0 && (nFirst == text.size() || text[nFirst] != '0')))
        return false;
    nValue = bNegative ? -n : n;
    return true;
}

CString AfxFormatPrompt(const char* pszTemplate, const CString& str1, const CString& str2)
{
    std::string out;
    for (const char* p = pszTemplate; *p; ++p) {
        if (p[0] == '%' && (p[1] == '1' || p[1] == '2')) {
            out += (p[1] == '1' ? str1 : str2).Str();
            ++p;
        } else {
            out += *p;
        }
    }
    return CString(out);
}

void DDX_Text(CDataExchange* pDX, int nIDC, CString& value)
{
    if (!pDX->m_bSaveAndValidate) {
        WriteText(pDX, nIDC, value);
        return;
    }
    pDX->PrepareEditCtrl(nIDC);
    value = WindowOf(pDX).GetText(nIDC);
}

void DDX_Text(CDataExchange* pDX, int nIDC, int& value)
{
    if (pDX->m_bSaveAndValidate)
        value = static_cast<int>(ReadNumber(pDX, nIDC, true, AFX_IDP_PARSE_INT));
    else
        WriteNumber(pDX, nIDC, value);
}

void DDX_Text(CDataExchange* pDX, int nIDC, UINT& value)
{
    if (pDX->m_bSaveAndValidate)
        value = static_cast<UINT>(ReadNumber(pDX, nIDC, false, AFX_IDP_PARSE_UINT));
    else
        WriteNumber(pDX, nIDC, value);
}

void DDX_Text(CDataExchange* pDX, int nIDC, BYTE& value)
{
    if (!pDX->m_bSaveAndValidate) {
        WriteNumber(pDX, nIDC, value);
        return;
    }
    const long long n = ReadNumber(pDX, nIDC, false, AFX_IDP_PARSE_BYTE);
    if (n > 255)
        Prompt(pDX, AFX_IDP_PARSE_BYTE);
    value = static_cast<BYTE>(n);
}

void DDX_Check(CDataExchange* pDX, int nIDC, int& value)
{
    pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        value = WindowOf(pDX).GetCheck(nIDC);
    else
        WindowOf(pDX).SetCheck(nIDC, value >= 0 && value <= 2 ? value : 0);
}

void DDX_LBIndex(CDataExchange* pDX, int nIDC, int& index)
{
    pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        index = WindowOf(pDX).ListGetCurSel(nIDC);
    else
        WindowOf(pDX).ListSetCurSel(nIDC, index);
}

void DDV_MinMaxByte(CDataExchange* pDX, BYTE value, BYTE minVal, BYTE maxVal)
{
    CheckRange<int>(pDX, value, minVal, maxVal);
}

void DDV_MinMaxInt(CDataExchange* pDX, int value, int minVal, int maxVal)
{
    CheckRange<int>(pDX, value, minVal, maxVal);
}

void DDV_MaxChars(CDataExchange* pDX, const CString& value, int nChars)
{
    if (pDX->m_bSaveAndValidate && value.GetLength() > nChars)
        Prompt(pDX, AfxFormatPrompt(AFX_IDP_PARSE_STRING_SIZE, CString(std::to_string(nChars))));
}
