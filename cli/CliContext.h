#pragma once

#include "CatalogFile.h"
#include "CodePage.h"
#include "NameText.h"

#include <ostream>
#include <string>

// Exit codes shared by every subcommand; check and diff give 1 a meaning of their own.
enum CliExit { exitOk = 0, exitFailure = 1, exitUsage = 2 };

// What every subcommand gets: where results and complaints go, the catalogue file named
// by -f, and the code page that names are written in.
struct CliContext {
    CliContext(std::ostream& outStream, std::ostream& errStream) : out(outStream), err(errStream) {}

    std::ostream& out;
    std::ostream& err;
    std::string strFile = CCatalogFile::DefaultFileName;
    CodePage cp = CodePage::Windows1252;
    // Why the system's page cannot serve, until --codepage names one that can.
    std::string strPageRefusal;
    int nExit = exitOk;
    // --force of a changing command: save even where bytes after the catalogue are lost.
    bool bForce = false;

    // "orvane-cli: SUBJECT: text" on stderr, for notes that do not stop the command.
    void Warn(const std::string& strSubject, const std::string& strText) const
    {
        err << MessageText("orvane-cli: " + strSubject + ": warning: " + strText) << '\n';
    }
};
