#pragma once

#include "editor/MidTable.h"
#include "model/Phrase.h"

#include <string>

namespace tq58 {

// An ATIS code is the station's call sign as a number: 9, the country's MID, then six digits.
// The page accepts only such a code (or none); a code read from a file is kept as it is and
// the check warns about it.

inline constexpr const char* AtisCodeRuleText = TQ58_TEXT(
    "Rules", "An ATIS code is 10 digits: 9, the country's MID (such as 244), then 6 more digits.");

// True for no code and for a code of the rule. Without a table of MIDs (it could not be
// read) any MID passes.
bool IsAtisCodeInRule(const std::string& code, const MidTable& mids);

} // namespace tq58
