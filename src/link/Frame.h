#pragma once

#include "link/SerialPort.h"
#include "model/MemoryImage.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tq58 {

// One framed line: command, then the address, length and data fields that are not empty,
// each followed by TAB, then the XOR checksum in two hexadecimal digits and CR LF.
Bytes BuildFrame(std::string_view command, std::string_view address, std::string_view length,
                 std::string_view data);
std::uint8_t XorChecksum(std::string_view bytes);
std::uint8_t XorChecksum(const Bytes& bytes);
// A line without its CR LF whose last two characters are the XOR of all before them.
bool VerifyChecksum(std::string_view line);

// Upper-case hexadecimal, zero-filled to digits.
std::string HexField(int value, int digits);
// The value of a hexadecimal text of either letter case; nothing for an empty or foreign text.
std::optional<int> ParseHex(std::string_view text);

// The fields of a reply between its TABs; field 0 is what precedes the first TAB.
std::vector<std::string_view> SplitFields(std::string_view text);

std::string ImageHex(const Image& image, int address, int length);
// Stores length bytes from the data text at destination[address...]; false, with nothing
// stored, when the text is shorter or holds a pair that is not hexadecimal.
bool StoreHexBytes(std::string_view data, Image& destination, int address, int length);

} // namespace tq58
