#pragma once

#include "CodePage.h"
#include "PartTable.h"

#include <string>

// What a part number in a chip name says about the chip.
struct PartMatch {
    const PartFamily* pFamily = nullptr;
    const PartMaker* pMaker = nullptr;
    const PartSeries* pSeries = nullptr;  // nullptr: the density follows the family digits
    std::string strPart;                  // as found, in capitals, suffix letters included: "93LC66B"
    std::string strSuffix;                // the letters after the density: "B", "WI"
    PartOrg org = PartOrg::unknown;       // the organisation the name gives a Microwire part
    bool bOrgFixed = false;               // the part has only that one (no ORG pin)
    std::string strOrgReason;             // why: "suffix B", "the name says x16" ...
    int nPage = 0;                        // the I2C page in bytes; 0 when not known
};

// Finds a part number in a chip name: maker prefix, 24 or 93, series letters, density
// and suffix letters, starting at the beginning of the name or of a word in it, letters
// without case: "AT24C256", "M24C02-W", "93LC66B", "24LC512-I/P". The density must be
// followed by something other than a digit, so "24LC164" is not read as a 24xx16.
// Returns false, leaving match as it was, when the name holds no part number. The name is
// read a character of code page cp at a time: a character of two bytes is no letter or
// digit, though its second byte may look like one.
bool MatchPartName(const std::string& strName, PartMatch& match, CodePage cp = SystemAnsiCodePage());

// The organisation a text names with a word "x8" or "x16" ("Microwire x16 (variant 2)");
// unknown when it names neither or both.
PartOrg OrgInText(const std::string& strText, CodePage cp = SystemAnsiCodePage());

// "24xx512, 65536 bytes, 128-byte page" or "93xx66, 512 bytes, 9/8 address bits (x8/x16)".
std::string FamilyFacts(const PartFamily& family);
// FamilyFacts of the match with the maker, series and fixed organisation the name gives.
std::string DescribePart(const PartMatch& match);
