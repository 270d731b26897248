#include "CatalogEdit.h"

#include "ChipCatalog.h"

#include <string>

CCatalogFile::LoadResult CCatalogEdit::Load(CChipCatalog& catalog, const CString& strPath)
{
    m_strPath = strPath;
    CCatalogFile::LoadResult result = CCatalogFile::Load(catalog, m_strPath);
    m_stamp = result.stamp;
    m_nTrailingBytes = result.nTrailingBytes;
    return result;
}

bool CCatalogEdit::Ask(const std::string& strQuestion) const
{
    // The questions name the file, whose path is UTF-8.
    return m_pfnMessageBox(CDisplayText::FromUtf8(strQuestion), MB_YESNO) == IDYES;
}

BOOL CCatalogEdit::Save(CChipCatalog& catalog, const CCatalogFile::Reapply& reapply)
{
    const char* pszFile = m_strPath;
    if (m_nTrailingBytes > 0) {
        if (!Ask(std::string(pszFile) + " has " + std::to_string(m_nTrailingBytes) +
                 " bytes after its catalogue, which saving drops.\n\nSave anyway and drop them?"))
            return FALSE;
        m_nTrailingBytes = 0;
    }
    CCatalogFile::SaveResult result = CCatalogFile::SaveChange(catalog, m_stamp, reapply, false, pszFile);
    if (result.status == CCatalogFile::conflict) {
        if (!Ask(std::string(pszFile) + " was changed by another program since this window read it.\n\n"
                                        "Save anyway and overwrite those changes?"))
            return FALSE;
        result = CCatalogFile::SaveChange(catalog, m_stamp, reapply, true, pszFile);
    }
    if (!result.Ok())
        m_pfnMessageBox(result.strMessage, MB_OK);
    return result.Written() ? TRUE : FALSE;
}
