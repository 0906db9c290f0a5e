#pragma once

#include <string>
#include <string_view>

namespace tq58 {

// Texts inside the program are single bytes, one per character (the radio's names use ASCII
// only); files exchanged with other programs are UTF-8.
std::string Utf8FromSingleBytes(std::string_view text);

// A character beyond one byte, or a byte that is not UTF-8, becomes the replacement, so that
// the caller can refuse the text in its own words.
std::string SingleBytesFromUtf8(std::string_view text, char replacement);

} // namespace tq58
