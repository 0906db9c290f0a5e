#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tq58 {

// Reads one value of an INI file such as "global.ini": sections and keys compare without
// regard to case, the value is trimmed and one pair of enclosing quotes dropped, and only
// the first section of a name counts. A value is cut to 127 characters and then loses a
// leading "#". Anything missing (file, section or key) gives an empty text.
std::string ReadIniValue(const std::string& path, std::string_view section, std::string_view key);
std::string ReadIniValueFromText(std::string_view text, std::string_view section,
                                 std::string_view key);
// The same value, absent when the section or the key is missing: what "key=" leaves empty
// is there all the same.
std::optional<std::string> FindIniValueInText(std::string_view text, std::string_view section,
                                              std::string_view key);

constexpr std::size_t IniValueLimit = 127;

} // namespace tq58
