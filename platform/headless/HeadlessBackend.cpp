#include "HeadlessBackend.h"

#include "MessageBoxButtons.h"

CHeadlessBackend::CHeadlessBackend() : m_pPrevious(AfxGetBackend())
{
    AfxSetBackend(this);
}

CHeadlessBackend::~CHeadlessBackend()
{
    AfxSetBackend(m_pPrevious);
}

void CHeadlessBackend::ExpectDialog(UINT nTemplateID, HeadlessScript script)
{
    m_scripts.emplace_back(nTemplateID, std::move(script));
}

void CHeadlessBackend::AnswerMessageBox(int nAnswer)
{
    ActOnMessageBox(MB_YESNO, {}, nAnswer);
}

void CHeadlessBackend::ActOnMessageBox(UINT nButtons, std::vector<DialogKey> keys, int nClick)
{
    m_answers.push_back({nButtons, std::move(keys), nClick});
}

std::vector<CString> CHeadlessBackend::MessageTexts() const
{
    std::vector<CString> texts;
    for (const MessageRecord& m : m_messages)
        texts.push_back(m.strText);
    return texts;
}

bool CHeadlessBackend::TakeScript(UINT nTemplateID, HeadlessScript& script)
{
    if (m_scripts.empty() || m_scripts.front().first != nTemplateID) {
        CString strWhat;
        strWhat.Format("dialog %u opened but no script expected it", nTemplateID);
        Fail(strWhat);
        return false;
    }
    script = std::move(m_scripts.front().second);
    m_scripts.pop_front();
    return true;
}

std::unique_ptr<CDialogWindow> CHeadlessBackend::CreateDialogWindow(const DialogTemplate& tmpl, IDialogSite& site,
                                                                    CDialogWindow*)
{
    return std::make_unique<CHeadlessDialog>(static_cast<IHeadlessScripts&>(*this), tmpl, site);
}

int CHeadlessBackend::MessageBox(const CDisplayText& strText, const CString& strCaption, UINT nType)
{
    const int nAnswer = AnswerFromScript(nType, strText.Str());
    m_messages.push_back({strText.Str(), strCaption, nType, nAnswer});
    return nAnswer;
}

int CHeadlessBackend::AnswerFromScript(UINT nType, const CString& strText)
{
    const MessageBoxButtons buttons = MessageBoxButtons::ForType(nType);
    const UINT nButtons = nType & 0xF;
    if (m_answers.empty() || m_answers.front().nButtons != nButtons) {
        if (nButtons == MB_OK)
            return IDOK;
        Fail("question not answered: " + strText);
        return IDNO;
    }
    const BoxActions actions = std::move(m_answers.front());
    m_answers.pop_front();
    for (DialogKey key : actions.keys)
        if (const int nAnswer = buttons.AnswerForKey(key))
            return nAnswer;
    for (int nAnswer : buttons.answers)
        if (nAnswer == actions.nClick)
            return nAnswer;
    Fail("message box left open: " + strText);
    return buttons.nEscape ? buttons.nEscape : IDNO;
}

bool CHeadlessBackend::PromptForFile(const OpenFileRequest& request, CString& strPath)
{
    m_promptsShown.push_back(request);
    if (m_prompts.empty()) {
        Fail("file prompt not answered: " + request.strTitle);
        return false;
    }
    const bool bChosen = m_prompts.front().first;
    if (bChosen)
        strPath = m_prompts.front().second;
    m_prompts.pop_front();
    return bChosen;
}
