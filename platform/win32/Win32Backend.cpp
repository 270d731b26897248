#include "Win32Backend.h"

#include "MessageBoxButtons.h"
#include "Win32DialogWindow.h"
#include "Win32FileDialog.h"
#include "Win32MessageBox.h"
#include "Win32Text.h"
#include "WinApp.h"

#include <string>

namespace {
class CWin32Backend : public IWindowBackend {
public:
    std::unique_ptr<CDialogWindow> CreateDialogWindow(const DialogTemplate& tmpl, IDialogSite& site,
                                                      CDialogWindow* pOwner) override
    {
        // A dialog without an owner still belongs to the one open last, so that the one
        // behind it takes no input while it runs.
        auto* pOwnerWindow = dynamic_cast<CWin32DialogWindow*>(pOwner);
        HWND__* hOwner =
            pOwnerWindow && pOwnerWindow->Handle() ? pOwnerWindow->Handle() : CWin32Dialog::TopDialog();
        return std::make_unique<CWin32DialogWindow>(tmpl, site, hOwner);
    }

    int MessageBox(const CDisplayText& strText, const CString& strCaption, UINT nType) override
    {
        const MessageBoxButtons buttons = MessageBoxButtons::ForType(nType);
        constexpr UINT kIconMask = 0xF0;
        constexpr UINT kDefaultButton2 = 0x100;
        const UINT nButtons = buttons.answers.size() == 2 ? MB_YESNO : MB_OK;
        const bool bSecondIsDefault = buttons.answers.size() == 2 && buttons.nDefault == buttons.answers[1];
        const UINT nNativeType = nButtons | (nType & kIconMask) | (bSecondIsDefault ? kDefaultButton2 : 0);
        const int nAnswer =
            CWin32MessageBox::Show(CWin32Dialog::TopDialog(), CWin32Text::Wide(strText.Utf16()),
                                   CWin32Text::Wide(strCaption.Str()), nNativeType, buttons.nEscape);
        for (int nGiven : buttons.answers)
            if (nAnswer == nGiven)
                return nGiven;
        // The box failed, or answered something it was not asked: the safe answer.
        return buttons.nEscape ? buttons.nEscape : buttons.answers.back();
    }

    bool PromptForFile(const OpenFileRequest& request, CString& strPath) override
    {
        CWin32FileDialog::Request native{CWin32Text::Wide(request.strTitle.Str()),
                                         CWin32Text::Wide(request.strSuggestedName.Str()), {}};
        for (const FileFilter& filter : request.filters) {
            native.filters.push_back(CWin32Text::Wide(filter.strName.Str()));
            native.filters.push_back(CWin32Text::Wide(filter.strPattern.Str()));
        }
        std::string strChosen;
        if (!CWin32FileDialog::AskForFile(CWin32Dialog::TopDialog(), native, strChosen))
            return false;
        strPath = CString(strChosen.c_str(), static_cast<int>(strChosen.size()));
        return true;
    }
};
}  // namespace

std::unique_ptr<IWindowBackend> CreateWin32Backend() { return std::make_unique<CWin32Backend>(); }

int RunWin32Application(int argc, char** argv)
{
    CWin32Backend backend;
    return AfxWinMain(argc, argv, backend);
}
