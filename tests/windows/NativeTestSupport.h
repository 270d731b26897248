#pragma once

#include <memory>
#include <string>

// What the Windows tests do to files through the system's own calls, in
// plain C++ types, since <windows.h> cannot share a source file with the framework.
bool SetFileAttribute(const std::string& strPath, bool bHidden, bool bReadOnly);
bool HasHiddenAttribute(const std::string& strPath);

// Another program's handle on a file that lets nobody else read, write or delete it,
// closed when the last copy goes; null when the file could not be opened.
std::shared_ptr<void> OpenExclusive(const std::string& strPath);
