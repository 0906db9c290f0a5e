#pragma once

#include "model/SettingsRecord.h"
#include "model/ValueLists.h"

#include <string>
#include <vector>

namespace tq58 {

// The channels a group's priority channel may be: its enabled channels by their plan labels
// (item data the plan position), or for the EXP group its enabled EXP channels (item data the
// EXP number).
std::vector<ListItem> PriorityChoices(const SettingsRecord& settings, int group);

} // namespace tq58
