#pragma once

#include "CatalogEdit.h"
#include "ChipCatalog.h"
#include "Dialog.h"
#include "DisplayText.h"
#include "EditedFile.h"
#include "PartTable.h"

class CDataExchange;

// What both setup forms share: the caller's inputs, the private catalogue copy with its
// load on open and save on OK, the eight "Power Pins" boxes and the pattern boxes.
class CSetupFormDlg : public CDialog {
public:
    // nPowerPins is the PowerPins byte of the form's values, which the boxes set.
    CSetupFormDlg(UINT nIDTemplate, CWnd* pParent, BYTE& nPowerPins);

    CEditedFile m_file;   // input: the catalogue the form loads and saves
    int m_nIndex = 0;     // input in edit mode; set by the form in new mode
    int m_bNew = 0;       // input: non-zero creates a new entry
    CString m_strName;    // input: the name the Name box starts with
    CString m_strNameEdit;
    int m_bPowerPin[8] = {};
    CChipCatalog m_catalog;
    // The patterns as the form shows them, each the settings byte OK would store. The
    // device address has a box on the I2C form only.
    BYTE m_nDeviceAddress = 0;
    BYTE m_nPortRead = 0;
    BYTE m_nPortWrite = 0;
    CString m_strAddrI2C;
    CString m_strPortRead;
    CString m_strPortWrite;

protected:
    void DoDataExchange(CDataExchange* pDX) final;
    // Loads the entry, fills the form's values from it (defaults in new mode) and shows
    // them; on OK, checks the boxes, asks about the part number and saves.
    BOOL OnInitDialog() override;
    void OnOK() override;
    // The form's own steps. ExchangeBoxes runs the boxes in an order that decides where
    // a read stops when a value is rejected.
    virtual void LoadValues() = 0;
    virtual void ExchangeBoxes(CDataExchange* pDX) = 0;
    virtual ChipSettings BuildSettings() const = 0;

    // The power-pin steps, the same on both forms.
    void ShowPowerPins();
    void OnPowerPinClicked();
    void DDX_PowerPins(CDataExchange* pDX);
    // A box whose value the patterns follow changed.
    void OnPatternSourceChanged();
    // Reads the boxes, then shows the patterns of the values read. Each action reads
    // once, so that a rejected box is reported once.
    void UpdatePatterns();
    void ShowPatterns();

    // Exchanges shared by both forms: the box of a value, checked against the value's
    // range; a pattern text; and the two port patterns.
    void DDX_Field(CDataExchange* pDX, int nIDC, ChipValue value, BYTE& nValue);
    void DDX_Field(CDataExchange* pDX, int nIDC, ChipValue value, int& nValue);
    static void DDX_Pattern(CDataExchange* pDX, int nIDC, CString& strPattern);
    void DDX_PortPatterns(CDataExchange* pDX);

    // Loads the catalogue and settles m_nIndex: appends an empty entry in new mode,
    // checks the index in edit mode. A failure is reported and ends the form as Cancel;
    // it then returns FALSE and the caller must stop opening the form.
    BOOL OpenEntry();
    BOOL RefuseToOpen(const CDisplayText& strError);
    // Writes the Name box and the settings into the entry and saves the whole catalogue.
    // A failed save is reported and returns FALSE; the form stays open.
    BOOL SaveEntry(const ChipSettings& settings);
    // Before a save: where the settings contradict the part number the Name box holds,
    // asks whether to save anyway, No being the default. On No the focus goes to the
    // first field the question names and FALSE is returned. An edit that kept the name
    // is asked only about the figures it changed.
    BOOL ConfirmPartNumber(const ChipSettings& settings);

    BYTE& m_nPowerPins;
    // The box at which the last read stopped, or 0. The edit boxes after it keep what the
    // user typed when the values are written back; the next read takes it.
    int m_idReadStop = 0;
    // The box of each value, as the exchange pairs them; 0 for a value the form has no box for.
    int m_nValueBox[static_cast<int>(ChipValue::none) + 1] = {};
    CCatalogEdit m_edit;
    // In edit mode, the entry as the form loaded it: a save over a file that another
    // program changed goes ahead only where that entry is still the same.
    CString m_strLoadedName;
    ChipSettings m_loadedSettings;

    DECLARE_MESSAGE_MAP()
};
