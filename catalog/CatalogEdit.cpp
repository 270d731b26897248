#include "CatalogEdit.h"

#include "ChipCatalog.h"

CCatalogFile::LoadResult CCatalogEdit::Load(CChipCatalog& catalog)
{
    CCatalogFile::LoadResult result = CCatalogFile::Load(catalog);
    m_stamp = result.stamp;
    m_nTrailingBytes = result.nTrailingBytes;
    return result;
}

bool CCatalogEdit::Ask(const CString& strQuestion) const
{
    return m_pfnMessageBox(strQuestion, MB_YESNO, 0) == IDYES;
}

BOOL CCatalogEdit::Save(CChipCatalog& catalog, const CCatalogFile::Reapply& reapply)
{
    const char* pszFile = CCatalogFile::EditorFile();
    if (m_nTrailingBytes > 0) {
        CString strQuestion;
        strQuestion.Format("%s has %llu bytes after its catalogue, which saving drops.\n\nSave anyway and drop them?",
                           pszFile, static_cast<unsigned long long>(m_nTrailingBytes));
        if (!Ask(strQuestion))
            return FALSE;
        m_nTrailingBytes = 0;
    }
    CCatalogFile::SaveResult result = CCatalogFile::SaveChange(catalog, m_stamp, reapply, false, pszFile);
    if (result.status == CCatalogFile::conflict) {
        CString strQuestion;
        strQuestion.Format("%s was changed by another program since this window read it.\n\n"
                           "Save anyway and overwrite those changes?",
                           pszFile);
        if (!Ask(strQuestion))
            return FALSE;
        result = CCatalogFile::SaveChange(catalog, m_stamp, reapply, true, pszFile);
    }
    if (!result.Ok())
        m_pfnMessageBox(result.strMessage, MB_OK, 0);
    return result.Written() ? TRUE : FALSE;
}
