#include "FileLock.h"
#include "NativeConsole.h"

#include <cstdio>

// Takes the writers' lock of the folder given, says "y" (or "n") on its output and
// holds the lock until its input closes: the other program of the lock tests.
int wmain(int argc, wchar_t** argv)
{
    if (argc != 2)
        return 2;
    CFileLock lock;
    const bool bHeld = lock.Lock(Utf8FromWide(argv[1]).c_str()) == 0;
    std::fputc(bHeld ? 'y' : 'n', stdout);
    std::fflush(stdout);
    while (std::fgetc(stdin) != EOF) {
    }
    return bHeld ? 0 : 1;
}
