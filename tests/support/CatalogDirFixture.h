#pragma once

#include "CatalogFile.h"
#include "ChipCatalog.h"
#include "HeadlessBackend.h"
#include "Templates.h"

#include "support/TestBackend.h"
#include "support/WorkDirFixture.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>
#include <functional>
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
                            const char* pszPath = CCatalogFile::DefaultFileName)
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

    static std::vector<CString> EntryNames() { return Names(&CChipCatalog::GetEntryCount, &CChipCatalog::GetEntryName); }
    static std::vector<CString> TypeNames() { return Names(&CChipCatalog::GetTypeCount, &CChipCatalog::GetTypeName); }

    // Another program's change to Progr.ini, made while a window is open.
    static void OtherWriter(const std::function<void(CChipCatalog&)>& change)
    {
        CChipCatalog catalog;
        ASSERT_TRUE(CCatalogFile::Load(catalog).Ok());
        change(catalog);
        ASSERT_TRUE(CCatalogFile::Save(catalog).Ok());
    }

    // What a window asks before it saves over another program's change.
    static CString ChangedQuestion()
    {
        return "Progr.ini was changed by another program since this window read it.\n\n"
               "Save anyway and overwrite those changes?";
    }

    // Every write of a save fails with nError until the test sets another hook.
    static void FailWrites(int nError)
    {
        CCatalogFile::SetWriteHook([nError](int, const void*, std::size_t) -> long {
            errno = nError;
            return -1;
        });
    }

    std::vector<CString> Messages() const { return m_backend.MessageTexts(); }

    CTestBackend m_backend;

private:
    // The type or chip names of Progr.ini, in file order.
    static std::vector<CString> Names(int (CChipCatalog::*count)() const, CString (CChipCatalog::*name)(int) const)
    {
        CChipCatalog catalog;
        Reload(catalog);
        std::vector<CString> names;
        for (int i = 0; i < (catalog.*count)(); ++i)
            names.push_back((catalog.*name)(i));
        return names;
    }
};
