#pragma once

#include "Backend.h"
#include "CodePage.h"
#include "WinApp.h"

// The application: shows the chip list window and ends when it closes.
class CCatalogApp : public CWinApp {
public:
    CCatalogApp();

    BOOL InitInstance() override;
    int ExitInstance() override;

    // Set before the start. With m_bAskForCatalog the window system's file dialog asks
    // which catalogue to edit, and Cancel ends the program. m_strShownPath is the
    // catalogue the program was started on, named in the main window's title (or the
    // VirtualStore copy edited in its place).
    bool m_bAskForCatalog = false;
    CDisplayText m_strShownPath;
    // The ANSI code page the names are in. A page the editor cannot use is explained and
    // ends the program before any window opens, with exit code 1.
    int m_nCodePage = SystemAnsiCodePageNumber();

    // What the Open dialog asks when the program starts without a catalogue.
    static OpenFileRequest CatalogRequest();
    // What F1 shows: the catalogue edited, as m_strShownPath names it, and when changes
    // are saved.
    static CDisplayText HelpText(const CDisplayText& strShownPath);

protected:
    bool AskForCatalog();
    void UseVirtualStoreCopy();

    bool m_bRefused = false;

    DECLARE_MESSAGE_MAP()
};
