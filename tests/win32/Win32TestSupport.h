#pragma once

#include "ConformanceDlg.h"
#include "NativeProbe.h"
#include "Win32DialogWindow.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

// The probe dialog's template beside the application's own, and the application's icon.
void InstallProbeAndAppResources();

// Runs dlg modally; script runs once the dialog is on the screen, inside its modal loop,
// and should end it. A dialog the script leaves open is ended with -2, which the test's
// check of the result sees.
inline int RunScript(CDialog& dlg, std::function<void()> script)
{
    bool bRan = false;
    std::function<void()> fnStart = [&] {
        auto* pWindow = dynamic_cast<CWin32DialogWindow*>(dlg.GetWindow());
        if (!pWindow || !NativeProbe::IsShown(pWindow->Handle())) {
            NativeProbe::RunWhenIdle(fnStart);
            return;
        }
        bRan = true;
        script();
        dlg.EndDialog(-2);
    };
    NativeProbe::RunWhenIdle(fnStart);
    int nResult = 0;
    try {
        nResult = dlg.DoModal();
    } catch (...) {
        NativeProbe::CancelIdle();
        throw;
    }
    NativeProbe::CancelIdle();
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
