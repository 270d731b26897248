#pragma once

#include "DisplayText.h"
#include "EditedFile.h"
#include "String.h"

// The folder the editor works in and the catalogue file it edits there. Paths, and the
// messages that quote them, are the file system's bytes: UTF-8 (on Windows converted from
// the system's UTF-16).
class CCatalogPlace {
public:
    // What a FOLDER or FILE names: a folder gives its Progr.ini; an existing regular file
    // gives itself; a missing file is a new catalogue when its folder exists and its name
    // ends in ".ini", so that a mistyped folder name starts nothing. Anything else is
    // refused with one line naming the path and the reason.
    static bool Resolve(const CString& strPath, CCatalogPlace& place, CString& strError);

    // Makes the folder the working directory and, on success, gives the file edited
    // there, named by its whole path.
    bool Enter(CEditedFile& file, CString& strError) const;

    // The whole path, as the main window's title shows it.
    CDisplayText DisplayPath() const;

    CString m_strFolder;  // absolute, without symbolic links
    CString m_strFile;  // a name in that folder
};
