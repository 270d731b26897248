#include "CmdTarget.h"

const AFX_MSGMAP CCmdTarget::messageMap = {nullptr, nullptr};

BOOL CCmdTarget::OnCmdMsg(UINT nID, int nCode)
{
    for (const AFX_MSGMAP* pMap = GetMessageMap(); pMap; pMap = pMap->pBaseMap) {
        for (const AFX_MSGMAP_ENTRY* p = pMap->lpEntries; p && p->nCode != -1; ++p) {
            if (p->nCode == nCode && nID >= p->nID && nID <= p->nLastID) {
                (this->*p->pfn)();
                return TRUE;
            }
        }
    }
    return FALSE;
}
