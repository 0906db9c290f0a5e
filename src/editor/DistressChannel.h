#pragma once

#include "model/Phrase.h"
#include "model/SettingsRecord.h"

#include <string>
#include <vector>

namespace tq58 {

// Channel 16, the international distress, safety and calling channel, stays on in every plan
// group unless the user insists: the window asks before it goes off, and the check warns
// about a group that has it off.

inline constexpr const char* Channel16Question = TQ58_TEXT(
    "Rules",
    "Channel 16 is the international distress, safety and calling channel. Switch it off anyway?");

// Every plan list keeps channel 16 at the same position of the channel table.
int Channel16Position();

// True for the record of channel 16 in the USA, INTL or Canada group (ChannelGroup).
bool IsChannel16(int group, int position);

// The plan groups, usable ones only, whose channel 16 is switched off.
std::vector<int> GroupsWithChannel16Off(const SettingsRecord& settings);

} // namespace tq58
