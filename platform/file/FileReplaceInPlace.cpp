#include "FileReplace.h"

#include <cerrno>

// The choice between a replace and a write in place, and the write in place, the same on
// every system: it goes through CFile, and its writes through the same checked loop (and
// test hook) as those of a replace.

namespace {

std::string NameOf(const std::string& strPath)
{
#ifdef _WIN32
    const char* const pszSeparators = "/\\:";
#else
    const char* const pszSeparators = "/";
#endif
    const std::size_t nSlash = strPath.find_last_of(pszSeparators);
    return nSlash == std::string::npos ? strPath : strPath.substr(nSlash + 1);
}

// A close that reports EINTR has closed the file on every system that says so; the data
// was flushed before it.
bool Closed(CFile& file)
{
    return file.Close() || file.GetLastError() == EINTR;
}

}  // namespace

CFileReplace::Result CFileReplace::Replace(const void* pData, std::size_t nSize)
{
    m_bInPlace = false;
    if (m_bExists && m_nLinks > 1)
        return WriteInPlace(pData, nSize);
    bool bFolderRefused = false;
    const Result result = ReplaceWhole(pData, nSize, bFolderRefused);
    // A folder that refuses new files, as a read-only one or Program Files does to a
    // user, may still hold a file that the user may write.
    return m_bExists && bFolderRefused ? WriteInPlace(pData, nSize) : result;
}

bool CFileReplace::IsFolderRefusal(int nError)
{
    return nError == EACCES || nError == EPERM;
}

// The copy is for a person after a crash or a failed write-back; no save fails for the
// want of one, so every failure here only leaves it out.
void CFileReplace::CopyOldBytes(const std::vector<BYTE>& old)
{
    m_strCopy.clear();
    std::string strPath;
    if (CreateCopyFile(NameOf(m_strTarget), strPath) != 0)
        return;
    CFile copy;
    const bool bOk = copy.Open(strPath.c_str(), CFile::modeWrite) &&
                     (old.empty() || copy.Write(old.data(), static_cast<UINT>(old.size()))) && copy.Flush();
    if (Closed(copy) && bOk)
        m_strCopy = strPath;
    else
        CFile::Remove(strPath.c_str());
}

void CFileReplace::DropCopy()
{
    if (!m_strCopy.empty())
        CFile::Remove(m_strCopy.c_str());
    m_strCopy.clear();
}

int CFileReplace::Overwrite(CFile& file, const void* pData, std::size_t nSize, Step& step)
{
    step = stepWrite;
    if (!file.SeekToBegin())
        return file.GetLastError();
    if (int nError = WriteAll(file.GetDescriptor(), pData, nSize))
        return nError;
    step = stepTruncate;
    if (!file.SetLength(nSize))
        return file.GetLastError();
    step = stepFlush;
    return file.Flush() ? 0 : file.GetLastError();
}

CFileReplace::Result CFileReplace::PutBack(CFile& file, const std::vector<BYTE>& old)
{
    Step step = stepWrite;
    m_nRestoreError = Overwrite(file, old.data(), old.size(), step);
    if (!Closed(file) && m_nRestoreError == 0)
        m_nRestoreError = file.GetLastError();
    if (m_nRestoreError != 0)
        return damaged;
    DropCopy();
    return restored;
}

CFileReplace::Result CFileReplace::WriteInPlace(const void* pData, std::size_t nSize)
{
    m_bInPlace = true;
    m_nFailedStep = stepOpen;
    CFile file;
    if (!file.Open(m_strTarget.c_str(), CFile::modeReadWrite)) {
        m_nLastError = file.GetLastError();
        // Neither the folder nor the file may be written: the plain refusal of a save.
        m_bInPlace = !IsFolderRefusal(m_nLastError);
        return failed;
    }
    std::vector<BYTE> old;
    m_nFailedStep = stepRead;
    if (!file.ReadAll(old)) {
        m_nLastError = file.GetLastError();
        return failed;
    }
    CopyOldBytes(old);
    m_nLastError = Overwrite(file, pData, nSize, m_nFailedStep);
    if (m_nLastError == 0) {
        m_newIdentity = file.GetIdentity();
        m_nFailedStep = stepClose;
        if (Closed(file)) {
            DropCopy();
            return replaced;
        }
        m_nLastError = file.GetLastError();
        // The descriptor is gone with the failed close; the old bytes go back through a new one.
        if (!file.Open(m_strTarget.c_str(), CFile::modeReadWrite)) {
            m_nRestoreError = file.GetLastError();
            return damaged;
        }
    }
    return PutBack(file, old);
}
