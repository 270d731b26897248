#pragma once

// Runs the chip list window, Select Type and Edit string on the headless backend in a
// fresh working directory, where they find ./Progr.ini, and reads back what they wrote.

#include "CatalogFile.h"
#include "ChipCatalog.h"
#include "ChipListDlg.h"
#include "ChipRules.h"
#include "HeadlessBackend.h"
#include "HeadlessDialog.h"
#include "Resource.h"
#include "Templates.h"
#include "TypeSelectDlg.h"

#include "support/CatalogDirFixture.h"
#include "support/SettingsBytes.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <unistd.h>
#include <vector>

namespace types_test {

using Bytes = std::vector<BYTE>;

struct Chip {
    CString strName;
    int nKind;       // 0 I2C, 1..3 Microwire, anything else stored as is
    int nLength = 128;
};

// The settings a form would store for a chip of that kind and length.
inline ChipSettings SettingsFor(const Chip& chip)
{
    ChipSettings s;
    if (chip.nKind == 0) {
        I2CChipValues v;
        v.nLength = chip.nLength;
        s = BuildI2CSettings(v);
    } else {
        MicrowireChipValues v;
        v.nVariant = chip.nKind >= 1 && chip.nKind <= 3 ? chip.nKind - 1 : 0;
        v.nLength = chip.nLength;
        s = BuildMicrowireSettings(v);
    }
    s[ChipSettings::Kind] = static_cast<BYTE>(chip.nKind);
    return s;
}

inline std::vector<CString> FourTypes()
{
    return {"I2C EEPROM", "Microwire x8", "Microwire x16", "Microwire x16 (variant 2)"};
}

class ChipTypesFixture : public CatalogDirFixture {
protected:
    static void Save(const std::vector<CString>& types, const std::vector<Chip>& chips)
    {
        std::vector<std::pair<CString, ChipSettings>> entries;
        for (const Chip& chip : chips)
            entries.emplace_back(chip.strName, SettingsFor(chip));
        SaveCatalog(types, entries);
    }

    static bool FileExists() { return ::access(CCatalogFile::DefaultFileName, F_OK) == 0; }

    // The row showing strText, or -1.
    static int RowOf(const CHeadlessDialog& d, int nID, const CString& strText)
    {
        const std::vector<CString> rows = d.Rows(nID);
        for (std::size_t i = 0; i < rows.size(); ++i) {
            if (rows[i] == strText)
                return static_cast<int>(i);
        }
        return -1;
    }

    // Runs the chip list window; the script acts in it and must end it.
    void RunChipList(HeadlessScript script)
    {
        CChipListDlg dlg;
        m_backend.ExpectDialog(IDD_CHIPLIST_DIALOG, std::move(script));
        dlg.DoModal();
    }

    // Runs Select Type; the script acts in it and must end it.
    int RunTypes(CTypeSelectDlg& dlg, HeadlessScript script)
    {
        m_backend.ExpectDialog(IDD_SELECT_TYPE, std::move(script));
        return dlg.DoModal();
    }

    // Queues Edit string: the text typed, then OK.
    void AnswerEditString(const CString& strText)
    {
        m_backend.ExpectDialog(IDD_EDIT_STRING, [strText](CHeadlessDialog& e) {
            e.Type(IDC_STRING_TEXT, strText);
            e.Click(IDOK);
        });
    }

    // In Select Type: renames the type in row nRow through Edit string.
    void RenameType(CHeadlessDialog& t, int nRow, const CString& strName)
    {
        AnswerEditString(strName);
        t.SelectRow(IDC_TYPE_LIST, nRow);
        t.Click(IDC_EDIT_TYPE);
    }

    const std::vector<UINT>& Opened() const { return m_backend.OpenedDialogs(); }
};

// New type and Delete Type have no enabled button; the tests reach their handlers here.
class CTypeSelectProbe : public CTypeSelectDlg {
public:
    using CTypeSelectDlg::OnDeleteType;
    using CTypeSelectDlg::OnNewType;
};

}  // namespace types_test
