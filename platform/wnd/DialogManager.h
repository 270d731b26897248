#pragma once

#include "DialogWindow.h"

// What the window system's dialog manager decides between the user and a dialog, for
// every backend alike: where the focus goes, what Enter, Esc and the close box mean, and
// which typed characters an edit box takes. A backend only reports the keys.
class CDialogManager {
public:
    CDialogManager(const DialogTemplate& tmpl, CDialogWindow& wnd) : m_tmpl(tmpl), m_wnd(wnd) {}

    // The first enabled tab stop in template order takes the focus, as after
    // OnInitDialog returns TRUE.
    void FocusFirstTabStop();
    // Tab and Shift+Tab: the next or previous enabled tab stop in template order, round
    // the end. Returns false when the dialog has none.
    bool MoveFocus(bool bForward);
    // The command a key stands for, or 0 when it does nothing: Enter presses the focused
    // push button, else the default one (IDOK when the template has none) unless that
    // control is disabled; Esc and the close box are IDCANCEL; F1 is ID_HELP.
    int CommandForKey(DialogKey key) const;
    // The default button: the last default push button of the template, else IDOK.
    int DefaultCommand() const;

    // Whether an edit box of this style takes a typed character (a code point). A
    // digits-only box takes digits alone; text pasted or set by the program is not
    // filtered.
    static bool EditTakesChar(DWORD dwStyle, unsigned long nChar);

private:
    bool IsTabStop(const ControlTemplate& ct) const;

    const DialogTemplate& m_tmpl;
    CDialogWindow& m_wnd;
};
