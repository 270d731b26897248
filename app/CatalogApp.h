#pragma once

#include "Backend.h"
#include "CodePage.h"
#include "EditedFile.h"
#include "WinApp.h"

// The application: shows the chip list window and ends when it closes.
class CCatalogApp : public CWinApp {
public:
    CCatalogApp();

    BOOL InitInstance() override;
    int ExitInstance() override;

    // Set before the start. m_file is the catalogue the program was started on; with
    // m_bAskForCatalog the window system's file dialog asks which one to edit instead,
    // and Cancel ends the program.
    bool m_bAskForCatalog = false;
    CEditedFile m_file;
    // The ANSI code page the names are in. A page the editor cannot use is explained and
    // ends the program before any window opens, with exit code 1.
    int m_nCodePage = SystemAnsiCodePageNumber();

    // What the Open dialog asks when the program starts without a catalogue.
    static OpenFileRequest CatalogRequest();
    // What F1 shows: the catalogue edited, as the main window's title names it, and when
    // changes are saved.
    static CDisplayText HelpText(const CEditedFile& file);

protected:
    bool AskForCatalog();

    bool m_bRefused = false;

    DECLARE_MESSAGE_MAP()
};
