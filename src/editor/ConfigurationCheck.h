#pragma once

#include "editor/MidTable.h"
#include "model/ModelState.h"
#include "model/SettingsRecord.h"

#include <string>
#include <vector>

namespace tq58 {

// What deserves a second look before a configuration goes into a radio. None of it is
// refused: the user may program anyway.
struct ConfigurationWarning {
    std::string Section; // as the settings report heads it: "Memory ID Setting"
    std::string Entry;   // the channel or entry: "No.3", "CH 16", "User MMSI"
    std::string Text;    // what is wrong, ready to show

    bool operator==(const ConfigurationWarning&) const = default;
};

// In the report's order: the User MMSI, the ATIS code (models with ATIS), channel 16 of the
// usable plan groups, the directories (MMSI kinds, unknown MIDs, duplicates), then EXP
// channels in use without a name.
std::vector<ConfigurationWarning> CheckConfiguration(const SettingsRecord& settings,
                                                     const ModelState& model, const MidTable& mids);

// "section | entry | text"
std::string WarningLine(const ConfigurationWarning& warning);

} // namespace tq58
