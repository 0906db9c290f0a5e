#pragma once

#include "model/SettingsRecord.h"

#include <cstddef>
#include <variant>
#include <vector>

namespace tq58 {

// The parts of the settings record an edit can change, each small enough to keep twice in a
// history step: one channel, one directory entry, one call sign, one settings section.
enum class RecordSection {
    Usa,
    Intl,
    Canada,
    Weather,
    Exp,
    Usable,
    Common,
    DscBasic,
    DscAdvanced,
    DscDisplay,
    AutoPos,
    AtisCommon,
    AtisCallSign,
    Individual,
    Group,
};

// A whole channel list stands in for its channels when the list's length changed.
inline constexpr int WholeList = -1;

struct RecordPart {
    RecordSection Section = RecordSection::Common;
    int Index = 0; // the element of a list or array; 0 for a section

    bool operator==(const RecordPart&) const = default;
};

using PartValue =
    std::variant<ChannelRecord, std::vector<ChannelRecord>, UsableGroupRecord, CommonSetupRecord,
                 DscBasicSetupRecord, DscAdvancedSetupRecord, DscDisplaySetupRecord,
                 AutoPosSetupRecord, AtisCommonRecord, AtisCallSignEntry, DirectoryRecord>;

struct PartChange {
    RecordPart Part;
    PartValue Before;
    PartValue After;
};

// The parts that differ between two records, in the record's order.
using RecordChanges = std::vector<PartChange>;

RecordChanges ChangesBetween(const SettingsRecord& before, const SettingsRecord& after);

// Puts each changed part's earlier or later value into the record.
void ApplyBefore(SettingsRecord& settings, const RecordChanges& changes);
void ApplyAfter(SettingsRecord& settings, const RecordChanges& changes);

// The memory the changes hold, strings' heap included.
std::size_t HeldBytes(const RecordChanges& changes);

// True when a changed part decides which channel groups the tree shows.
bool ChangesGroupsInUse(const RecordChanges& changes);

} // namespace tq58
