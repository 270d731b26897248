#pragma once

#include "DialogTemplate.h"

#include <cstdint>
#include <vector>

// Turns a dialog template of res/ into the in-memory DLGTEMPLATE the Win32 dialog
// manager creates windows from, so the layout has a single source. The result is a
// sequence of WORDs; its storage is DWORD-aligned, as the dialog manager requires.
class CDialogTemplateBuilder {
public:
    static std::vector<std::uint16_t> Build(const DialogTemplate& tmpl);

    // The window style a control of the template gets: its own styles plus those of its
    // kind. List boxes lose LBS_SORT, since the framework decides where rows go and
    // hands them over in display order; digit boxes scroll, so that every digit of a
    // byte can be typed in the forms' narrow boxes.
    static DWORD ControlStyle(const ControlTemplate& ct);
    // The predefined window class of a control kind, as its atom.
    static std::uint16_t ControlClassAtom(ControlKind kind);

private:
    explicit CDialogTemplateBuilder(std::vector<std::uint16_t>& words) : m_words(words) {}
    void AddDword(DWORD dw);
    void AddWord(std::uint16_t w) { m_words.push_back(w); }
    void AddText(const char* pszText);
    void AlignToDword();
    void AddControl(const ControlTemplate& ct);

    std::vector<std::uint16_t>& m_words;
};
