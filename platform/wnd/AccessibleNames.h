#pragma once

#include "DialogTemplate.h"
#include "String.h"

#include <vector>

// What assistive technology reads for one control of a template.
struct AccessibleName {
    CString strName;         // empty: the control's own text, whatever the program sets
    CString strDescription;  // the group the control lies in, or the caption of a value
    int nCaption = -1;       // the place in the template of the static text labelling it
};

// The accessible names of a template's controls, decided here once for every backend.
// The visible texts stay as they are; the rule reads the template as data:
// - A caption is a static text control with text of its own. The caption of a control
//   is the nearest caption that either stands to its left sharing a row with it, or
//   above it sharing a column; on a tie the earlier in the template wins. The rule goes
//   by place, not by order, because the forms' Name label stands after its box.
// - An edit box is called by its caption.
// - A static text with an ID and no text of its own shows a value the program works
//   out; it keeps its value as its name and is described and labelled by its caption.
// - A control that no caption labels is called by the name the template's names table
//   gives it (the lists, the string editor's box).
// - A control lying inside a group box is described by the group box's text.
// - Every other control is called by its own text.
class CAccessibleNames {
public:
    static std::vector<AccessibleName> Compute(const DialogTemplate& tmpl);

private:
    static bool IsCaption(const ControlTemplate& ct);
    static bool IsShownValue(const ControlTemplate& ct);
    static int FindCaption(const DialogTemplate& tmpl, const ControlTemplate& ct);
    static const ControlTemplate* FindGroup(const DialogTemplate& tmpl, const ControlTemplate& ct);
    static const char* FindListedName(const DialogTemplate& tmpl, int nID);
};
