#include "HeadlessDialog.h"

#include "CodePage.h"
#include "DialogManager.h"

CHeadlessDialog::CHeadlessDialog(IHeadlessScripts& backend, const DialogTemplate& tmpl, IDialogSite& site)
    : CDialogWindow(tmpl, site, TextForm::Bytes), m_backend(backend), m_controls(tmpl.controls.size())
{
    for (std::size_t n = 0; n < m_controls.size(); ++n) {
        const ControlTemplate& c = tmpl.controls[n];
        Control& ctl = m_controls[n];
        ctl.strText = c.kind == ControlKind::Edit || c.kind == ControlKind::ListBox ? "" : c.pszText;
        ctl.bEnabled = !(c.dwStyle & WS_DISABLED);
    }
    RecordTemplateTexts();
}

int CHeadlessDialog::RunWindow()
{
    m_backend.DialogOpened(m_tmpl.nID);
    m_site.SiteInitDialog();
    if (!IsEnded())
        m_site.SiteShown();
    if (IsEnded())
        return Result();
    HeadlessScript script;
    if (!m_backend.TakeScript(m_tmpl.nID, script)) {
        EndModal(IDCANCEL);
        return Result();
    }
    script(*this);
    if (!IsEnded()) {
        CString strWhat;
        strWhat.Format("dialog %u was left open by its script", m_tmpl.nID);
        m_backend.Fail(strWhat);
        EndModal(IDCANCEL);
    }
    return Result();
}

CHeadlessDialog::Control* CHeadlessDialog::FindForUser(int nID, const char* pszAction)
{
    const std::size_t n = IndexOf(nID);
    if (n == npos) {
        CString strWhat;
        strWhat.Format("%s on control %d, which dialog %u does not have", pszAction, nID, m_tmpl.nID);
        m_backend.Fail(strWhat);
        return nullptr;
    }
    if (IsEnded()) {
        CString strWhat;
        strWhat.Format("%s on control %d after dialog %u ended", pszAction, nID, m_tmpl.nID);
        m_backend.Fail(strWhat);
        return nullptr;
    }
    return m_controls[n].bEnabled ? &m_controls[n] : nullptr;
}

void CHeadlessDialog::Click(int nID)
{
    Control* pCtl = FindForUser(nID, "click");
    if (!pCtl)
        return;
    m_nFocus = nID;
    if (TemplateAt(IndexOf(nID)).kind == ControlKind::AutoCheckBox)
        pCtl->nCheck = pCtl->nCheck ? 0 : 1;
    m_site.SiteCommand(nID, BN_CLICKED);
}

void CHeadlessDialog::Type(int nID, const CString& strText)
{
    if (!FindForUser(nID, "type"))
        return;
    m_nFocus = nID;
    SetText(nID, strText);
}

void CHeadlessDialog::SelectRow(int nID, int nRow)
{
    Control* pCtl = FindForUser(nID, "select row");
    if (!pCtl || nRow < 0 || nRow >= ListGetCount(nID))
        return;
    m_nFocus = nID;
    pCtl->nCurSel = nRow;
    m_site.SiteCommand(nID, LBN_SELCHANGE);
}

void CHeadlessDialog::DoubleClickRow(int nID, int nRow)
{
    SelectRow(nID, nRow);
    if (!IsEnded() && HasControl(nID) && CurSel(nID) == nRow)
        m_site.SiteCommand(nID, LBN_DBLCLK);
}

void CHeadlessDialog::TypeKeys(int nID, const CString& strKeys)
{
    Control* pCtl = FindForUser(nID, "type keys");
    if (!pCtl)
        return;
    m_nFocus = nID;
    pCtl->selection = {pCtl->strText.GetLength(), pCtl->strText.GetLength()};
    const DWORD dwStyle = TemplateAt(IndexOf(nID)).dwStyle;
    const std::string& keys = strKeys.Str();
    const CodePage cp = SystemAnsiCodePage();
    for (std::size_t i = 0; i < keys.size();) {
        // A key is a character, of two bytes in a double-byte page.
        const AnsiChar ch = AnsiCharAt(keys, i, cp);
        const std::string strChar = keys.substr(i, ch.nLength);
        i += ch.nLength;
        if (IsEnded() || !CDialogManager::EditTakesChar(dwStyle, ch.c))
            continue;
        // A key replaces the selection and leaves the caret after itself.
        const auto [nStart, nEnd] = pCtl->selection;
        std::string text = pCtl->strText.Str();
        text.replace(static_cast<std::size_t>(nStart), static_cast<std::size_t>(nEnd - nStart), strChar);
        SetText(nID, CString(text));
        const int nCaret = nStart + static_cast<int>(strChar.size());
        pCtl->selection = {nCaret, nCaret};
    }
}

void CHeadlessDialog::Press(DialogKey key) { m_site.SiteKey(key); }

std::vector<CString> CHeadlessDialog::Rows(int nID) const
{
    const std::size_t n = IndexOf(nID);
    return n == npos ? std::vector<CString>() : RowsAt(n);
}

std::pair<int, int> CHeadlessDialog::Selection(int nID) const
{
    const std::size_t n = IndexOf(nID);
    return n == npos ? std::pair<int, int>(0, 0) : m_controls[n].selection;
}

std::u16string CHeadlessDialog::ShownText(std::size_t nControl) const { return ToShown(m_controls[nControl].strText); }

void CHeadlessDialog::ShowText(std::size_t nControl, const std::u16string& strShown)
{
    Control& ctl = m_controls[nControl];
    ctl.strText = FromShown(strShown);
    ctl.selection = {ctl.strText.GetLength(), ctl.strText.GetLength()};
    const ControlTemplate& ct = TemplateAt(nControl);
    if (ct.kind == ControlKind::Edit)
        Notify(ct.nID, EN_CHANGE);
}

void CHeadlessDialog::ShowRows(std::size_t nControl, int nAt, const std::vector<std::u16string>& rows)
{
    int& nCurSel = m_controls[nControl].nCurSel;
    // The selected row moves down with the rows put in above it; new rows clear it.
    if (nAt < 0)
        nCurSel = -1;
    else if (nCurSel >= nAt)
        nCurSel += static_cast<int>(rows.size());
}

int CHeadlessDialog::ShownState(std::size_t nControl, ControlState state) const
{
    const Control& ctl = m_controls[nControl];
    switch (state) {
    case ControlState::Checked:
        return ctl.nCheck;
    case ControlState::Enabled:
        return ctl.bEnabled ? 1 : 0;
    case ControlState::Focused:
        return TemplateAt(nControl).nID == m_nFocus ? 1 : 0;
    case ControlState::SelectedRow:
        return ctl.nCurSel;
    }
    return 0;
}

void CHeadlessDialog::ShowState(std::size_t nControl, ControlState state, int nValue)
{
    Control& ctl = m_controls[nControl];
    switch (state) {
    case ControlState::Checked:
        ctl.nCheck = nValue;
        break;
    case ControlState::Enabled:
        ctl.bEnabled = nValue != 0;
        break;
    case ControlState::Focused:
        m_nFocus = TemplateAt(nControl).nID;
        if (TemplateAt(nControl).kind == ControlKind::Edit)
            ctl.selection = {0, ctl.strText.GetLength()};
        break;
    case ControlState::SelectedRow:
        ctl.nCurSel = nValue;
        break;
    }
}
