#pragma once

#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <string>
#include <unistd.h>

// A test that runs in a fresh working directory, where Progr.ini is the catalogue, and
// removes it afterwards (also when a test left it unwritable).
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
    }

    void TearDown() override
    {
        (void)chdir(m_strOldDir.c_str());
        RemoveTempFolder(m_strDir);
    }

    std::string m_strDir;
    std::string m_strOldDir;
};
