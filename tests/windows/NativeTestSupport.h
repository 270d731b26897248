#pragma once

#include <memory>
#include <string>

// What the Windows tests do to files through the system's own calls, in plain C++ types,
// since <windows.h> cannot share a source file with the framework. Paths are UTF-8.
bool SetFileAttribute(const std::string& strPath, bool bHidden, bool bReadOnly);
bool HasHiddenAttribute(const std::string& strPath);

// Another program's handle on a file that lets others do only what nShare allows (the
// system's FILE_SHARE_ bits; 0 lets nobody read, write or delete it), closed when the
// last copy goes; null when the file could not be opened.
enum : unsigned { shareNone = 0, shareRead = 1 };
std::shared_ptr<void> OpenShared(const std::string& strPath, unsigned nShare);
