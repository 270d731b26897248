#pragma once

#include "CatalogFile.h"

#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <unistd.h>

// A test that runs in a fresh working directory, where Progr.ini is the catalogue, and
// removes it afterwards (also when a test left it unwritable). A test may make another
// folder working; the old one is put back.
class WorkDirFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_strDir = MakeTempFolder();
        ASSERT_FALSE(m_strDir.empty());
        char szOld[4096];
        ASSERT_NE(getcwd(szOld, sizeof szOld), nullptr);
        m_strOldDir = szOld;
        ASSERT_EQ(chdir(m_strDir.c_str()), 0);
        m_strFull = WorkingFolder();
    }

    void TearDown() override
    {
        (void)chdir(m_strOldDir.c_str());
        RemoveTempFolder(m_strDir);
    }

    // The working folder's full path, with no link in it.
    static std::string WorkingFolder() { return std::filesystem::current_path().string(); }

    std::string m_strDir;
    std::string m_strFull;  // m_strDir as WorkingFolder() names it
    std::string m_strOldDir;
};
