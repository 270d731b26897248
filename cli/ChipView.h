#pragma once

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

// "0x20 (pin 6)", "256", "0x10 (00010000)" ...: the field's bytes as dump and diff show them.
std::string FieldText(const ChipField& field, const ChipSettings& s);
// "pin data in": a value as orvane-cli's messages name it.
std::string ValueWords(ChipValue value);

// One value as the chip's form shows it.
struct FormRow {
    std::string strKey;
    std::string strLabel;
    Json value;
    std::string strText;
};

// The chip as its form opens it; nothing for a kind no form opens.
std::vector<FormRow> FormRowsOf(const ChipSettings& s);
// The chip's values as one JSON object: the form's values, or for a kind no form opens,
// the fields of the block.
Json ChipValuesJson(const ChipSettings& s);

// Puts "name" (decoded through the code page) and, when that does not give the same
// bytes back, "name_hex" with the exact bytes.
void AddNameJson(Json& object, const std::string& strName, CodePage cp);
