#pragma once

#include "ConformanceDlg.h"
#include "ConformanceDriver.h"

#include <gtest/gtest.h>

// The fixture of the shared cases; the parameter makes the backend's driver.
class Conformance : public ::testing::TestWithParam<DriverFactory> {
protected:
    void SetUp() override
    {
        CConformanceDlg::InstallResources();
        m_pDriver = GetParam()();
    }
    void TearDown() override { m_pDriver.reset(); }

    int Run(std::function<void(IDriverWindow&)> script) { return m_pDriver->Run(m_dlg, std::move(script)); }

    std::unique_ptr<IConformanceDriver> m_pDriver;
    CConformanceDlg m_dlg;
};
