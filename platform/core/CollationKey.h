#pragma once

#include "CollationTables.h"

#include <string>

#ifndef _WIN32

// The order of a locale name ("pl_PL.UTF-8", "sr_RS@latin", "zh_TW"): its language's,
// or the default one.
const CollationLanguage& CollationLanguageOf(const std::string& strLocale);

// The sort key Windows gives text in a language's order, ignoring case: primary
// weights, diacritics, case, the kana rows where there is kana, and the places of
// hyphens and apostrophes, each part ended by 01 and the key by 00. Its bytes compare
// as CompareStringW compares the texts.
std::string BuildSortKey(const CollationLanguage& language, const std::u32string& text);

#endif
