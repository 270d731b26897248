#pragma once

#include "String.h"

#include <cstddef>
#include <functional>
#include <vector>

class CChipCatalog;

// The load and save cycle of a catalogue file, written once for every window and tool.
class CCatalogFile {
public:
    enum LoadStatus { loaded, noFile, unreadable, damaged };
    enum SaveStatus { saved, notSaved };

    struct LoadResult {
        LoadStatus status = noFile;
        CString strMessage;  // empty for loaded and noFile; names the file and the reason
        bool Ok() const { return status == loaded || status == noFile; }
    };
    struct SaveResult {
        SaveStatus status = notSaved;
        CString strMessage;  // empty when saved; names the file and the reason
        bool Ok() const { return status == saved; }
    };

    // The catalogue's usual name: "Progr.ini" in the working directory.
    static const char* const DefaultFileName;
    // The file the editor's windows load and save: DefaultFileName unless the program was
    // started on another one.
    static void SetEditorFile(const CString& strPath);
    static const char* EditorFile();

    // Loads into a freshly constructed catalogue. A missing file leaves it empty and is
    // no failure. An unreadable or damaged file leaves the catalogue in an unspecified
    // state that must never be saved.
    static LoadResult Load(CChipCatalog& catalog, const char* pszPath = EditorFile());
    // Serialises in memory and replaces the file atomically (temporary file beside the
    // target, checked writes, fsync, rename). Permission bits are kept and a symbolic
    // link is written through to its target. On failure the old file is untouched.
    static SaveResult Save(const CChipCatalog& catalog, const char* pszPath = EditorFile());

    // The bytes a save writes, and the parse of bytes as a load does it (throws
    // CArchiveException); both for tools and tests.
    static std::vector<BYTE> StoreToBytes(const CChipCatalog& catalog);
    static void LoadFromBytes(CChipCatalog& catalog, const void* pData, std::size_t nSize,
                              const CString& strFileName);

    // Test seam: replaces write(2) for the temporary file. Reset with nullptr.
    using WriteHook = std::function<long(int fd, const void* pBuf, std::size_t nCount)>;
    static void SetWriteHook(WriteHook hook);
};
