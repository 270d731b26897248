#pragma once

#include "CatalogFile.h"
#include "DisplayText.h"
#include "String.h"

// The catalogue file the editor works on, as the application found it from its start
// arguments. Each window is handed a copy and loads and saves the file itself; no window
// keeps a catalogue between commands.
class CEditedFile {
public:
    // Progr.ini in the working folder, which the program was started in without naming it.
    CEditedFile() = default;
    // strPath as the windows open it, strShownPath the whole path; both UTF-8.
    CEditedFile(const CString& strPath, const CDisplayText& strShownPath);

    // Where Windows shows the programmer's own software a VirtualStore copy of the file,
    // that copy is the one to edit, and the shown path says so. Elsewhere nothing changes.
    void UseVirtualStoreCopy();

    // Where the windows load and save the file, and how their messages name it.
    const char* Path() const { return m_strPath; }
    // The whole path, as the main window's title and the help name the catalogue; empty
    // when the program was started on Progr.ini in its folder without naming it.
    const CDisplayText& ShownPath() const { return m_strShownPath; }

private:
    CString m_strPath = CCatalogFile::DefaultFileName;
    CDisplayText m_strShownPath;
};
