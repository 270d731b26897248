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
    // offered). Gives the path in UTF-8, as the program keeps paths. False when the user
    // cancels.
    static bool AskForFile(HWND__* hOwner, const Request& request, std::string& strPath);
};
