#pragma once

#include <string>

namespace tq58 {

// The channel number as the radio's two display fields show it: two characters for the
// number and one for the "A" suffix.
struct ChannelDisplay {
    std::string Left;
    std::string Right;

    bool operator==(const ChannelDisplay&) const = default;
};

// The display fields of a plan channel's label: numbers from 100 on do not fit two digits,
// so the radio shows their tens as "o" (100-109) or an apostrophe (110 on).
ChannelDisplay PlanChannelDisplay(const std::string& label);

} // namespace tq58
