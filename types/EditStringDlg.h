#pragma once

#include "Dialog.h"

// "Edit string": one line of text, the name of a chip type.
class CEditStringDlg : public CDialog {
public:
    explicit CEditStringDlg(CWnd* pParent = nullptr);

    // Shown when the dialog opens; holds the box's text after IDOK.
    CString m_strText;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
};
