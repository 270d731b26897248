#pragma once

#include "ChipEntryArray.h"
#include "ChipRules.h"
#include "CodePage.h"

#include <nlohmann/json.hpp>

#include <string>
#include <vector>

using Json = nlohmann::ordered_json;

// How the settings bytes of one chip read, by the family its Kind byte names.

// "i2c", "microwire" or "other", as --family and JSON spell them.
const char* FamilyName(ChipFamily family);
// "I2C", "Microwire 1" (the variant) or "kind 7", as the list shows it.
std::string KindLabel(BYTE nKind);
// Which form Edit chip opens: "I2C form", "Microwire form, variant 1" or "no form".
std::string FormLabel(BYTE nKind);
// "1, 3, 8" or "none".
std::string PinListText(BYTE nPins);
Json PinListJson(BYTE nPins);

enum class FieldFormat { powerPins, length, number, pinMask, pattern, kind };

// One named part of the settings block, as the file holds it.
struct SettingsField {
    const char* pszKey;    // as JSON and diff name it: "clk_mask"
    const char* pszLabel;  // as the dump names it: "ClkMask"
    int nByte;
    int nCount;
    FieldFormat format;
};

// The fields of the block in byte order, named for the family of the kind.
const std::vector<SettingsField>& SettingsFieldsOf(BYTE nKind);
int FieldValue(const SettingsField& field, const ChipSettings& s);
// "0x20 (pin 6)", "256", "0x10 (00010000)" ...
std::string FieldText(const SettingsField& field, const ChipSettings& s);

// One value as the chip's form shows it.
struct FormRow {
    std::string strKey;
    std::string strLabel;
    Json value;
    std::string strText;
};

// The chip as its form opens it, and the bytes the form's OK would store unchanged.
struct FormView {
    bool bHasForm = false;
    std::vector<FormRow> rows;
    ChipSettings expected;
};

FormView FormViewOf(const ChipSettings& s);
// Just the bytes the form would store on an unchanged OK (s itself for kinds above 3).
ChipSettings FormStoredSettings(const ChipSettings& s);
// The chip's values as one JSON object: the form's values, or for a kind no form opens,
// the fields of the block.
Json ChipValuesJson(const ChipSettings& s);

// Puts "name" (decoded through the code page) and, when that does not give the same
// bytes back, "name_hex" with the exact bytes.
void AddNameJson(Json& object, const std::string& strName, CodePage cp);
