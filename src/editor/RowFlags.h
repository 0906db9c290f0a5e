#pragma once

#include "model/ChannelFields.h"
#include "model/SettingsRecord.h"

#include <vector>

namespace tq58 {

// A flag set for many channel rows at once, as each row's panel would take it: a field of
// the channel description with a row-flag name.
using RowFlag = ChannelField;

// The fields a channel grid's menu sets for many rows, in the description's order.
std::vector<RowFlag> RowFlags();

struct RowFlagCount {
    int Changed = 0;
    int Skipped = 0; // rows whose restrictions forbid the flag's value

    bool operator==(const RowFlagCount&) const = default;
};

// Sets the flag of the channels at the indices of the group's list (ChannelGroup). A row is
// skipped when its panel keeps the box closed (the DSC channel out of scanning, no low power
// on a receive-only channel or a disabled one), when channel 16 would go off, and when the
// channel would then fail its page check (an EXP channel enabled without its frequency).
RowFlagCount SetRowFlag(SettingsRecord& settings, int group, const std::vector<int>& indices,
                        RowFlag flag, bool on, bool scramblerAvailable);

} // namespace tq58
