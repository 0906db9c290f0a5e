#pragma once

#include "editor/CsvCells.h"
#include "model/ModelState.h"
#include "model/SettingsRecord.h"

#include <string>
#include <vector>

namespace tq58 {

// A channel group as CSV: a heading row, then one row per channel of the list. EXP channels
// carry their number, frequencies and display; plan channels (USA, INTL, Canada) carry their
// options, keyed by the plan's channel label. The scrambler column is there when the model
// has the scrambler.
std::vector<std::vector<std::string>> ChannelCsvRows(const SettingsRecord& settings,
                                                     const ModelState& model, int group);

// Takes the rows (the heading row first) into the group's channels. A row may leave out
// channels and columns, which then stay as they are; a cell that reads as the channel's
// current value changes nothing and is not checked, as a field the user does not touch.
// Refused rows are returned and leave the settings half changed, so the caller works on a
// copy.
CsvRefusals ImportChannelRows(SettingsRecord& settings, const ModelState& model, int group,
                              const std::vector<CsvRow>& rows);

} // namespace tq58
