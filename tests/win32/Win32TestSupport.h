#pragma once

#include "Dialog.h"
#include "NativeProbe.h"
#include "Win32DialogWindow.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

// The probe dialog's template beside the application's own, and the application's icon.
void InstallProbeAndAppResources();

// Runs dlg modally and returns what DoModal returned; script runs at an idle moment of
// the dialog's modal loop once the dialog is on the screen (the loop may go idle before
// it shows the window). bRan tells whether it ran.
inline int RunWhenShown(CDialog& dlg, const std::function<void(CWin32DialogWindow&)>& script, bool& bRan)
{
    bRan = false;
    std::function<void()> fnStart = [&] {
        auto* pWindow = dynamic_cast<CWin32DialogWindow*>(dlg.GetWindow());
        if (!pWindow || !NativeProbe::IsShown(pWindow->Handle())) {
            NativeProbe::RunWhenIdle(fnStart);
            return;
        }
        bRan = true;
        script(*pWindow);
    };
    NativeProbe::RunWhenIdle(fnStart);
    try {
        const int nResult = dlg.DoModal();
        NativeProbe::CancelIdle();
        return nResult;
    } catch (...) {
        NativeProbe::CancelIdle();
        throw;
    }
}

// The same for a script that should end the dialog: one it leaves open is ended with -2,
// which the test's check of the result sees.
inline int RunScript(CDialog& dlg, std::function<void()> script)
{
    bool bRan = false;
    const int nResult = RunWhenShown(dlg, [&](CWin32DialogWindow&) {
        script();
        dlg.EndDialog(-2);
    }, bRan);
    EXPECT_TRUE(bRan);
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
