#pragma once

#include "CatalogFile.h"
#include "ChipCatalog.h"
#include "HeadlessBackend.h"
#include "Templates.h"

#include "support/TestBackend.h"
#include "support/WorkDirFixture.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <unistd.h>
#include <vector>

// A test that runs the system's windows on the headless backend inside a fresh working
// directory, where Progr.ini is the catalogue.
class CatalogDirFixture : public WorkDirFixture {
protected:
    void SetUp() override
    {
        WorkDirFixture::SetUp();
        AfxSetResources(&OrvaneResources());
    }

    void TearDown() override
    {
        CCatalogFile::SetWriteHook(nullptr);
        std::string strFailures;
        for (const CString& s : m_backend.Failures())
            strFailures += s.Str() + "\n";
        EXPECT_TRUE(strFailures.empty()) << strFailures;
        EXPECT_TRUE(m_backend.AllScriptsUsed()) << "scripts or answers left unused";
        WorkDirFixture::TearDown();
    }

    static std::vector<BYTE> FileBytes()
    {
        std::ifstream in(CCatalogFile::DefaultFileName, std::ios::binary);
        return std::vector<BYTE>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

    static void WriteRawFile(const std::vector<BYTE>& bytes)
    {
        std::ofstream out(CCatalogFile::DefaultFileName, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }

    // Loads Progr.ini as the editor would; fails the test when it does not load.
    static void Reload(CChipCatalog& catalog)
    {
        const CCatalogFile::LoadResult result = CCatalogFile::Load(catalog);
        ASSERT_EQ(result.status, CCatalogFile::loaded) << result.strMessage.GetString();
    }

    // Saves a catalogue with the given type names and (name, settings) entries.
    static void SaveCatalog(const std::vector<CString>& types,
                            const std::vector<std::pair<CString, ChipSettings>>& entries,
                            const char* pszPath = CCatalogFile::EditorFile())
    {
        CChipCatalog catalog;
        for (const CString& t : types)
            catalog.AddTypeName(t);
        for (const auto& [name, settings] : entries) {
            catalog.AddEmptyEntry();
            catalog.SetEntry(catalog.GetEntryCount() - 1, name, settings.data());
        }
        ASSERT_TRUE(CCatalogFile::Save(catalog, pszPath).Ok());
    }

    static std::vector<CString> EntryNames()
    {
        CChipCatalog catalog;
        Reload(catalog);
        std::vector<CString> names;
        for (int i = 0; i < catalog.GetEntryCount(); ++i)
            names.push_back(catalog.GetEntryName(i));
        return names;
    }

    std::vector<CString> Messages() const { return m_backend.MessageTexts(); }

    CTestBackend m_backend;
};
