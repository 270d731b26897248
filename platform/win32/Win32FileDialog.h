#pragma once

#include <string>
#include <vector>

struct HWND__;

// The system's Open dialog.
class CWin32FileDialog {
public:
    struct Request {
        std::wstring strTitle;
        std::wstring strSuggestedName;
        std::vector<std::wstring> filters;  // name, pattern, name, pattern...
    };
    // An existing file, or a new file name in an existing folder (the suggested name is
    // offered). Gives the path in the ANSI code page, in which the program opens files; a
    // path that page cannot spell is given in its short form where the file system has
    // one. False when the user cancels.
    static bool AskForFile(HWND__* hOwner, const Request& request, std::string& strPath);
};
