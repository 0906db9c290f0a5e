#include "debug/HexDumpText.h"

#include <cstdio>

namespace tq58 {

namespace {

// Upper-case hexadecimal, zero-padded and cut to its last `width` digits.
std::string Hex(std::size_t value, int width) {
    char text[24];
    std::snprintf(text, sizeof text, "%016zX", value);
    return std::string(text + 16 - width);
}

} // namespace

std::vector<std::string> HexDumpLines(const std::uint8_t* bytes, std::size_t size) {
    std::vector<std::string> lines;
    lines.reserve(2 + (size + 15) / 16);
    std::string header = "      ";
    std::string rule = " ---- ";
    for (int column = 0; column < 16; ++column) {
        header += " " + Hex(column, 2);
        rule += " --";
    }
    lines.push_back(header);
    lines.push_back(rule);
    for (std::size_t row = 0; row < size; row += 16) {
        std::string line = " " + Hex(row, 4) + ":";
        for (std::size_t k = row; k < row + 16 && k < size; ++k) {
            line += " " + Hex(bytes[k], 2);
        }
        lines.push_back(line);
    }
    return lines;
}

} // namespace tq58
