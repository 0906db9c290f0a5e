#pragma once

#include "model/SettingsRecord.h"

#include <string>
#include <vector>

namespace tq58 {

// One item of a setting's combo box and the value it stores.
struct ListItem {
    std::string Text;
    int Data = 0;

    bool operator==(const ListItem&) const = default;
};

// The fixed value lists of the setting pages. Every list but the offset time stores the index
// of its item; a list of two items stores a flag (item 1 = true).
enum class ValueList {
    OffOn,
    Power,
    TxPoDisplay,
    ResumeTime,
    WeatherAlert,
    MagneticVariation,
    OffsetTime, // stores half hours, -24 to +24
};

std::vector<ListItem> ListItems(ValueList list);

// The channels a group's priority channel may be: its enabled channels by their plan labels
// (item data the plan position), or for the EXP group its enabled EXP channels (item data the
// EXP number).
std::vector<ListItem> PriorityChoices(const SettingsRecord& settings, int group);

} // namespace tq58
