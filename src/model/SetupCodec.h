#pragma once

#include "model/MemoryImage.h"
#include "model/SettingsRecord.h"

#include <string>

namespace tq58 {

// The setup block's settings between the image and the record, as SetupFields describes them.

// Reads every setting the image holds into the record; the ATIS killer groups only for a known
// model.
void DecodeSetupFields(const Image& image, SettingsRecord& settings, bool knownModel);

// Writes every setting into the image. With held values kept, a setting is written only when
// the image does not already hold its value; the offset time is first limited to what its byte
// holds (to -24..24 when nothing is kept), in the record too.
void EncodeSetupFields(Image& image, SettingsRecord& settings, bool keepHeld);

// The first setting (by its record name) whose value the image cannot hold, or "".
std::string FindUnstorableSetupField(const SettingsRecord& settings);

// Sets every setting of the setup block to its value in new data.
void SetFactoryValues(SettingsRecord& settings);

} // namespace tq58
