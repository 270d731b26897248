#include "StartArguments.h"

#include <cstring>

namespace {
CStartArguments Bad(const CString& strMessage)
{
    CStartArguments args;
    args.m_nAction = CStartArguments::badArguments;
    args.m_strMessage = strMessage + " (see orvane --help)";
    return args;
}
}  // namespace

const char* CStartArguments::Usage()
{
    return "Usage: orvane [--ask] [FOLDER | FILE]\n"
           "Edits the chip catalogue of a serial-EEPROM programmer.\n"
           "\n"
           "  FOLDER      edit Progr.ini in this folder (started on the first save if missing)\n"
           "  FILE        edit this catalogue file; a new file's name must end in .ini\n"
           "  --ask       with no FOLDER or FILE, ask for the catalogue with a file dialog\n"
           "  -h, --help  show this help and exit\n"
           "  --version   show the version and exit\n"
           "\n"
           "With neither FOLDER nor FILE, nor --ask, the editor works on Progr.ini in the\n"
           "current folder.\n";
}

CStartArguments CStartArguments::Parse(int argc, const char* const* argv)
{
    CStartArguments args;
    bool bAsk = false;
    bool bOptionsEnded = false;
    int nPaths = 0;
    for (int i = 1; i < argc; ++i) {
        const char* pszArg = argv[i];
        const bool bOption = !bOptionsEnded && pszArg[0] == '-';
        if (bOption && std::strcmp(pszArg, "--") == 0) {
            bOptionsEnded = true;
        } else if (bOption && (std::strcmp(pszArg, "--help") == 0 || std::strcmp(pszArg, "-h") == 0)) {
            args.m_nAction = showHelp;
            return args;
        } else if (bOption && std::strcmp(pszArg, "--version") == 0) {
            args.m_nAction = showVersion;
            return args;
        } else if (bOption && std::strcmp(pszArg, "--ask") == 0) {
            bAsk = true;
        } else if (bOption) {
            return Bad(CString("unknown option '") + pszArg + "'");
        } else if (++nPaths > 1) {
            return Bad("too many arguments: give one FOLDER or FILE");
        } else {
            args.m_strPath = pszArg;
        }
    }
    args.m_nAction = nPaths ? editPath : bAsk ? askForCatalog : editHere;
    return args;
}
