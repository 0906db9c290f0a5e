#pragma once

#include "model/ModelState.h"
#include "model/Outcome.h"
#include "model/RadioData.h"

#include <string>

namespace tq58 {

// Writes the settings record into the memory image; bytes the codec does not own keep
// their values. May adjust the record first: groups without a channel in use are switched
// off, and the offset time is limited to -24..24. A field that cannot be stored fails the
// whole encoding before a single byte is written: the failure shows nothing itself (the
// caller reports it in its own words) and its LogDetail is "cannot store " and the field.
[[nodiscard]] Outcome EncodeImage(RadioData& data, const ModelState& model);

// The field (by its settings-file name) that cannot be stored, or "" when all fit.
std::string FindUnstorableField(const SettingsRecord& settings);

} // namespace tq58
