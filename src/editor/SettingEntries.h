#pragma once

#include "model/Phrase.h"

#include <optional>
#include <string>

namespace tq58 {

// How typed texts of the setting pages become stored values.

inline constexpr int UserMmsiLength = 9;
inline constexpr int AtisCodeLength = 10;
inline constexpr int StatusNameLength = 4;
inline constexpr int CallSignLength = 3;

// A number of fixed length (User MMSI, ATIS code, directory MMSI): the text without its
// surrounding blanks when that is empty or exactly `length` digits; absent otherwise.
std::optional<std::string> AcceptedDigits(const std::string& typed, int length);
// The rule above in words, after the field's name: "User MMSI: 9 digits".
Phrase DigitsRule(const std::string& field, int length);

// A status name: empty when the text is blank, otherwise its first four characters as typed.
std::string StoredStatusName(const std::string& typed);

// A call sign's MID: the number with three digits ("7" becomes "007"); empty stays empty.
std::string StoredMid(const std::string& typed);

} // namespace tq58
