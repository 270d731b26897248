#pragma once

#include "String.h"

// The folder the editor works in and the catalogue file it edits there.
class CCatalogPlace {
public:
    // What a FOLDER or FILE names: a folder gives its Progr.ini; an existing regular file
    // gives itself; a missing file is a new catalogue when its folder exists and its name
    // ends in ".ini", so that a mistyped folder name starts nothing. Anything else is
    // refused with one line naming the path and the reason.
    static bool Resolve(const CString& strPath, CCatalogPlace& place, CString& strError);

    // Makes the folder the working directory and the file the one the editor's windows
    // load and save.
    bool Enter(CString& strError) const;

    // The whole path, as shown in the main window's title: the file system's UTF-8 put
    // into the ANSI code page every window text is in.
    CString DisplayPath() const;

    CString m_strFolder;  // absolute, without symbolic links
    CString m_strFile;  // a name in that folder
};
