#pragma once

#include <string>

// What typing into a window may put in the framework's 8-bit strings, which are in the
// system's ANSI code page (CNativeFile::Wide and Ansi convert them). This header keeps
// <windows.h> out of the framework's translation units, whose integer names differ from
// the system's.
class CWin32Text {
public:
    // True when the code page has a character for ch, so that a typed character
    // survives being stored as 8-bit text. Half of a surrogate pair has one only in
    // UTF-8, the one page with characters beyond the Basic Multilingual Plane.
    static bool IsAnsiRepresentable(wchar_t ch);
};
