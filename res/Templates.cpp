#include "Templates.h"

#include "Resource.h"

namespace {
using K = ControlKind;

constexpr DWORD kPopup = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT;
constexpr DWORD kButton = WS_TABSTOP;
constexpr DWORD kCheck = WS_TABSTOP;
constexpr DWORD kNumber = ES_NUMBER | ES_RIGHT | WS_BORDER | WS_TABSTOP;
constexpr DWORD kNameBox = ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP;
constexpr DWORD kListBox = LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_BORDER | WS_TABSTOP;

// The eight "Power Pins" boxes of both forms, laid out like an eight-pin package.
#define POWER_PINS                                                                        \
    {IDC_POWER_PIN1, K::AutoCheckBox, "1", 13, 17, 20, 10, kCheck},                       \
    {IDC_POWER_PIN2, K::AutoCheckBox, "2", 13, 29, 20, 10, kCheck},                       \
    {IDC_POWER_PIN3, K::AutoCheckBox, "3", 13, 41, 20, 10, kCheck},                       \
    {IDC_POWER_PIN4, K::AutoCheckBox, "4", 13, 53, 20, 10, kCheck},                       \
    {IDC_POWER_PIN8, K::AutoCheckBox, "8", 38, 17, 20, 10, kCheck},                       \
    {IDC_POWER_PIN7, K::AutoCheckBox, "7", 38, 29, 20, 10, kCheck},                       \
    {IDC_POWER_PIN6, K::AutoCheckBox, "6", 38, 41, 20, 10, kCheck},                       \
    {IDC_POWER_PIN5, K::AutoCheckBox, "5", 38, 53, 20, 10, kCheck},                       \
    {-1, K::GroupBox, "Power Pins", 7, 7, 53, 62, 0}

const DialogTemplate g_chipList = {
    IDD_CHIPLIST_DIALOG, "Orvane", 275, 199, "MS Sans Serif", 8, kPopup | WS_VISIBLE, WS_EX_APPWINDOW,
    {
        {IDCANCEL, K::PushButton, "Cancel", 218, 178, 50, 14, kButton},
        {IDC_CHIP_LIST, K::ListBox, "", 6, 7, 202, 185, kListBox | LBS_SORT},
        {IDC_ADD_NEW, K::PushButton, "Add New", 218, 7, 50, 14, kButton},
        {IDC_EDIT_CHIP, K::PushButton, "Edit chip", 218, 27, 50, 14, kButton},
        {IDC_DELETE_CHIP, K::PushButton, "Delete Chip", 218, 49, 50, 14, kButton},
        {-1, K::Icon, "", 231, 106, 20, 20, SS_ICON, IDR_MAINFRAME},
        {-1, K::Static, "Ver. 1.01.0", 225, 133, 36, 8, SS_LEFT | WS_GROUP},
    },
    {{IDC_CHIP_LIST, "Chips"}}};

const DialogTemplate g_selectType = {
    IDD_SELECT_TYPE, "Select Type", 186, 111, "MS Sans Serif", 8, kPopup, 0,
    {
        {IDOK, K::DefPushButton, "OK", 129, 7, 50, 14, kButton},
        {IDCANCEL, K::PushButton, "Cancel", 129, 26, 50, 14, kButton},
        {IDC_TYPE_LIST, K::ListBox, "", 7, 7, 113, 97, kListBox},
        {IDC_NEW_TYPE, K::PushButton, "New type", 129, 56, 50, 14, kButton | WS_DISABLED},
        {IDC_EDIT_TYPE, K::PushButton, "Edit Type", 129, 73, 50, 14, kButton},
        {IDC_DELETE_TYPE, K::PushButton, "Delete Type", 129, 90, 50, 14, kButton | WS_DISABLED},
    },
    {{IDC_TYPE_LIST, "Types"}}};

const DialogTemplate g_editString = {
    IDD_EDIT_STRING, "Edit string", 132, 54, "MS Sans Serif", 8, kPopup, 0,
    {
        {IDOK, K::DefPushButton, "OK", 7, 33, 50, 14, kButton},
        {IDCANCEL, K::PushButton, "Cancel", 75, 33, 50, 14, kButton},
        {IDC_STRING_TEXT, K::Edit, "", 7, 7, 118, 14, WS_BORDER | WS_TABSTOP},
    },
    {{IDC_STRING_TEXT, "Type name"}}};

const DialogTemplate g_setupI2C = {
    IDD_SETUP_I2C, "Setup I2C Memory", 186, 126, "MS Sans Serif", 8, kPopup, 0,
    {
        {IDOK, K::DefPushButton, "OK", 71, 105, 50, 14, kButton},
        {IDCANCEL, K::PushButton, "Cancel", 129, 105, 50, 14, kButton},
        POWER_PINS,
        {-1, K::Static, "Pin CLK", 7, 79, 26, 8, SS_LEFT},
        {IDC_PIN_CLK, K::Edit, "", 49, 73, 10, 14, kNumber},
        {-1, K::Static, "Pin DATA", 7, 95, 32, 8, SS_LEFT},
        {IDC_PIN_DATA, K::Edit, "", 49, 89, 10, 14, kNumber},
        {-1, K::Static, "Write buffer", 7, 111, 38, 8, SS_LEFT},
        {IDC_WRITE_BUFFER, K::Edit, "", 47, 105, 12, 14, kNumber},
        {IDC_NAME, K::Edit, "", 63, 18, 116, 14, kNameBox},
        {-1, K::Static, "Name", 107, 7, 20, 8, SS_LEFT},
        {-1, K::Static, "Addr I2C", 63, 38, 28, 8, SS_LEFT},
        {IDC_ADDR_I2C, K::Static, "", 100, 38, 79, 8, SS_LEFT},
        {-1, K::Static, "Port Write", 63, 52, 32, 8, SS_LEFT},
        {IDC_PORT_WRITE, K::Static, "", 100, 52, 79, 8, SS_LEFT},
        {-1, K::Static, "Port Read", 63, 67, 33, 8, SS_LEFT},
        {IDC_PORT_READ, K::Static, "", 100, 67, 79, 8, SS_LEFT},
        {-1, K::Static, "Lenght", 105, 84, 23, 8, SS_LEFT},
        {IDC_LENGTH, K::Edit, "", 139, 79, 40, 14, kNumber},
    }};

const DialogTemplate g_setupMicrowire = {
    IDD_SETUP_MICROWIRE, "Setup Microwire Memory", 186, 138, "MS Sans Serif", 8, kPopup, 0,
    {
        {IDOK, K::DefPushButton, "OK", 72, 117, 50, 14, kButton},
        {IDCANCEL, K::PushButton, "Cancel", 129, 117, 50, 14, kButton},
        POWER_PINS,
        {-1, K::Static, "Pin CLK", 7, 79, 26, 8, SS_LEFT},
        {IDC_PIN_CLK, K::Edit, "", 49, 73, 10, 14, kNumber},
        {IDC_NAME, K::Edit, "", 63, 18, 116, 14, kNameBox},
        {-1, K::Static, "Name", 107, 7, 20, 8, SS_LEFT},
        {-1, K::Static, "Port Write", 63, 38, 32, 8, SS_LEFT},
        {IDC_PORT_WRITE, K::Static, "", 100, 38, 79, 8, SS_LEFT},
        {-1, K::Static, "Port Read", 63, 53, 33, 8, SS_LEFT},
        {IDC_PORT_READ, K::Static, "", 100, 53, 79, 8, SS_LEFT},
        {-1, K::Static, "Lenght", 105, 102, 23, 8, SS_LEFT},
        {IDC_LENGTH, K::Edit, "", 139, 97, 40, 14, kNumber},
        {-1, K::Static, "Pin DATAIn", 7, 109, 38, 8, SS_LEFT},
        {IDC_PIN_DATA_IN, K::Edit, "", 49, 103, 10, 14, kNumber},
        {-1, K::Static, "Pin DATAO", 7, 123, 38, 8, SS_LEFT},
        {IDC_PIN_DATA_OUT, K::Edit, "", 49, 117, 10, 14, kNumber},
        {IDC_16_BITS, K::AutoCheckBox, "16 bits", 142, 75, 37, 10, kCheck | WS_DISABLED},
        {-1, K::Static, "Pin CS", 7, 94, 22, 8, SS_LEFT},
        {IDC_PIN_CS, K::Edit, "", 49, 88, 10, 14, kNumber},
        {-1, K::Static, "Bits address", 71, 79, 39, 8, SS_LEFT},
        {IDC_BITS_ADDRESS, K::Edit, "", 115, 73, 12, 14, kNumber},
    }};

#undef POWER_PINS

// A small eight-pin chip: dark body, pin-1 mark, yellow label, silver legs.
const IconResource g_mainIcon = {
    IDR_MAINFRAME,
    {
        {32, 32,
         "................................"
         "................................"
         "................................"
         ".........88888777888888........."
         ".........80000777000008........."
         "...77777780000000000008777777..."
         "...77777780f00000000008777777..."
         "...77777780000000000008777777..."
         ".........80000000000008........."
         ".........80000000000008........."
         ".........80000000000008........."
         "...77777780000000000008777777..."
         "...77777780000000000008777777..."
         "...77777780000000000008777777..."
         ".........80000000000008........."
         ".........80bbbbbbbbbb08........."
         ".........80bbbbbbbbbb08........."
         "...77777780000000000008777777..."
         "...77777780000000000008777777..."
         "...77777780000000000008777777..."
         ".........80000000000008........."
         ".........80000000000008........."
         ".........80000000000008........."
         "...77777780000000000008777777..."
         "...77777780000000000008777777..."
         "...77777780000000000008777777..."
         ".........80000000000008........."
         ".........80000000000008........."
         ".........88888888888888........."
         "................................"
         "................................"
         "................................"},
        {16, 16,
         "................"
         "....88777888...."
         ".7778f000008777."
         "....80000008...."
         "....80000008...."
         ".77780000008777."
         "....80000008...."
         "....8bbbbbb8...."
         "....80000008...."
         ".77780000008777."
         "....80000008...."
         "....80000008...."
         ".77780000008777."
         "....80000008...."
         "....88888888...."
         "................"},
    }};

const DialogTemplate* const g_dialogs[] = {&g_chipList, &g_selectType, &g_editString, &g_setupI2C,
                                           &g_setupMicrowire};

const ResourceTable g_resources = {&FindOrvaneDialog, &FindOrvaneIcon};
}  // namespace

const DialogTemplate* FindOrvaneDialog(UINT nID)
{
    for (const DialogTemplate* pTmpl : g_dialogs)
        if (pTmpl->nID == nID)
            return pTmpl;
    return nullptr;
}

const IconResource* FindOrvaneIcon(UINT nID)
{
    return nID == IDR_MAINFRAME ? &g_mainIcon : nullptr;
}

const ResourceTable& OrvaneResources()
{
    return g_resources;
}
