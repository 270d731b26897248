#pragma once

#include <string>

// Windows lets old 32-bit programs without a manifest, as the programmer's own software
// is, write under the folders it protects (Program Files and Windows): their writes go to
// a copy in the user's %LOCALAPPDATA%\VirtualStore, and once that copy exists they read it
// instead of the file. Orvane is not redirected, so it makes the same choice itself, to
// edit the catalogue the programmer really reads. Other systems virtualize nothing.
class CVirtualStore {
public:
    // Where Windows keeps its copy of a file under a virtualized folder: the file's full
    // path without the drive, under %LOCALAPPDATA%\VirtualStore. Empty for other paths.
    static std::string CopyPathOf(const std::string& strPath);
    // That copy when it exists as a regular file; empty otherwise.
    static std::string ExistingCopyOf(const std::string& strPath);
};
