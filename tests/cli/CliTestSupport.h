#pragma once

#include "CatalogFile.h"
#include "ChipCatalog.h"
#include "CliApp.h"

#include "support/SettingsBytes.h"
#include "support/WorkDirFixture.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

using Bytes = std::vector<BYTE>;

struct CliResult {
    int nExit = -1;
    std::string strOut;
    std::string strErr;
};

// Runs the tool in a fresh working directory, where Progr.ini is the catalogue.
class CliTest : public WorkDirFixture {
protected:
    // nSystemCodePage stands for the page the system's locale gives.
    static CliResult Run(std::vector<std::string> args, int nSystemCodePage = SystemAnsiCodePageNumber())
    {
        args.insert(args.begin(), "orvane-cli");
        std::vector<const char*> argv;
        for (const std::string& a : args)
            argv.push_back(a.c_str());
        std::ostringstream out, err;
        CliResult r;
        r.nExit = RunCli(static_cast<int>(argv.size()), argv.data(), out, err, nSystemCodePage);
        r.strOut = out.str();
        r.strErr = err.str();
        return r;
    }

    static Bytes ReadFile(const std::string& strPath = "Progr.ini")
    {
        std::ifstream in(strPath, std::ios::binary);
        return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

    static void WriteFile(const Bytes& bytes, const std::string& strPath = "Progr.ini")
    {
        std::ofstream out(strPath, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }

    static void AddEntry(CChipCatalog& catalog, const std::string& strName, const ChipSettings& s)
    {
        catalog.AddEmptyEntry();
        catalog.SetEntry(catalog.GetEntryCount() - 1, CString(strName), s.data());
    }

    static void Save(const CChipCatalog& catalog, const std::string& strPath = "Progr.ini")
    {
        ASSERT_TRUE(CCatalogFile::Save(catalog, strPath.c_str()).Ok());
    }

    static ChipSettings StoredSettings(int nIndex, const std::string& strPath = "Progr.ini")
    {
        CChipCatalog catalog;
        EXPECT_EQ(CCatalogFile::Load(catalog, strPath.c_str()).status, CCatalogFile::loaded);
        return catalog.GetSettings(nIndex);
    }
};
