#pragma once

#include "String.h"

// What the editor's command line asks for: "orvane [--ask] [FOLDER | FILE]", --help or
// --version. Parsing looks at no file; CCatalogPlace decides what a path means.
class CStartArguments {
public:
    enum Action { editHere, editPath, askForCatalog, showHelp, showVersion, badArguments };

    static CStartArguments Parse(int argc, const char* const* argv);
    // The text --help prints.
    static const char* Usage();

    Action m_nAction = editHere;
    CString m_strPath;  // the FOLDER or FILE, for editPath
    CString m_strMessage;  // one line saying what is wrong, for badArguments
};
