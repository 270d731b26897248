#pragma once

#include "String.h"

#include <exception>

class CWnd;
class CDialogWindow;

// Thrown by CDataExchange::Fail after the prompt has been shown.
class CUserException : public std::exception {
public:
    const char* what() const noexcept override { return "user input rejected"; }
};

class CDataExchange {
public:
    // pWindow is the open window of pDlgWnd's dialog; nIDTemplate names its template in
    // the failure a missing control raises.
    CDataExchange(CWnd* pDlgWnd, CDialogWindow* pWindow, UINT nIDTemplate, BOOL bSaveAndValidate);

    // Remembers the control the next range check reports on.
    void PrepareCtrl(int nIDC);
    void PrepareEditCtrl(int nIDC);
    // On a write: whether this edit box keeps its text because the read before the write
    // stopped at an earlier control and so has not taken it.
    BOOL KeepsText(int nIDC) const;
    // Puts the focus on the last prepared control (selecting an edit box's text) and
    // throws CUserException.
    [[noreturn]] void Fail();

    BOOL m_bSaveAndValidate;
    CWnd* m_pDlgWnd;
    CDialogWindow* m_pWindow;
    UINT m_nIDTemplate;
    int m_idLastControl = 0;
    // Set by the dialog before a write: the control at which its last read stopped, or 0.
    int m_idReadStop = 0;

private:
    BOOL m_bPastReadStop = FALSE;
};

// Framework prompts, exact.
extern const char* const AFX_IDP_PARSE_INT;        // "Please enter an integer."
extern const char* const AFX_IDP_PARSE_BYTE;       // "Please enter an integer between 0 and 255."
extern const char* const AFX_IDP_PARSE_UINT;       // "Please enter a positive integer."
extern const char* const AFX_IDP_PARSE_INT_RANGE;  // "Please enter an integer between %1 and %2."
extern const char* const AFX_IDP_PARSE_STRING_SIZE;  // "Please enter no more than %1 characters."

// The framework's simple number scanner (see the data exchange rules). Returns false
// when the text is not a number of that kind; bSigned allows a leading '-'.
bool AfxScanNumber(const char* pszText, bool bSigned, long long& nValue);
// Replaces %1 and %2.
CString AfxFormatPrompt(const char* pszTemplate, const CString& str1, const CString& str2 = "");

void DDX_Text(CDataExchange* pDX, int nIDC, CString& value);
void DDX_Text(CDataExchange* pDX, int nIDC, int& value);
void DDX_Text(CDataExchange* pDX, int nIDC, BYTE& value);
void DDX_Text(CDataExchange* pDX, int nIDC, UINT& value);
void DDX_Check(CDataExchange* pDX, int nIDC, int& value);
void DDX_LBIndex(CDataExchange* pDX, int nIDC, int& index);
void DDV_MinMaxByte(CDataExchange* pDX, BYTE value, BYTE minVal, BYTE maxVal);
void DDV_MinMaxInt(CDataExchange* pDX, int value, int minVal, int maxVal);
void DDV_MaxChars(CDataExchange* pDX, const CString& value, int nChars);
