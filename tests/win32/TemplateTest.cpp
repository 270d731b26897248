#include "DialogTemplateBuilder.h"
#include "NativeProbe.h"
#include "Resource.h"
#include "Templates.h"
#include "Win32TestSupport.h"

#include <cstdio>

namespace {
using NativeProbe::Rect;

constexpr DWORD kWsVisible = 0x10000000;
constexpr DWORD kWsExClientEdge = 0x00000200;

const char* ClassName(ControlKind kind)
{
    switch (CDialogTemplateBuilder::ControlClassAtom(kind)) {
    case 0x0080:
        return "Button";
    case 0x0081:
        return "Edit";
    case 0x0082:
        return "Static";
    default:
        return "ListBox";
    }
}

std::string Lower(std::string str)
{
    for (char& ch : str)
        ch = static_cast<char>(ch >= 'A' && ch <= 'Z' ? ch + 32 : ch);
    return str;
}

// Every control of the template exists in template order, with its class, styles and
// place in dialog units as the dialog manager maps them for the template's font.
void CheckTemplate(const DialogTemplate& tmpl)
{
    HWND__* hDialog = NativeProbe::TopDialog();
    EXPECT_TRUE(hDialog != nullptr);
    EXPECT_EQ(NativeProbe::WindowText(hDialog), std::string(tmpl.pszCaption));
    EXPECT_EQ(NativeProbe::FontFace(hDialog), std::string(tmpl.pszFontName));
    EXPECT_EQ(NativeProbe::WindowStyle(hDialog) & (tmpl.dwStyle & ~kWsVisible), tmpl.dwStyle & ~kWsVisible);
    EXPECT_EQ(NativeProbe::WindowExStyle(hDialog) & tmpl.dwExStyle, tmpl.dwExStyle);
    const Rect size = NativeProbe::MapDialogRect(hDialog, 0, 0, tmpl.cx, tmpl.cy);
    EXPECT_EQ(NativeProbe::Describe(NativeProbe::ClientSize(hDialog)), NativeProbe::Describe(size));

    const std::vector<NativeProbe::ChildInfo> children = NativeProbe::Children(hDialog);
    EXPECT_EQ(children.size(), tmpl.controls.size());
    for (std::size_t n = 0; n < children.size() && n < tmpl.controls.size(); ++n) {
        const ControlTemplate& ct = tmpl.controls[n];
        const NativeProbe::ChildInfo& child = children[n];
        EXPECT_EQ(child.nID, ct.nID == -1 ? 0xFFFF : ct.nID);
        EXPECT_EQ(Lower(child.strClass), Lower(ClassName(ct.kind)));
        // Edit boxes and list boxes draw WS_BORDER as a sunken client edge, and a list
        // box shows its scroll bar only when the rows need it.
        const DWORD dwWanted = CDialogTemplateBuilder::ControlStyle(ct) & ~(kWsVisible | WS_BORDER | WS_VSCROLL);
        EXPECT_EQ(child.dwStyle & dwWanted, dwWanted);
        const bool bBorder = (child.dwStyle & WS_BORDER) || (child.dwExStyle & kWsExClientEdge);
        EXPECT_EQ(bBorder, (ct.dwStyle & WS_BORDER) != 0);
        EXPECT_EQ(child.dwStyle & ((ct.dwStyle & WS_DISABLED) | (ct.kind == ControlKind::ListBox ? LBS_SORT : 0)),
                 ct.dwStyle & WS_DISABLED);
        Rect wanted = NativeProbe::MapDialogRect(hDialog, ct.x, ct.y, ct.cx, ct.cy);
        if (ct.kind == ControlKind::Icon) {
            // An icon control takes the size of its icon.
            wanted.right = wanted.left + 32;
            wanted.bottom = wanted.top + 32;
        }
        EXPECT_EQ(NativeProbe::Describe(child.rc), NativeProbe::Describe(wanted));
    }
}

void RunTemplateCheck(UINT nID)
{
    InstallProbeAndAppResources();
    const DialogTemplate* pTmpl = AfxFindDialogTemplate(nID);
    ASSERT_NE(pTmpl, nullptr);
    CDialog dlg(nID);
    const int nResult = RunScript(dlg, [pTmpl] {
        CheckTemplate(*pTmpl);
        NativeProbe::PressKey(NativeProbe::kEscape);
    });
    EXPECT_EQ(nResult, IDCANCEL);
}
}  // namespace

TEST(Win32TemplateTest, TemplatesBecomeDialogManagerWindows)
{
    // Between them the application's templates hold every kind of control.
    for (UINT nID : {IDD_CHIPLIST_DIALOG, IDD_SELECT_TYPE, IDD_EDIT_STRING, IDD_SETUP_I2C, IDD_SETUP_MICROWIRE})
        RunTemplateCheck(nID);
}

TEST(Win32TemplateTest, DialogUnitsFollowTheTemplateFont)
{
    // The dialog manager's base units for the template's font: about 6 x 13 pixels.
    InstallProbeAndAppResources();
    CDialog dlg(IDD_EDIT_STRING);
    RunScript(dlg, [] {
        const Rect base = NativeProbe::MapDialogRect(NativeProbe::TopDialog(), 0, 0, 4, 8);
        std::printf("dialog base units: %d x %d pixels\n", base.right, base.bottom);
        EXPECT_TRUE(base.right >= 5 && base.right <= 8);
        EXPECT_TRUE(base.bottom >= 12 && base.bottom <= 16);
        NativeProbe::PressKey(NativeProbe::kEscape);
    });
}

TEST(Win32TemplateTest, BuiltTemplateHeaderAndFirstItemLayout)
{
    // The words the dialog manager reads: styles with DS_SETFONT, item count, size,
    // no menu, the default class, the caption, the point size and the face name, then
    // each item DWORD-aligned with its class as an atom.
    const DialogTemplate* pTmpl = FindOrvaneDialog(IDD_EDIT_STRING);
    const std::vector<std::uint16_t> words = CDialogTemplateBuilder::Build(*pTmpl);
    const DWORD dwStyle = words[0] | (DWORD(words[1]) << 16);
    EXPECT_EQ(dwStyle, pTmpl->dwStyle | DS_SETFONT);
    EXPECT_EQ(words[4], 3);
    EXPECT_EQ(words[7], 132);
    EXPECT_EQ(words[8], 54);
    EXPECT_EQ(words[9], 0);
    EXPECT_EQ(words[10], 0);
    std::size_t nAt = 11;
    std::string strCaption;
    while (words[nAt] != 0)
        strCaption += static_cast<char>(words[nAt++]);
    EXPECT_EQ(strCaption, std::string("Edit string"));
    EXPECT_EQ(words[++nAt], 8);
    std::string strFace;
    for (++nAt; words[nAt] != 0; ++nAt)
        strFace += static_cast<char>(words[nAt]);
    EXPECT_EQ(strFace, std::string("MS Sans Serif"));
    ++nAt;
    nAt += nAt % 2;
    const DWORD dwItemStyle = words[nAt] | (DWORD(words[nAt + 1]) << 16);
    EXPECT_EQ(dwItemStyle, 0x40000000u | WS_VISIBLE | 0x0001u | WS_TABSTOP);
    EXPECT_EQ(words[nAt + 4], 7);
    EXPECT_EQ(words[nAt + 8], IDOK);
    EXPECT_EQ(words[nAt + 9], 0xFFFF);
    EXPECT_EQ(words[nAt + 10], 0x0080);
}
