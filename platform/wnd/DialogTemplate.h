#pragma once

#include "Types.h"

#include <vector>

// Window and control styles, with the values the dialog templates were written with.
constexpr DWORD WS_POPUP = 0x80000000, WS_VISIBLE = 0x10000000, WS_DISABLED = 0x08000000,
                WS_CAPTION = 0x00C00000, WS_BORDER = 0x00800000, WS_VSCROLL = 0x00200000,
                WS_HSCROLL = 0x00100000, WS_SYSMENU = 0x00080000, WS_GROUP = 0x00020000,
                WS_TABSTOP = 0x00010000;
constexpr DWORD DS_MODALFRAME = 0x80, DS_SETFONT = 0x40;
constexpr DWORD WS_EX_APPWINDOW = 0x00040000;
constexpr DWORD ES_RIGHT = 0x0002, ES_AUTOHSCROLL = 0x0080, ES_NUMBER = 0x2000;
constexpr DWORD LBS_NOTIFY = 0x0001, LBS_SORT = 0x0002, LBS_NOINTEGRALHEIGHT = 0x0100;
constexpr DWORD SS_LEFT = 0x0000, SS_ICON = 0x0003;

enum class ControlKind { PushButton, DefPushButton, AutoCheckBox, GroupBox, Static, Icon, Edit, ListBox };

// One control of a dialog template. Places and sizes are in dialog units. For an icon
// control nIconID names the icon resource.
struct ControlTemplate {
    int nID;
    ControlKind kind;
    const char* pszText;
    int x, y, cx, cy;
    DWORD dwStyle;
    UINT nIconID = 0;
};

// The name assistive technology reads for a control that no static text of its template
// labels, such as a list.
struct ControlName {
    int nID;
    const char* pszName;
};

struct DialogTemplate {
    UINT nID;
    const char* pszCaption;
    int cx, cy;
    const char* pszFontName;
    int nPointSize;
    DWORD dwStyle;
    DWORD dwExStyle;
    std::vector<ControlTemplate> controls;  // template order, which is also the tab order
    std::vector<ControlName> names = {};    // see CAccessibleNames

    const ControlTemplate* FindControl(int nControlID) const;
};

// A 16-colour icon picture: cx*cy characters, one per pixel, '0'..'9' and 'a'..'f'
// indexing the standard 16-colour palette, '.' transparent.
struct IconImage {
    int cx, cy;
    const char* pszPixels;

    // The palette index of every pixel, row by row, or -1 where it is transparent. A
    // picture shorter than its stated size is transparent past its end.
    std::vector<int> PaletteIndexes() const;
};

struct IconResource {
    UINT nID;
    std::vector<IconImage> images;
};

// The standard 16-colour palette as 0xRRGGBB.
extern const DWORD g_afxPalette16[16];

// Where the framework finds templates and icons; the application installs its table
// before it opens a window.
struct ResourceTable {
    const DialogTemplate* (*pfnFindDialog)(UINT nID);
    const IconResource* (*pfnFindIcon)(UINT nID);
};
void AfxSetResources(const ResourceTable* pTable);
const DialogTemplate* AfxFindDialogTemplate(UINT nID);
const IconResource* AfxFindIcon(UINT nID);

using HICON = const IconResource*;
