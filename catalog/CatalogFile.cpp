#include "CatalogFile.h"

#include "Archive.h"
#include "ChipCatalog.h"
#include "FileLock.h"
#include "FileReplace.h"
#include "VirtualStore.h"

#include <cerrno>
#include <cstring>
#include <new>
#include <string>

const char* const CCatalogFile::DefaultFileName = "Progr.ini";

namespace {

// Messages name the file by its path, which is UTF-8, so they are UTF-8 texts.
CDisplayText Text(const std::string& strUtf8)
{
    return CDisplayText::FromUtf8(strUtf8);
}

std::string ReasonText(const char* pszVerb, const char* pszPath, int nError)
{
    const std::string strStart = std::string("Cannot ") + pszVerb + " " + pszPath + ": ";
    // Another program's hold outlasted the wait for it: what it means and what to do.
    if (nError == CFile::errSharingViolation)
        return strStart + "it is open in another program that does not allow it to be " +
               (std::strcmp(pszVerb, "read") == 0 ? "read" : "changed") +
               ", such as the programmer's software. Close that program and try again; the catalogue is unchanged.";
    return strStart + CFile::ErrorText(nError);
}

CDisplayText Reason(const char* pszVerb, const char* pszPath, int nError)
{
    return Text(ReasonText(pszVerb, pszPath, nError));
}

// A refused save of a file in a folder Windows protects also says why, and where the
// programmer's own software keeps its changes instead.
CDisplayText SaveRefusal(const char* pszPath, int nError)
{
    std::string strMessage = ReasonText("save", pszPath, nError);
    const std::string strCopy = nError == EACCES ? CVirtualStore::CopyPathOf(pszPath) : std::string();
    if (!strCopy.empty())
        strMessage += ". Its folder needs administrator rights to change; the programmer's own software "
                      "would write its changes to " + strCopy + " instead.";
    return Text(strMessage);
}

// What failed in a save in place, and whether the old catalogue survived it.
CDisplayText InPlaceFailure(const CFileReplace& target, CFileReplace::Result result, const char* pszPath)
{
    static const char* const kSteps[] = {"opening it to write in place", "reading the old catalogue",
                                         "writing it in place", "cutting it to its new length",
                                         "flushing it to disk", "closing it"};
    const std::string strMessage = std::string("Cannot save ") + pszPath + ": " +
                                   CFile::ErrorText(target.GetLastError()) + " while " +
                                   kSteps[target.GetFailedStep()];
    if (result == CFileReplace::failed)
        return Text(strMessage + "; the old catalogue is intact.");
    if (result == CFileReplace::restored)
        return Text(strMessage + "; the old catalogue was written back and is intact.");
    const std::string& strCopy = target.GetCopyPath();
    return Text(strMessage + ", and writing the old catalogue back failed too (" +
                CFile::ErrorText(target.GetRestoreError()) + "), so the file may be damaged. " +
                (strCopy.empty() ? "No copy of the old catalogue could be made."
                                 : "A copy of the old catalogue is in " + strCopy + "."));
}

// Tells whether the bytes of a file changed; not for defence against a forger.
std::uint64_t HashBytes(const std::vector<BYTE>& bytes)
{
    std::uint64_t h = 0x9E3779B97F4A7C15ULL ^ bytes.size();
    const BYTE* p = bytes.data();
    std::size_t n = bytes.size();
    for (; n >= 8; p += 8, n -= 8) {
        std::uint64_t w;
        std::memcpy(&w, p, 8);
        h = (h ^ w) * 0xFF51AFD7ED558CCDULL;
        h ^= h >> 32;
    }
    for (; n > 0; ++p, --n)
        h = (h ^ *p) * 0x100000001B3ULL;
    return h ^ (h >> 29);
}

// Reads the whole file into bytes and records its stamp. The status is loaded, noFile
// or unreadable; nothing is parsed.
CCatalogFile::LoadResult ReadCatalogBytes(const char* pszPath, std::vector<BYTE>& bytes)
{
    CCatalogFile::LoadResult result;
    CFile file;
    if (!file.Open(pszPath, CFile::modeRead)) {
        const int nError = file.GetLastError();
        if (nError == ENOENT || nError == ENOTDIR)
            return result;
        result.status = CCatalogFile::unreadable;
        result.strMessage = Reason("read", pszPath, nError);
        return result;
    }
    if (!file.ReadAll(bytes, CCatalogFile::MaxFileSize)) {
        result.status = CCatalogFile::unreadable;
        if (file.GetLastError() == EFBIG)
            result.strMessage = Text(std::string("Cannot read ") + pszPath + ": Is " +
                                     std::to_string(file.GetLength()) + " bytes, more than the 1 GiB (" +
                                     std::to_string(CCatalogFile::MaxFileSize) + " bytes) a catalogue may hold");
        else
            result.strMessage = Reason("read", pszPath, file.GetLastError());
        return result;
    }
    result.status = CCatalogFile::loaded;
    result.stamp.bExists = true;
    result.stamp.identity = file.GetIdentity();
    result.stamp.identity.nSize = static_cast<long long>(bytes.size());
    result.stamp.nHash = HashBytes(bytes);
    return result;
}

// Parses the bytes read into the catalogue, completing the result.
void ParseCatalogBytes(CChipCatalog& catalog, const std::vector<BYTE>& bytes, const char* pszPath,
                       CCatalogFile::LoadResult& result)
{
    try {
        result.nTrailingBytes = CCatalogFile::LoadFromBytes(catalog, bytes.data(), bytes.size(), pszPath);
    } catch (const CArchiveException& e) {
        result.status = CCatalogFile::damaged;
        result.strMessage = Text(e.GetErrorMessage().Str());
    } catch (const std::bad_alloc&) {
        result.status = CCatalogFile::unreadable;
        result.strMessage = Reason("read", pszPath, ENOMEM);
    }
}

// Resolves the target, takes the writers' lock of its folder and clears what killed
// saves left there. The status is saved when the save may go on.
CCatalogFile::SaveResult PrepareSave(CFileReplace& target, CFileLock& lock, const char* pszPath)
{
    if (int nError = target.Resolve())
        return {CCatalogFile::notSaved, SaveRefusal(pszPath, nError)};
    if (CCatalogFile::SaveResult locked = CCatalogFile::Lock(lock, pszPath); !locked.Ok())
        return locked;
    target.RemoveStaleTemporaries();
    return {CCatalogFile::saved, CDisplayText()};
}

CCatalogFile::SaveResult WriteCatalogBytes(CFileReplace& target, const std::vector<BYTE>& bytes,
                                           const char* pszPath, CCatalogFile::Stamp* pStamp)
{
    const CFileReplace::Result replaced = target.Replace(bytes.data(), bytes.size());
    // A file another program holds was left as it was, whichever way the save went.
    const bool bHeld = replaced == CFileReplace::failed && target.GetLastError() == CFile::errSharingViolation;
    if (target.WroteInPlace() && replaced != CFileReplace::replaced && !bHeld)
        return {CCatalogFile::notSaved, InPlaceFailure(target, replaced, pszPath)};
    if (replaced == CFileReplace::failed)
        return {CCatalogFile::notSaved, SaveRefusal(pszPath, target.GetLastError())};
    if (pStamp) {
        pStamp->bExists = true;
        pStamp->identity = target.GetNewIdentity();
        pStamp->identity.nSize = static_cast<long long>(bytes.size());
        pStamp->nHash = HashBytes(bytes);
    }
    if (replaced == CFileReplace::notDurable)
        return {CCatalogFile::notDurable,
                Text(std::string(pszPath) + " was saved, but its folder could not be synced to disk (" +
                     CFile::ErrorText(target.GetLastError()) +
                     "); a system crash now could still bring back the old file.")};
    return {CCatalogFile::saved, CDisplayText()};
}

}  // namespace

CCatalogFile::LoadResult CCatalogFile::Load(CChipCatalog& catalog, const char* pszPath,
                                            std::vector<BYTE>* pFileBytes)
{
    std::vector<BYTE> bytes;
    LoadResult result;
    try {
        result = ReadCatalogBytes(pszPath, bytes);
    } catch (const std::bad_alloc&) {
        result.status = unreadable;
        result.strMessage = Reason("read", pszPath, ENOMEM);
    }
    if (result.status == loaded)
        ParseCatalogBytes(catalog, bytes, pszPath, result);
    if (pFileBytes)
        pFileBytes->swap(bytes);
    return result;
}

CCatalogFile::SaveResult CCatalogFile::Lock(CFileLock& lock, const char* pszPath)
{
    // The folder is found even where the target cannot be saved; the save says why.
    CFileReplace target(pszPath);
    (void)target.Resolve();
    const int nError = lock.Lock(target.GetFolder().c_str());
    if (nError == EWOULDBLOCK)
        return {notSaved, Text(std::string("Cannot save ") + pszPath +
                               ": it is being saved by another program; try again.")};
    if (nError != 0)
        return {notSaved, Reason("save", pszPath, nError)};
    return {saved, CDisplayText()};
}

CCatalogFile::SaveResult CCatalogFile::Save(const CChipCatalog& catalog, const char* pszPath)
{
    try {
        const std::vector<BYTE> bytes = StoreToBytes(catalog);
        CFileReplace target(pszPath);
        CFileLock lock;
        SaveResult prepared = PrepareSave(target, lock, pszPath);
        return prepared.Ok() ? WriteCatalogBytes(target, bytes, pszPath, nullptr) : prepared;
    } catch (const std::bad_alloc&) {
        return {notSaved, Reason("save", pszPath, ENOMEM)};
    }
}

CCatalogFile::SaveResult CCatalogFile::SaveChange(CChipCatalog& catalog, Stamp& stamp, const Reapply& reapply,
                                                  bool bOverwrite, const char* pszPath)
{
    try {
        CFileReplace target(pszPath);
        CFileLock lock;
        SaveResult prepared = PrepareSave(target, lock, pszPath);
        if (!prepared.Ok())
            return prepared;
        std::vector<BYTE> current;
        LoadResult now = ReadCatalogBytes(pszPath, current);
        if (now.status == unreadable)
            return {notSaved, now.strMessage};
        if (bOverwrite || now.stamp.SameContent(stamp))
            return WriteCatalogBytes(target, StoreToBytes(catalog), pszPath, &stamp);
        CChipCatalog fresh;
        if (now.status == loaded)
            ParseCatalogBytes(fresh, current, pszPath, now);
        if (!now.Ok())
            return {notSaved, now.strMessage};
        std::vector<BYTE>().swap(current);
        if (now.nTrailingBytes > 0 || !reapply || !reapply(fresh))
            return {conflict, Text(std::string(pszPath) + " was changed by another program.")};
        const std::vector<BYTE> bytes = StoreToBytes(fresh);
        SaveResult result = WriteCatalogBytes(target, bytes, pszPath, &stamp);
        if (result.Written())
            LoadFromBytes(catalog, bytes.data(), bytes.size(), pszPath);
        return result;
    } catch (const std::bad_alloc&) {
        return {notSaved, Reason("save", pszPath, ENOMEM)};
    }
}

std::vector<BYTE> CCatalogFile::StoreToBytes(const CChipCatalog& catalog)
{
    CArchive ar;
    catalog.Store(ar);
    return ar.TakeStoredBytes();
}

std::size_t CCatalogFile::LoadFromBytes(CChipCatalog& catalog, const void* pData, std::size_t nSize,
                                        const CString& strFileName)
{
    CArchive ar(pData, nSize, strFileName);
    catalog.Serialize(ar);
    return ar.BytesLeft();
}

void CCatalogFile::SetWriteHook(WriteHook hook)
{
    CFileReplace::SetWriteHook(std::move(hook));
}
