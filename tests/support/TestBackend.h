#pragma once

#include "HeadlessBackend.h"

#include <deque>
#include <functional>

// The headless backend with one more thing a test can script: something that happens
// while a question is on screen, such as another program writing the catalogue.
class CTestBackend : public CHeadlessBackend {
public:
    // Runs before the next message box is answered.
    void WhileNextMessageShows(std::function<void()> action) { m_actions.push_back(std::move(action)); }

    int MessageBox(const CDisplayText& strText, const CString& strCaption, UINT nType) override
    {
        if (!m_actions.empty()) {
            std::function<void()> action = std::move(m_actions.front());
            m_actions.pop_front();
            action();
        }
        return CHeadlessBackend::MessageBox(strText, strCaption, nType);
    }

private:
    std::deque<std::function<void()>> m_actions;
};
