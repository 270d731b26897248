#pragma once

#include "DisplayText.h"
#include "File.h"
#include "String.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

class CChipCatalog;
class CFileLock;

// The load and save cycle of a catalogue file, written once for every window and tool.
class CCatalogFile {
public:
    enum LoadStatus { loaded, noFile, unreadable, damaged };
    // notDurable: the file was replaced, but the folder could not be synced afterwards.
    // conflict: another program changed the file and the change could not be re-applied;
    // nothing was written.
    enum SaveStatus { saved, notDurable, notSaved, conflict };

    // What a load saw of the file, so that a later save can tell whether it changed.
    struct Stamp {
        bool bExists = false;
        FileIdentity identity;
        std::uint64_t nHash = 0;
        // The same bytes, whoever wrote them: a rewrite of identical content (which a
        // save of an unchanged catalogue makes, with a new inode) is not a change.
        bool SameContent(const Stamp& other) const
        {
            return bExists == other.bExists && identity.nSize == other.identity.nSize && nHash == other.nHash;
        }
    };

    struct LoadResult {
        LoadStatus status = noFile;
        CDisplayText strMessage;  // empty for loaded and noFile; names the file and the reason
        Stamp stamp;
        std::size_t nTrailingBytes = 0;  // bytes after the catalogue, which a save drops
        bool Ok() const { return status == loaded || status == noFile; }
    };
    struct SaveResult {
        SaveStatus status = notSaved;
        CDisplayText strMessage;  // empty when saved; names the file and the reason
        bool Ok() const { return status == saved; }
        // The new catalogue is in the file (also when notDurable).
        bool Written() const { return status == saved || status == notDurable; }
    };

    // The most a catalogue file may hold: far above 10 million chips (about 200 MB).
    static constexpr std::uint64_t MaxFileSize = std::uint64_t(1) << 30;

    // The catalogue's usual name: "Progr.ini" in the working directory.
    static const char* const DefaultFileName;

    // Loads into a freshly constructed catalogue. A missing file leaves it empty and is
    // no failure. An unreadable or damaged file leaves the catalogue in an unspecified
    // state that must never be saved. With pFileBytes the bytes read are handed over.
    static LoadResult Load(CChipCatalog& catalog, const char* pszPath = DefaultFileName,
                           std::vector<BYTE>* pFileBytes = nullptr);
    // Serialises in memory and replaces the file atomically under the writers' lock, or
    // writes it in place where a replace cannot be made or would split its hard links.
    // On failure the old file is untouched, or, in place, written back; the message says
    // which, and names the copy of the old bytes when even that failed.
    static SaveResult Save(const CChipCatalog& catalog, const char* pszPath = DefaultFileName);

    // Applies a window's own change to a fresh load of the file; false when it does not
    // apply unambiguously there.
    using Reapply = std::function<bool(CChipCatalog& fresh)>;
    // Saves a change made to a catalogue loaded with the given stamp. Under the lock it
    // compares the file with the stamp: unchanged, the catalogue is saved; changed, the
    // change is re-applied to a fresh load and that is saved, or, where it does not apply
    // (or the fresh file has bytes after its catalogue), nothing is written and the
    // result is conflict. bOverwrite saves the catalogue whatever the file holds. After a
    // save the catalogue and the stamp describe the new file.
    static SaveResult SaveChange(CChipCatalog& catalog, Stamp& stamp, const Reapply& reapply,
                                 bool bOverwrite = false, const char* pszPath = DefaultFileName);

    // Takes the writers' lock for the file, for a caller that loads, changes and saves
    // under one lock; saves inside that span take it again without waiting. The result
    // is saved or notSaved with the reason.
    static SaveResult Lock(CFileLock& lock, const char* pszPath = DefaultFileName);

    // The bytes a save writes, and the parse of bytes as a load does it (throws
    // CArchiveException); both for tools and tests. The parse returns how many bytes
    // follow the catalogue.
    static std::vector<BYTE> StoreToBytes(const CChipCatalog& catalog);
    static std::size_t LoadFromBytes(CChipCatalog& catalog, const void* pData, std::size_t nSize,
                                     const CString& strFileName);

    // Test seam: replaces write(2) for the temporary file and for a file written in
    // place. Reset with nullptr.
    using WriteHook = std::function<long(int fd, const void* pBuf, std::size_t nCount)>;
    static void SetWriteHook(WriteHook hook);
};
