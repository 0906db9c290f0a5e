#pragma once

#include "model/Phrase.h"

#include <array>

namespace tq58 {

// The scrambler list: "Off", or on with one of the codes 0 to 3. The stored value keeps the
// "on" flag in bit 2 and the code in bits 0 and 1.
struct ScramblerItem {
    const char* Text;
    int Data;
};

inline constexpr std::array<ScramblerItem, 5> ScramblerItems{
    {{"Off", 0}, {"0", 4}, {"1", 5}, {"2", 6}, {"3", 7}}};

// The item that shows a stored value: "Off" whenever the "on" flag is clear.
int ScramblerItemFor(int scramble);

} // namespace tq58
