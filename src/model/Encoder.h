#pragma once

#include "model/ModelState.h"
#include "model/Outcome.h"
#include "model/RadioData.h"

#include <string>

namespace tq58 {

// What the encoder does with a field whose value the image already holds: a radio's image
// keeps it as the radio spelled it; new data is written whole in the program's own form.
enum class HeldValues { Keep, Rewrite };

// Writes the settings record into the memory image; bytes the codec does not own keep
// their values, and so (unless told otherwise) does every field whose value the image already
// holds. May adjust the record first: groups without a channel in use are switched off, and
// the offset time is limited to what its byte holds (to -24..24 for new data). A field that cannot
// be stored fails the whole encoding before a single byte is written: the failure shows nothing
// itself (the caller reports it in its own words) and its LogDetail is "cannot store " and the
// field.
[[nodiscard]] Outcome EncodeImage(RadioData& data, const ModelState& model,
                                  HeldValues held = HeldValues::Keep);

// The field (by its settings-file name) that cannot be stored, or "" when all fit.
std::string FindUnstorableField(const SettingsRecord& settings);

} // namespace tq58
