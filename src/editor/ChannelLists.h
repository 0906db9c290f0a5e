#pragma once

#include "editor/NavigationTree.h"
#include "model/SettingsRecord.h"

#include <vector>

namespace tq58 {

// The list of a channel group (ChannelGroup): CHUSA, CHINT, CHCAN or CHEXP.
std::vector<ChannelRecord>& ChannelList(SettingsRecord& settings, int group);
const std::vector<ChannelRecord>& ChannelList(const SettingsRecord& settings, int group);

// The record a channel node stands for.
ChannelRecord& ChannelOf(SettingsRecord& settings, const NodeRef& node);

} // namespace tq58
