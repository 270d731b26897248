#pragma once

#include "ChipView.h"

#include <string>

// Parses the text of a JSON document; throws CCliError naming strSource and the place
// of the fault for text that is no JSON or is nested too deep to walk safely.
Json ParseJsonDocument(const std::string& strText, const std::string& strSource);
