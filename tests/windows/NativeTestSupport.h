#pragma once

#include <string>

// What the Windows tests do to files and processes through the system's own calls, in
// plain C++ types, since <windows.h> cannot share a source file with the framework.
bool SetFileAttribute(const std::string& strPath, bool bHidden, bool bReadOnly);
bool HasHiddenAttribute(const std::string& strPath);

// Another program's handle on a file that lets nobody else read, write or delete it.
class CExclusiveOpen {
public:
    explicit CExclusiveOpen(const std::string& strPath);
    ~CExclusiveOpen();
    CExclusiveOpen(const CExclusiveOpen&) = delete;
    CExclusiveOpen& operator=(const CExclusiveOpen&) = delete;
    bool IsOpen() const { return m_hFile != nullptr; }

private:
    void* m_hFile = nullptr;
};

// Starts lock_holder.exe on the folder, and once it holds the lock, kills it.
bool KillLockHolderWhileItHolds(const std::string& strFolder);
