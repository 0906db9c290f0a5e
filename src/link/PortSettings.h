#pragma once

#include <optional>
#include <string_view>

namespace tq58 {

// A settings text such as "57600,N,8,1": speed, parity letter, data bits, stop bits.
struct PortSettings {
    int Baud = 0;
    char Parity = 'N';
    int DataBits = 8;
    int StopBits = 1;
};

std::optional<PortSettings> ParsePortSettings(std::string_view text);

} // namespace tq58
