#pragma once

#include "editor/MidTable.h"
#include "model/ModelState.h"
#include "model/Phrase.h"
#include "model/SettingsRecord.h"

#include <string>
#include <vector>

namespace tq58 {

// What deserves a second look before a configuration goes into a radio. None of it is
// refused: the user may program anyway.
// The section is one of the report's headings, marked in the "Check" context; the entry and
// the text are phrases of that context, for the window to show in the user's language.
// Where the setting is: the key of its node in the navigation tree and the name of its control
// on that node's page (empty for the page as a whole).
struct ConfigurationWarning {
    std::string Section; // as the settings report heads it: "Memory ID Setting"
    Phrase Entry;        // the channel or entry: "No.3", "CH 16", "User MMSI"
    Phrase Text;         // what is wrong
    std::string NodeKey;
    std::string Control = {};
};

// In the report's order: the User MMSI (its length first, then its kind), the ATIS code
// (models with ATIS), channel 16 of the usable plan groups, the directories (MMSI kinds,
// unknown MIDs, duplicates), then EXP channels in use without a name, all of them in one
// warning when there are several, so that they do not bury the others.
std::vector<ConfigurationWarning> CheckConfiguration(const SettingsRecord& settings,
                                                     const ModelState& model, const MidTable& mids);

// "section | entry | text", in English
std::string WarningLine(const ConfigurationWarning& warning);

} // namespace tq58
