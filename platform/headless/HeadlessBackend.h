#pragma once

#include "Backend.h"
#include "HeadlessDialog.h"

#include <deque>
#include <functional>
#include <vector>

// An in-memory backend for tests. Each modal dialog runs the next script queued for its
// template: the script acts as the user and must end the dialog. Nothing ever waits, so
// no test can block in a modal loop; anything unexpected is recorded in Failures().
class CHeadlessBackend : public IWindowBackend, private IHeadlessScripts {
public:
    // The text's bytes, as given.
    struct MessageRecord {
        CString strText;
        CString strCaption;
        UINT nType;
        int nAnswer;
    };

    CHeadlessBackend();  // installs itself as the current backend
    ~CHeadlessBackend() override;  // restores the previous one

    // The next dialog built from template nTemplateID runs this script.
    void ExpectDialog(UINT nTemplateID, HeadlessScript script);
    // Answers for the next yes/no questions, in order. An OK box needs no answer.
    void AnswerMessageBox(int nAnswer);
    // The next box with these buttons (MB_OK or MB_YESNO) gets these keys in order and,
    // if it is still open after them, a click on nClick. A box no action ends is a
    // script failure.
    void ActOnMessageBox(UINT nButtons, std::vector<DialogKey> keys, int nClick = 0);
    // Answers for the next Open dialogs, in order: a path, or Cancel.
    void AnswerFilePrompt(const CString& strPath) { m_prompts.emplace_back(true, strPath); }
    void CancelFilePrompt() { m_prompts.emplace_back(false, CString()); }
    // The Open dialogs asked so far, in order.
    const std::vector<OpenFileRequest>& FilePrompts() const { return m_promptsShown; }

    const std::vector<MessageRecord>& Messages() const { return m_messages; }
    std::vector<CString> MessageTexts() const;
    void ClearMessages() { m_messages.clear(); }
    // Dialogs nobody expected, dialogs a script left open, unanswered questions,
    // actions on missing controls. A passing test leaves this empty.
    const std::vector<CString>& Failures() const { return m_failures; }
    bool AllScriptsUsed() const { return m_scripts.empty() && m_answers.empty() && m_prompts.empty(); }
    // Every dialog opened so far, by template ID, in order.
    const std::vector<UINT>& OpenedDialogs() const { return m_opened; }

    std::unique_ptr<CDialogWindow> CreateDialogWindow(const DialogTemplate& tmpl, IDialogSite& site,
                                                      CDialogWindow* pOwner) override;
    int MessageBox(const CDisplayText& strText, const CString& strCaption, UINT nType) override;
    bool PromptForFile(const OpenFileRequest& request, CString& strPath) override;

private:
    void DialogOpened(UINT nTemplateID) override { m_opened.push_back(nTemplateID); }
    bool TakeScript(UINT nTemplateID, HeadlessScript& script) override;
    void Fail(const CString& strWhat) override { m_failures.push_back(strWhat); }

    IWindowBackend* m_pPrevious;
    std::deque<std::pair<UINT, HeadlessScript>> m_scripts;
    struct BoxActions {
        UINT nButtons;
        std::vector<DialogKey> keys;
        int nClick;
    };
    int AnswerFromScript(UINT nType, const CString& strText);

    std::deque<BoxActions> m_answers;
    std::deque<std::pair<bool, CString>> m_prompts;
    std::vector<OpenFileRequest> m_promptsShown;
    std::vector<MessageRecord> m_messages;
    std::vector<CString> m_failures;
    std::vector<UINT> m_opened;
};
