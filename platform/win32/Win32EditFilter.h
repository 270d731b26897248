#pragma once

struct HWND__;

// Refuses what an edit box must not take: a character the ANSI code page cannot store,
// and anything but digits in a digit box, whether typed or pasted. A refused key or
// paste beeps and leaves the text as it was.
class CWin32EditFilter {
public:
    static void Attach(HWND__* hEdit, bool bDigitsOnly);
};
