#include "MessageBoxButtons.h"

MessageBoxButtons MessageBoxButtons::ForType(UINT nType)
{
    // A yes/no question has no way out but its two buttons: its close box is greyed
    // and Esc is ignored. Enter answers Yes unless the second button is the default.
    if ((nType & 0xF) == MB_YESNO)
        return {{IDYES, IDNO}, (nType & MB_DEFBUTTON2) ? IDNO : IDYES, 0};
    return {{IDOK}, IDOK, IDOK};
}

int MessageBoxButtons::AnswerForKey(DialogKey key) const
{
    switch (key) {
    case DialogKey::Enter:
        return nDefault;
    case DialogKey::Escape:
    case DialogKey::CloseBox:
        return nEscape;
    default:
        return 0;
    }
}
