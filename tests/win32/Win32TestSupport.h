#pragma once

#include "ScriptedDialog.h"
#include "TestHarness.h"

#include <functional>
#include <string>

// Runs dlg modally; script runs once the dialog is shown and should end it. A dialog
// the script leaves open is ended with -2, which the test's check of the result sees.
inline int RunScript(CScriptedDialog& dlg, std::function<void()> script)
{
    bool bRan = false;
    dlg.m_fnShown = [&dlg, &bRan, script] {
        bRan = true;
        script();
        dlg.EndDialog(-2);
    };
    const int nResult = dlg.DoModal();
    CHECK(bRan);
    return nResult;
}

// Answers the next message box when it shows, remembering its caption and text.
struct MessageBoxAnswer {
    std::string strCaption;
    std::string strText;
    bool bSeen = false;

    void AnswerNext(HWND__* hOwner, int nButtonID)
    {
        NativeProbe::RunWhenIdle([this, hOwner, nButtonID] {
            HWND__* hBox = NativeProbe::FindMessageBox(hOwner);
            if (!hBox)
                return;
            bSeen = true;
            strCaption = NativeProbe::WindowText(hBox);
            strText = NativeProbe::MessageBoxText(hBox);
            NativeProbe::Answer(hBox, nButtonID);
        });
    }
};
