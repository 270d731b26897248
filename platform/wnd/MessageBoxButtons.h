#pragma once

#include "Backend.h"

#include <vector>

// The buttons of a message box and the answers its keys give, as the window system's own
// message box has them. Every backend builds its boxes from this.
struct MessageBoxButtons {
    std::vector<int> answers;  // the buttons, left to right: IDOK, or IDYES and IDNO
    int nDefault;              // what Enter answers
    int nEscape;               // what Esc and the close box answer; 0: they do nothing

    static MessageBoxButtons ForType(UINT nType);
    // The answer a key gives, or 0 when the box stays open.
    int AnswerForKey(DialogKey key) const;
};
