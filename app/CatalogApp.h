#pragma once

#include "WinApp.h"

// The application: shows the chip list window and ends when it closes.
class CCatalogApp : public CWinApp {
public:
    CCatalogApp() : CWinApp(nullptr) {}

    BOOL InitInstance() override;

protected:
    DECLARE_MESSAGE_MAP()
};
