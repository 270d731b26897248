#pragma once

#include "Dialog.h"
#include "NativeProbe.h"

#include <functional>

// A dialog of any template that runs a test script once it is shown, inside its own
// modal loop, as a user's keys and clicks would arrive.
class CScriptedDialog : public CDialog {
public:
    explicit CScriptedDialog(UINT nIDTemplate) : CDialog(nIDTemplate) {}

    std::function<void()> m_fnShown;

protected:
    BOOL OnInitDialog() override
    {
        const BOOL bFocusFirst = CDialog::OnInitDialog();
        if (m_fnShown)
            NativeProbe::RunWhenIdle(m_fnShown);
        return bFocusFirst;
    }
};
