#pragma once

#include "Archive.h"
#include "CatalogFile.h"
#include "ChipCatalog.h"
#include "FileLock.h"

#include "support/ArchiveBytes.h"
#include "support/SettingsBytes.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <dirent.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

inline void LoadBytes(CChipCatalog& catalog, const Bytes& bytes)
{
    CCatalogFile::LoadFromBytes(catalog, bytes.data(), bytes.size(), "Progr.ini");
}

inline void AddEntry(CChipCatalog& catalog, const CString& name, const ChipSettings& s)
{
    catalog.AddEmptyEntry();
    catalog.SetEntry(catalog.GetEntryCount() - 1, name, s.data());
}

// A fresh temporary directory, removed with everything in it.
class TempDir {
public:
    TempDir() : m_path(MakeTempFolder()) {}
    ~TempDir() { RemoveTempFolder(m_path); }
    const std::string& Path() const { return m_path; }
    std::string operator/(const std::string& name) const { return m_path + "/" + name; }

    std::vector<std::string> List() const
    {
        std::vector<std::string> names;
        if (DIR* d = ::opendir(m_path.c_str())) {
            while (dirent* e = ::readdir(d)) {
                std::string n = e->d_name;
                if (n != "." && n != "..")
                    names.push_back(n);
            }
            ::closedir(d);
        }
        return names;
    }

private:
    std::string m_path;
};

inline Bytes ReadFileBytes(const std::string& path)
{
    Bytes out;
    if (FILE* f = std::fopen(path.c_str(), "rb")) {
        int ch;
        while ((ch = std::fgetc(f)) != EOF)
            out.push_back(static_cast<BYTE>(ch));
        std::fclose(f);
    }
    return out;
}

inline void WriteFileBytes(const std::string& path, const Bytes& bytes)
{
    FILE* f = std::fopen(path.c_str(), "wb");
    ASSERT_NE(f, nullptr) << path;
    if (!bytes.empty())
        std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
}

// A catalogue of one I2C chip, for a test to save as Progr.ini in a fresh folder.
class CatalogInFolderTest : public testing::Test {
protected:
    CatalogInFolderTest()
    {
        m_catalog.AddTypeName("I2C");
        AddEntry(m_catalog, "24C02", SettingsOf({0x80, 0x80, 0, 1, 0x20, 0x10, 0x10, 8, 0xA0, 0, 0x10, 0}));
    }
    void TearDown() override
    {
        CCatalogFile::SetWriteHook(nullptr);
        CFileLock::SetWaitLimit(CFileLock::DefaultWaitLimitMs);
    }

    TempDir m_dir;
    CChipCatalog m_catalog;
    std::string m_strPath = m_dir / "Progr.ini";
};
