#include "AccessibleNames.h"
#include "NativeFile.h"
#include "NativeAccessibility.h"
#include "Resource.h"
#include "Templates.h"
#include "Win32Accessibility.h"
#include "Win32TestSupport.h"

#include <cstdio>

namespace {
const UINT kTemplates[] = {IDD_CHIPLIST_DIALOG, IDD_SELECT_TYPE, IDD_EDIT_STRING, IDD_SETUP_I2C, IDD_SETUP_MICROWIRE};

std::string Describe(const std::vector<Win32Annotation>& annotations)
{
    std::string str;
    for (const Win32Annotation& a : annotations)
        str += std::to_string(a.nID) + (a.bDescription ? " description " : " name ") + CNativeFile::Ansi(a.strText) + "; ";
    return str;
}

std::vector<Win32Annotation> FormAnnotations(bool bI2C)
{
    std::vector<Win32Annotation> annotations;
    for (int nPin : {IDC_POWER_PIN1, IDC_POWER_PIN2, IDC_POWER_PIN3, IDC_POWER_PIN4, IDC_POWER_PIN8, IDC_POWER_PIN7,
                     IDC_POWER_PIN6, IDC_POWER_PIN5})
        annotations.push_back({nPin, true, L"Power Pins"});
    annotations.push_back({IDC_NAME, false, L"Name"});
    if (bI2C)
        annotations.push_back({IDC_ADDR_I2C, true, L"Addr I2C"});
    annotations.push_back({IDC_PORT_WRITE, true, L"Port Write"});
    annotations.push_back({IDC_PORT_READ, true, L"Port Read"});
    return annotations;
}
}  // namespace

TEST(Win32AccessibilityTest, OnlyWhatWindowsDoesNotNameIsAnnotated)
{
    // Windows names the edit boxes whose caption comes just before them; the Name boxes,
    // whose caption follows them, the lists and the string box need a name, and the
    // power pins and shown values a description.
    const struct {
        UINT nID;
        std::vector<Win32Annotation> expected;
    } kExpected[] = {{IDD_CHIPLIST_DIALOG, {{IDC_CHIP_LIST, false, L"Chips"}}},
                     {IDD_SELECT_TYPE, {{IDC_TYPE_LIST, false, L"Types"}}},
                     {IDD_EDIT_STRING, {{IDC_STRING_TEXT, false, L"Type name"}}},
                     {IDD_SETUP_I2C, FormAnnotations(true)},
                     {IDD_SETUP_MICROWIRE, FormAnnotations(false)}};
    for (const auto& e : kExpected)
        EXPECT_EQ(Describe(CWin32Accessibility::Annotations(*FindOrvaneDialog(e.nID))), Describe(e.expected));
}

// Windows names what is not annotated by its own rules; this checks that they give the
// framework's names. Annotated names are checked where the system takes annotations
// (Wine 8 refuses them).
TEST(Win32AccessibilityTest, ScreenReadersReadTheNamesWhereTheSystemLets)
{
    InstallProbeAndAppResources();
    for (UINT nTemplate : kTemplates) {
        const DialogTemplate& tmpl = *FindOrvaneDialog(nTemplate);
        CDialog dlg(nTemplate);
        RunScript(dlg, [&] {
            HWND__* hDialog = NativeProbe::TopDialog();
            const bool bAnnotated = CWin32Accessibility::Annotate(tmpl, hDialog);
            std::printf("template %u: annotations %s\n", nTemplate, bAnnotated ? "taken" : "refused");
            const std::vector<Win32Annotation> annotations = CWin32Accessibility::Annotations(tmpl);
            const std::vector<AccessibleName> names = CAccessibleNames::Compute(tmpl);
            for (std::size_t i = 0; i < names.size(); ++i) {
                const int nID = tmpl.controls[i].nID;
                if (nID == -1)
                    continue;
                const NativeAccessibility::Reading reading = NativeAccessibility::Read(hDialog, nID);
                EXPECT_TRUE(reading.bFound) << "control " << nID;
                bool bNameAnnotated = false;
                for (const Win32Annotation& a : annotations) {
                    const std::string strText = CNativeFile::Ansi(a.strText);
                    if (a.nID == nID && bAnnotated) {
                        EXPECT_EQ(a.bDescription ? reading.strDescription : reading.strName, strText);
                    }
                    bNameAnnotated = bNameAnnotated || (a.nID == nID && !a.bDescription);
                }
                if (!bNameAnnotated) {
                    EXPECT_EQ(reading.strName, names[i].strName.Str()) << "control " << nID;
                } else if (!bAnnotated) {
                    std::printf("  %d: the system names it \"%s\", not \"%s\"\n", nID, reading.strName.c_str(),
                                names[i].strName.GetString());
                }
            }
            NativeProbe::PressKey(NativeProbe::kEscape);
        });
    }
}
