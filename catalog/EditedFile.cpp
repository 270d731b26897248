#include "EditedFile.h"

#include "VirtualStore.h"

#include <string>

CEditedFile::CEditedFile(const CString& strPath, const CDisplayText& strShownPath)
    : m_strPath(strPath), m_strShownPath(strShownPath)
{
}

void CEditedFile::UseVirtualStoreCopy()
{
    const std::string strCopy = CVirtualStore::ExistingCopyOf(m_strPath.Str());
    if (strCopy.empty())
        return;
    m_strPath = strCopy;
    m_strShownPath = CDisplayText::FromUtf8(strCopy + " (the VirtualStore copy the programmer reads)");
}
