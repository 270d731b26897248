#pragma once

#include "ChipCatalog.h"
#include "CliContext.h"
#include "FileLock.h"

#include <functional>
#include <string>
#include <vector>

// Loading and saving through the editor's own load and save cycle, and finding chips.

enum class MissingFile { isEmpty, isError };

// Loads ctx.strFile into a fresh catalogue. An unreadable or damaged file throws
// CCliError, so nothing loaded from it can be saved. A missing file is an empty
// catalogue (as in the editor) or an error, as the command needs.
void LoadCatalog(const CliContext& ctx, CChipCatalog& catalog, MissingFile missing);
CCatalogFile::LoadResult LoadCatalogFrom(const std::string& strPath, CChipCatalog& catalog, MissingFile missing,
                                         std::vector<BYTE>* pFileBytes = nullptr, int nExitCode = exitFailure);
// The file's bytes as they are, for the commands that look at its layout; throws
// CCliError with nExitCode when it cannot be read.
std::vector<BYTE> ReadFileBytes(const std::string& strPath, int nExitCode = exitFailure);

// A changing command holds this from its load to its save, so no other writer that
// takes the lock can come between them. Throws CCliError when the lock cannot be had.
class CCatalogWriteLock {
public:
    explicit CCatalogWriteLock(const CliContext& ctx);

private:
    CFileLock m_lock;
};
// LoadCatalog for a command that will save: bytes after the catalogue, which the save
// would drop, stop it unless --force was given.
void LoadCatalogForChange(const CliContext& ctx, CChipCatalog& catalog, MissingFile missing);
// Replaces the file atomically; a failed save, or one whose folder could not be synced,
// throws CCliError.
void SaveCatalog(const CliContext& ctx, const CChipCatalog& catalog);
// A whole change under the write lock: loads for change, runs change on the catalogue
// and saves it. Nothing is saved when change throws.
void ChangeCatalog(const CliContext& ctx, MissingFile missing, const std::function<void(CChipCatalog&)>& change);

// How a command names one chip: "#N" is an index in file order; any other text is a
// name, matched to the first entry that carries it exactly as the editor finds an
// entry (CChipCatalog::FindEntryByName); with bHex the text is the name's bytes in hex.
struct ChipSelector {
    std::string strText;
    bool bHex = false;
};

// The name bytes a text stands for in the code page; throws CCliError when the text
// cannot be written in it (or is not hex, with bHex).
std::string NameFromArgument(const std::string& strText, bool bHex, CodePage cp, const char* pszWhat);
// The index of the chip, or throws CCliError naming the file.
int FindEntry(const CliContext& ctx, const CChipCatalog& catalog, const ChipSelector& selector);

// "#3 \"24C02\"", for messages.
std::string EntryLabel(const CChipCatalog& catalog, int nIndex, CodePage cp);
