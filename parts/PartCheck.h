#pragma once

#include "ChipCatalog.h"
#include "PartName.h"

#include <optional>
#include <vector>

// Where a chip's settings contradict the part number in its name. The check gives the
// figures; orvane-cli and the setup forms each say them in their own words.

// A chip as far as a part number can contradict it.
struct PartChip {
    PartBus bus = PartBus::i2c;
    long nLength = 0;
    int nWriteBuffer = 0;  // I2C only
    int nBitsAddress = 0;  // Microwire only
    PartOrg org = PartOrg::unknown;  // the organisation the chip's type names, if it names one
};

// In the order the check finds them, each named after the part's figure it contradicts.
enum class PartConflict { bus, size, page, organisation, addressBits };

// The chip value a contradiction is about; none for a bus or an organisation, which
// only the name can put right.
ChipValue ContradictedValue(PartConflict kind);

struct PartContradiction {
    PartConflict kind;
    long nPart = 0;     // the data sheet's figure: bytes, bytes a page, or address bits
    long nPartX16 = 0;  // address bits in x16 when the organisation is not known (nPart is x8's)
    long nGiven = 0;    // the chip's figure: length, write buffer, address bits
    PartOrg org = PartOrg::unknown;  // the organisation nPart is for, or the part's only one
    bool bOrgOfChip = false;         // org is what the chip's type names, else what the part number says
};

// A bus other than the part's is the only contradiction reported for it. The length is
// compared only for parts whose size the 16-bit Length field holds; a write buffer only
// when larger than a known page; the address bits for the organisation the type names,
// else the one the part number says, else either of the two.
std::vector<PartContradiction> CheckPart(const PartMatch& m, const PartChip& chip);

// The contradictions a change brings in. pBefore is the chip as it was when it kept its
// name; null for a new chip or a new name, which are checked whole.
std::vector<PartContradiction> CheckPartChange(const PartMatch& m, const PartChip* pBefore, const PartChip& after);

// A figure the part number gives one of a chip's values; 0 where it does not know it
// (the page of a maker whose parts' pages differ).
struct PartFigure { ChipValue value; long nFigure; };

// What a chip made from the part number takes from it, in the organisation org for a
// Microwire part: its length where the Length field holds it, and its page or its
// address bits.
std::vector<PartFigure> PartFigures(const PartMatch& m, PartOrg org);

// A stored chip's figures, with the organisation its type names; none for a kind no form
// opens.
std::optional<PartChip> PartChipOf(const CChipCatalog& catalog, const ChipSettings& s);
// The organisation the catalogue's name for a type says ("Microwire x16"); unknown when
// the name says neither or there is no type at that position.
PartOrg TypeOrganisation(const CChipCatalog& catalog, int nType);
