#pragma once

#include "PartCheck.h"
#include "String.h"

// The question a setup form asks on OK when the figures it is about to save contradict
// the part number in its Name box, one line for each contradiction:
//   24LC64 is a 24xx64, which holds 8192 bytes; Lenght is 4096.
//   Save anyway?
// strTypeName is the chip type's name, which the organisation lines quote.
CString PartQuestionText(const PartMatch& m, const std::vector<PartContradiction>& found, const CString& strTypeName);
