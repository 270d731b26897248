#include "HeadlessBackend.h"

CHeadlessBackend::CHeadlessBackend() : m_pPrevious(AfxGetBackend())
{
    AfxSetBackend(this);
}

CHeadlessBackend::~CHeadlessBackend()
{
    AfxSetBackend(m_pPrevious);
}

void CHeadlessBackend::ExpectDialog(UINT nTemplateID, Script script)
{
    m_scripts.emplace_back(nTemplateID, std::move(script));
}

void CHeadlessBackend::AnswerMessageBox(int nAnswer)
{
    m_answers.push_back(nAnswer);
}

std::vector<CString> CHeadlessBackend::MessageTexts() const
{
    std::vector<CString> texts;
    for (const MessageRecord& m : m_messages)
        texts.push_back(m.strText);
    return texts;
}

bool CHeadlessBackend::TakeScript(UINT nTemplateID, Script& script)
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

std::unique_ptr<IDialogWindow> CHeadlessBackend::CreateDialogWindow(const DialogTemplate& tmpl, IDialogSite& site,
                                                                    IDialogWindow*)
{
    return std::make_unique<CHeadlessDialog>(*this, tmpl, site);
}

int CHeadlessBackend::MessageBox(const CString& strText, const CString& strCaption, UINT nType)
{
    int nAnswer = IDOK;
    if ((nType & 0xF) == MB_YESNO) {
        if (m_answers.empty()) {
            Fail("question not answered: " + strText);
            nAnswer = IDNO;
        } else {
            nAnswer = m_answers.front();
            m_answers.pop_front();
        }
    }
    m_messages.push_back({strText, strCaption, nType, nAnswer});
    return nAnswer;
}

bool CHeadlessBackend::PromptForCatalog(CString& strPath)
{
    ++m_nPromptsShown;
    if (m_prompts.empty()) {
        Fail("catalogue prompt not answered");
        return false;
    }
    const bool bChosen = m_prompts.front().first;
    if (bChosen)
        strPath = m_prompts.front().second;
    m_prompts.pop_front();
    return bChosen;
}
