#include "DialogTemplateBuilder.h"

#include "Win32Text.h"

namespace {
constexpr DWORD kChild = 0x40000000;  // WS_CHILD
constexpr std::uint16_t kOrdinal = 0xFFFF;

struct KindInfo {
    ControlKind kind;
    std::uint16_t nClassAtom;
    DWORD dwStyle;
};

// The predefined classes BUTTON (0x80), EDIT (0x81), STATIC (0x82) and LISTBOX (0x83),
// with the style each kind adds (BS_DEFPUSHBUTTON 1, BS_AUTOCHECKBOX 3, BS_GROUPBOX 7).
constexpr KindInfo kKinds[] = {
    {ControlKind::PushButton, 0x0080, 0x0000},  {ControlKind::DefPushButton, 0x0080, 0x0001},
    {ControlKind::AutoCheckBox, 0x0080, 0x0003}, {ControlKind::GroupBox, 0x0080, 0x0007},
    {ControlKind::Static, 0x0082, 0x0000},      {ControlKind::Icon, 0x0082, SS_ICON},
    {ControlKind::Edit, 0x0081, 0x0000},        {ControlKind::ListBox, 0x0083, 0x0000},
};

const KindInfo& Info(ControlKind kind)
{
    for (const KindInfo& info : kKinds)
        if (info.kind == kind)
            return info;
    return kKinds[0];
}
}  // namespace

DWORD CDialogTemplateBuilder::ControlStyle(const ControlTemplate& ct)
{
    DWORD dwStyle = kChild | WS_VISIBLE | Info(ct.kind).dwStyle | ct.dwStyle;
    if (ct.kind == ControlKind::ListBox)
        dwStyle &= ~LBS_SORT;
    if (ct.kind == ControlKind::Edit && (ct.dwStyle & ES_NUMBER))
        dwStyle |= ES_AUTOHSCROLL;
    return dwStyle;
}

std::uint16_t CDialogTemplateBuilder::ControlClassAtom(ControlKind kind) { return Info(kind).nClassAtom; }

std::vector<std::uint16_t> CDialogTemplateBuilder::Build(const DialogTemplate& tmpl)
{
    std::vector<std::uint16_t> words;
    CDialogTemplateBuilder builder(words);
    // The font is part of every template, so DS_SETFONT always goes with it.
    builder.AddDword(tmpl.dwStyle | DS_SETFONT);
    builder.AddDword(tmpl.dwExStyle);
    builder.AddWord(static_cast<std::uint16_t>(tmpl.controls.size()));
    for (int n : {0, 0, tmpl.cx, tmpl.cy})
        builder.AddWord(static_cast<std::uint16_t>(n));
    builder.AddWord(0);  // no menu
    builder.AddWord(0);  // the dialog class
    builder.AddText(tmpl.pszCaption);
    builder.AddWord(static_cast<std::uint16_t>(tmpl.nPointSize));
    builder.AddText(tmpl.pszFontName);
    for (const ControlTemplate& ct : tmpl.controls)
        builder.AddControl(ct);
    return words;
}

void CDialogTemplateBuilder::AddControl(const ControlTemplate& ct)
{
    AlignToDword();
    AddDword(ControlStyle(ct));
    AddDword(0);
    for (int n : {ct.x, ct.y, ct.cx, ct.cy})
        AddWord(static_cast<std::uint16_t>(n));
    AddWord(static_cast<std::uint16_t>(ct.nID));
    AddWord(kOrdinal);
    AddWord(ControlClassAtom(ct.kind));
    if (ct.kind == ControlKind::Icon) {
        // An icon control names its icon resource by number.
        AddWord(kOrdinal);
        AddWord(static_cast<std::uint16_t>(ct.nIconID));
    } else {
        AddText(ct.pszText);
    }
    AddWord(0);  // no creation data
}

void CDialogTemplateBuilder::AddDword(DWORD dw)
{
    AddWord(static_cast<std::uint16_t>(dw & 0xFFFF));
    AddWord(static_cast<std::uint16_t>(dw >> 16));
}

void CDialogTemplateBuilder::AddText(const char* pszText)
{
    for (wchar_t ch : CWin32Text::Wide(pszText ? pszText : ""))
        AddWord(static_cast<std::uint16_t>(ch));
    AddWord(0);
}

void CDialogTemplateBuilder::AlignToDword()
{
    if (m_words.size() % 2 != 0)
        AddWord(0);
}
