#include "File.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>

// What every system shares: reading a whole file, and the words for its errors.

bool CFile::ReadAll(std::vector<BYTE>& bytes, std::uint64_t nMaxSize)
{
    bytes.clear();
    const long long nLength = GetLength();
    long long nPos = 0;
    if (nLength < 0 || (m_nLastError = GetPosition(nPos)) != 0) {
        if (m_nLastError == 0)
            m_nLastError = EIO;
        return false;
    }
    const std::uint64_t nWant = nLength > nPos ? static_cast<std::uint64_t>(nLength - nPos) : 0;
    if (nWant > nMaxSize || nWant > SIZE_MAX / 2) {
        m_nLastError = EFBIG;
        return false;
    }
    // One buffer of the file's size; a file that shrinks meanwhile is cut to what was read.
    std::vector<BYTE>(static_cast<std::size_t>(nWant)).swap(bytes);
    std::size_t nDone = 0;
    const std::size_t nMaxChunk = std::size_t(1) << 30;
    while (nDone < bytes.size()) {
        const std::size_t nChunk = std::min(bytes.size() - nDone, nMaxChunk);
        const UINT nGot = Read(bytes.data() + nDone, static_cast<UINT>(nChunk));
        nDone += nGot;
        if (m_nLastError != 0)
            return false;
        if (nGot < nChunk)
            break;
    }
    bytes.resize(nDone);
    return true;
}

CString CFile::ErrorText(int nError)
{
    switch (nError) {
    case errFifo:
        return "Is a FIFO (named pipe), not a regular file";
    case errCharacterDevice:
        return "Is a character device, not a regular file";
    case errBlockDevice:
        return "Is a block device, not a regular file";
    case errSocket:
        return "Is a socket, not a regular file";
    case errOtherKind:
        return "Is not a regular file";
    default:
        break;
    }
    return SystemErrorText(nError);
}

int CFile::KindError(FileKind kind)
{
    switch (kind) {
    case FileKind::regular:
        return 0;
    case FileKind::directory:
        return EISDIR;
    case FileKind::fifo:
        return errFifo;
    case FileKind::characterDevice:
        return errCharacterDevice;
    case FileKind::blockDevice:
        return errBlockDevice;
    case FileKind::socket:
        return errSocket;
    default:
        return errOtherKind;
    }
}
