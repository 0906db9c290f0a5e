#include "link/PortSettings.h"

#include <cctype>
#include <charconv>
#include <string_view>
#include <vector>

namespace tq58 {

namespace {

std::optional<int> Number(std::string_view text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size() || value <= 0) {
        return std::nullopt;
    }
    return value;
}

std::vector<std::string_view> SplitAtCommas(std::string_view text) {
    std::vector<std::string_view> parts;
    for (;;) {
        const auto comma = text.find(',');
        parts.push_back(text.substr(0, comma));
        if (comma == std::string_view::npos) {
            return parts;
        }
        text.remove_prefix(comma + 1);
    }
}

bool IsParity(char letter) {
    return std::string_view("NEOMS").find(letter) != std::string_view::npos;
}

} // namespace

std::optional<PortSettings> ParsePortSettings(std::string_view text) {
    const auto parts = SplitAtCommas(text);
    if (parts.size() != 4 || parts[1].size() != 1) {
        return std::nullopt;
    }
    const char parity = static_cast<char>(std::toupper(static_cast<unsigned char>(parts[1][0])));
    const auto baud = Number(parts[0]);
    const auto dataBits = Number(parts[2]);
    const auto stopBits = Number(parts[3]);
    if (!baud || !IsParity(parity) || !dataBits || *dataBits < 5 || *dataBits > 8 || !stopBits ||
        *stopBits > 2) {
        return std::nullopt;
    }
    return PortSettings{*baud, parity, *dataBits, *stopBits};
}

} // namespace tq58
