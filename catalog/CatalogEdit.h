#pragma once

#include "CatalogFile.h"
#include "DisplayText.h"
#include "String.h"

class CChipCatalog;

// What one window remembers of the catalogue file it loaded, and the save of its change
// that drops neither another program's work nor the bytes after the catalogue without
// asking. The file is never open, nor the lock held, while a question waits.
class CCatalogEdit {
public:
    // The framework's message box: AfxMessageBox.
    using MessageBoxFn = int (*)(const CDisplayText& strText, UINT nType);

    explicit CCatalogEdit(MessageBoxFn pfnMessageBox) : m_pfnMessageBox(pfnMessageBox) {}

    // Loads the file into a fresh catalogue and remembers which file it was and what it saw.
    CCatalogFile::LoadResult Load(CChipCatalog& catalog, const CString& strPath);

    // Saves the window's change to the catalogue it loaded; reapply makes the same change
    // to a fresh load when another program changed the file meanwhile. Asks before the
    // first save that drops bytes after the catalogue, and before overwriting a change
    // that reapply cannot follow; reports a failed save. Returns TRUE when the change is
    // in the file, FALSE when the person went back or the save failed (nothing written).
    BOOL Save(CChipCatalog& catalog, const CCatalogFile::Reapply& reapply);

private:
    bool Ask(const std::string& strQuestion) const;

    MessageBoxFn m_pfnMessageBox;
    CString m_strPath;
    CCatalogFile::Stamp m_stamp;
    std::size_t m_nTrailingBytes = 0;
};
