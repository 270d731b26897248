#pragma once

// Runs the setup forms on the headless backend in a fresh working directory, where the
// forms find ./Progr.ini, and reads back what they wrote.

#include "CatalogFile.h"
#include "ChipCatalog.h"
#include "HeadlessBackend.h"
#include "HeadlessDialog.h"
#include "I2CSetupDlg.h"
#include "MicrowireSetupDlg.h"
#include "Resource.h"
#include "Templates.h"

#include "support/CatalogDirFixture.h"
#include "support/SettingsBytes.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace setup_test {

// The value of an eight-digit pattern text.
inline int PatternValue(const CString& str)
{
    return str.GetLength() == 8 ? static_cast<int>(std::strtol(str, nullptr, 2)) : -1;
}

inline const char* const kRangePin = "Please enter an integer between 0 and 8.";
inline const char* const kRangeLength = "Please enter an integer between 0 and 65535.";
// What a byte box says of any text it cannot take, and the Lenght box of one it cannot read.
inline const char* const kNotByte = "Please enter an integer between 0 and 255.";
inline const char* const kNotInteger = "Please enter an integer.";

// Boxes of a form and the texts they show.
using Shown = std::vector<std::pair<int, const char*>>;

inline void ExpectShown(const CHeadlessDialog& d, const Shown& shown)
{
    for (const auto& [nID, pszText] : shown)
        EXPECT_EQ(d.Text(nID), pszText) << "box " << nID;
}

// Something the user types in a box of a form, and what boxes show right after it.
struct TypedStep {
    int nID;
    const char* pszTyped;
    Shown shown;
};

inline void TypeSteps(CHeadlessDialog& d, const std::vector<TypedStep>& steps)
{
    for (const TypedStep& step : steps) {
        SCOPED_TRACE(std::string("after typing '") + step.pszTyped + "' in box " + std::to_string(step.nID));
        d.Type(step.nID, step.pszTyped);
        ExpectShown(d, step.shown);
    }
}

class SetupFormFixture : public CatalogDirFixture {
protected:
    // A catalogue with two type names and the given entries, saved as Progr.ini.
    void WriteCatalog(const std::vector<std::pair<CString, ChipSettings>>& entries)
    {
        SaveCatalog({"I2C", "Microwire 93C46"}, entries);
    }

    ChipSettings SavedSettings(int nIndex) const
    {
        CChipCatalog catalog;
        Reload(catalog);
        EXPECT_LT(nIndex, catalog.GetEntryCount());
        return catalog.GetSettings(nIndex);
    }

    int RunI2C(bool bNew, int nIndex, HeadlessScript script, const CString& strName = "")
    {
        CI2CSetupDlg dlg;
        return RunForm(dlg, IDD_SETUP_I2C, bNew, nIndex, strName, std::move(script));
    }

    int RunMicrowire(bool bNew, int nIndex, int nVariant, HeadlessScript script,
                     const CString& strName = "", int b16Bits = 0)
    {
        CMicrowireSetupDlg dlg;
        dlg.m_nVariant = nVariant;
        dlg.m_b16Bits = b16Bits;
        return RunForm(dlg, IDD_SETUP_MICROWIRE, bNew, nIndex, strName, std::move(script));
    }

    template <class Form>
    int RunForm(Form& dlg, UINT nTemplateID, bool bNew, int nIndex, const CString& strName,
                HeadlessScript script)
    {
        dlg.m_bNew = bNew;
        dlg.m_nIndex = nIndex;
        dlg.m_strName = strName;
        if (script)
            m_backend.ExpectDialog(nTemplateID, std::move(script));
        return dlg.DoModal();
    }
};

// A case that runs on both forms, which share the load and save cycle (true: Microwire).
class BothFormsTest : public SetupFormFixture, public ::testing::WithParamInterface<bool> {
public:
    static std::string FormName(const ::testing::TestParamInfo<bool>& info) { return info.param ? "Microwire" : "I2C"; }

protected:
    int Run(bool bNew, int nIndex, HeadlessScript script)
    {
        return GetParam() ? RunMicrowire(bNew, nIndex, m_nVariant, std::move(script))
                          : RunI2C(bNew, nIndex, std::move(script));
    }

    int m_nVariant = 0;  // of the Microwire form
};

}  // namespace setup_test
