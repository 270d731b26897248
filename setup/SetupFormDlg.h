#pragma once

#include "catalog/ChipCatalog.h"
#include "platform/Dialog.h"

// What both setup forms share: the caller's inputs, the private catalogue copy with its
// load on open and save on OK, and the eight "Power Pins" boxes.
class CSetupFormDlg : public CDialog {
public:
    CSetupFormDlg(UINT nIDTemplate, CWnd* pParent);

    int m_nIndex = 0;     // input in edit mode; set by the form in new mode
    int m_bNew = 0;       // input: non-zero creates a new entry
    CString m_strName;    // input: the name the Name box starts with
    CString m_strNameEdit;
    BYTE m_nPowerPins = 0;
    int m_bPowerPin[8] = {};
    CChipCatalog m_catalog;

protected:
    // The power-pin steps, the same on both forms.
    void ShowPowerPins();
    void OnPowerPinClicked();
    void DDX_PowerPins(CDataExchange* pDX);
    virtual void UpdatePatterns() = 0;

    DECLARE_MESSAGE_MAP()
};
