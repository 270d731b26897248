#pragma once

#include <string>

struct HWND__;

// The system's Open dialog, asking which catalogue to edit.
class CWin32FileDialog {
public:
    // An existing file, or a file name in a folder where a new catalogue is to start
    // (Progr.ini is offered). Gives the path in the ANSI code page, in which the program
    // opens files; a path that page cannot spell is given in its short form where the
    // file system has one. False when the user cancels.
    static bool AskForCatalog(HWND__* hOwner, std::string& strPath);
};
