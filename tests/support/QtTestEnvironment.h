#pragma once

#include <gtest/gtest.h>

#include <QApplication>

#include <cstdlib>
#include <memory>

// The one QApplication of a test program, made before the first test and destroyed
// after the last, while gtest still runs. Each Qt test program registers it once.
class QtTestEnvironment : public ::testing::Environment {
public:
    void SetUp() override
    {
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
        m_pApp = std::make_unique<QApplication>(m_nArgc, m_argv);
    }
    void TearDown() override { m_pApp.reset(); }

private:
    int m_nArgc = 1;
    char m_szName[16] = "orvane-tests";
    char* m_argv[2] = {m_szName, nullptr};
    std::unique_ptr<QApplication> m_pApp;
};
