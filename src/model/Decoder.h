#pragma once

#include "model/ModelState.h"
#include "model/RadioData.h"

namespace tq58 {

// Fills the settings record from the memory image. Fields the image does not carry keep
// their values, so the channel lists must already hold their plans.
void DecodeImage(RadioData& data, const ModelState& model);
void DecodeCommonPart(RadioData& data, const ModelState& model);
void DecodeExpChannels(RadioData& data);

} // namespace tq58
