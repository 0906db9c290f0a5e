#pragma once

#include <string>
#include <string_view>

namespace tq58 {

// Section names and keys of the program's text files compare without regard to case.
// Only ASCII letters change case: texts are single-byte and the other letters are left as
// they stand.
std::string ToUpperAscii(std::string_view text);
bool EqualsIgnoreCase(std::string_view a, std::string_view b);
bool LessIgnoreCase(std::string_view a, std::string_view b);
bool EndsWithIgnoreCase(std::string_view text, std::string_view tail);

// Blanks are spaces and tabs; hand-edited files use both.
std::string_view TrimBlanks(std::string_view text);

} // namespace tq58
