#include "link/Frame.h"

#include <algorithm>
#include <cstdio>
#include <string>

namespace tq58 {

namespace {

constexpr char Tab = '\t';

void AppendField(Bytes& frame, std::string_view field) {
    if (field.empty()) {
        return;
    }
    frame.insert(frame.end(), field.begin(), field.end());
    frame.push_back(Tab);
}

int HexDigitValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    return -1;
}

} // namespace

Bytes BuildFrame(std::string_view command, std::string_view address, std::string_view length,
                 std::string_view data) {
    Bytes frame(command.begin(), command.end());
    frame.push_back(Tab);
    AppendField(frame, address);
    AppendField(frame, length);
    AppendField(frame, data);
    const std::string checksum = HexField(XorChecksum(frame), 2);
    frame.insert(frame.end(), checksum.begin(), checksum.end());
    frame.push_back('\r');
    frame.push_back('\n');
    return frame;
}

std::uint8_t XorChecksum(std::string_view bytes) {
    std::uint8_t sum = 0;
    for (char c : bytes) {
        sum ^= static_cast<std::uint8_t>(c);
    }
    return sum;
}

std::uint8_t XorChecksum(const Bytes& bytes) {
    return XorChecksum(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

bool VerifyChecksum(std::string_view line) {
    if (line.size() < 3) {
        return false;
    }
    const auto stated = ParseHex(line.substr(line.size() - 2));
    return stated && *stated == XorChecksum(line.substr(0, line.size() - 2));
}

std::string HexField(int value, int digits) {
    char text[16];
    std::snprintf(text, sizeof text, "%0*X", digits, static_cast<unsigned>(value));
    return text;
}

std::optional<int> ParseHex(std::string_view text) {
    if (text.empty()) {
        return std::nullopt;
    }
    // The radio may pad its fields with zeros; more significant digits than six cannot be an
    // address or a length of this protocol, and would overflow.
    const std::size_t firstSignificant = std::min(text.find_first_not_of('0'), text.size());
    const std::string_view significant = text.substr(firstSignificant);
    if (significant.size() > 6) {
        return std::nullopt;
    }
    int value = 0;
    for (char c : significant) {
        const int digit = HexDigitValue(c);
        if (digit < 0) {
            return std::nullopt;
        }
        value = value * 16 + digit;
    }
    return value;
}

std::vector<std::string_view> SplitFields(std::string_view text) {
    std::vector<std::string_view> fields;
    for (;;) {
        const auto tab = text.find(Tab);
        fields.push_back(text.substr(0, tab));
        if (tab == std::string_view::npos) {
            return fields;
        }
        text.remove_prefix(tab + 1);
    }
}

std::string ImageHex(const Image& image, int address, int length) {
    std::string data;
    data.reserve(static_cast<std::size_t>(length) * 2);
    for (int i = 0; i < length; ++i) {
        data += HexField(image[static_cast<std::size_t>(address + i)], 2);
    }
    return data;
}

bool StoreHexBytes(std::string_view data, Image& destination, int address, int length) {
    if (address < 0 || length < 0 || address + length > ImageSize ||
        data.size() < static_cast<std::size_t>(length) * 2) {
        return false;
    }
    Bytes values;
    for (int i = 0; i < length; ++i) {
        const auto value = ParseHex(data.substr(static_cast<std::size_t>(i) * 2, 2));
        if (!value) {
            return false;
        }
        values.push_back(static_cast<std::uint8_t>(*value));
    }
    for (int i = 0; i < length; ++i) {
        destination[static_cast<std::size_t>(address + i)] = values[static_cast<std::size_t>(i)];
    }
    return true;
}

} // namespace tq58
