#include "DialogManager.h"

namespace {
bool IsPushButton(ControlKind kind) { return kind == ControlKind::PushButton || kind == ControlKind::DefPushButton; }
}  // namespace

bool CDialogManager::IsTabStop(const ControlTemplate& ct) const
{
    return ct.nID != -1 && (ct.dwStyle & WS_TABSTOP) && m_wnd.IsControlEnabled(ct.nID);
}

void CDialogManager::FocusFirstTabStop()
{
    for (const ControlTemplate& ct : m_tmpl.controls) {
        if (IsTabStop(ct)) {
            m_wnd.SetFocusTo(ct.nID);
            return;
        }
    }
}

bool CDialogManager::MoveFocus(bool bForward)
{
    const int nCount = static_cast<int>(m_tmpl.controls.size());
    const int nFocus = m_wnd.GetFocus();
    int nAt = bForward ? -1 : nCount;
    for (int i = 0; i < nCount; ++i)
        if (nFocus != 0 && m_tmpl.controls[static_cast<std::size_t>(i)].nID == nFocus)
            nAt = i;
    const int nStep = bForward ? 1 : nCount - 1;
    for (int n = 1; n <= nCount; ++n) {
        const ControlTemplate& ct = m_tmpl.controls[static_cast<std::size_t>((nAt + nCount + n * nStep) % nCount)];
        if (IsTabStop(ct)) {
            m_wnd.SetFocusTo(ct.nID);
            return true;
        }
    }
    return false;
}

int CDialogManager::DefaultCommand() const
{
    int nDefault = IDOK;
    for (const ControlTemplate& ct : m_tmpl.controls)
        if (ct.kind == ControlKind::DefPushButton)
            nDefault = ct.nID;
    return nDefault;
}

int CDialogManager::CommandForKey(DialogKey key) const
{
    switch (key) {
    case DialogKey::Escape:
    case DialogKey::CloseBox:
        return IDCANCEL;
    case DialogKey::Help:
        return static_cast<int>(ID_HELP);
    case DialogKey::Enter:
        break;
    case DialogKey::Tab:
    case DialogKey::ShiftTab:
        return 0;
    }
    const int nFocus = m_wnd.GetFocus();
    const ControlTemplate* pFocus = nFocus ? m_tmpl.FindControl(nFocus) : nullptr;
    if (pFocus && IsPushButton(pFocus->kind) && m_wnd.IsControlEnabled(nFocus))
        return nFocus;
    const int nDefault = DefaultCommand();
    if (m_tmpl.FindControl(nDefault) && !m_wnd.IsControlEnabled(nDefault))
        return 0;
    return nDefault;
}

bool CDialogManager::EditTakesChar(DWORD dwStyle, unsigned long nChar)
{
    return !(dwStyle & ES_NUMBER) || (nChar >= '0' && nChar <= '9');
}
