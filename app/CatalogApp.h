#pragma once

#include "WinApp.h"

// The application: shows the chip list window and ends when it closes.
class CCatalogApp : public CWinApp {
public:
    CCatalogApp() : CWinApp(nullptr) {}

    BOOL InitInstance() override;

    // Set before the start. With m_bAskForCatalog the window system's file dialog asks
    // which catalogue to edit, and Cancel ends the program. m_strShownPath is the
    // catalogue the program was started on, named in the main window's title (or the
    // VirtualStore copy edited in its place).
    bool m_bAskForCatalog = false;
    CString m_strShownPath;

protected:
    bool AskForCatalog();
    void UseVirtualStoreCopy();

    DECLARE_MESSAGE_MAP()
};
