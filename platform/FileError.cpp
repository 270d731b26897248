#include "File.h"

#include <cerrno>
#include <cstring>

#ifdef _WIN32
#include "NativeFile.h"
#endif

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
#ifdef _WIN32
    // The system's own words for an error the C library has no number for.
    if (nError >= CNativeFile::NativeErrorBase)
        return CString(CNativeFile::ErrorText(nError));
#endif
    return std::strerror(nError);
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
