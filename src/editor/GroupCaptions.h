#pragma once

#include "model/Phrase.h"
#include "model/SettingsRecord.h"

#include <string>

namespace tq58 {

// Captions that carry a usable group's status name, renewed whenever a status name changes.

// The usable page's group rows and the ATIS page's boxes: "Group1" to "Group3", "EXP CH Group".
// The window shows the title translated (context "Captions").
Phrase GroupTitle(int group);
// A group's caption followed by its bracketed status name ("Group2[WORK]"), as the usable
// page's EXP group boxes and the ATIS page's group boxes show it.
Phrase StatusTitle(const SettingsRecord& settings, int group);
std::string StatusCaption(const SettingsRecord& settings, int group);
// The channel plan a group holds: "USA", "INTL", "CANADA", "EXP" (marked in "Captions").
std::string PlanName(int group);
// Beside a usable DSC group: "[" + its status name + "]"; nothing when it has none.
std::string DscGroupNameLabel(const SettingsRecord& settings, int group);

} // namespace tq58
