#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <unistd.h>

// A test that runs in a fresh working directory, where Progr.ini is the catalogue, and
// removes it afterwards (also when a test left it unwritable).
class WorkDirFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        char szTemplate[] = "/tmp/orvane-test-XXXXXX";
        ASSERT_NE(mkdtemp(szTemplate), nullptr);
        m_strDir = szTemplate;
        char szOld[4096];
        ASSERT_NE(getcwd(szOld, sizeof szOld), nullptr);
        m_strOldDir = szOld;
        ASSERT_EQ(chdir(m_strDir.c_str()), 0);
    }

    void TearDown() override
    {
        (void)chdir(m_strOldDir.c_str());
        (void)std::system(("chmod -R u+rwx '" + m_strDir + "' && rm -rf '" + m_strDir + "'").c_str());
    }

    std::string m_strDir;
    std::string m_strOldDir;
};
