#pragma once

#include "model/Encoder.h"
#include "model/ModelState.h"
#include "model/RadioData.h"

#include <functional>
#include <string>
#include <vector>

namespace tq58 {

// Loads the remembered destination's default image over new data; supplied by the model
// catalogue, absent when no default image is wanted.
using DefaultImageLoader = std::function<void(RadioData&)>;

// New data for the selected model: built-in channel plans, empty directories, the default
// image and, when given, the destination's default image; image and record then agree.
// Fails only when the encoder cannot store the record (see EncodeImage).
Outcome NewData(RadioData& data, const ModelState& model,
                const DefaultImageLoader& loadModelDefaults = {});

void MakeDefaultImage(RadioData& data, const ModelState& model);
void FillImage(RadioData& data);
// Writes a table of exactly 16 comma-separated hexadecimal bytes; any other text is ignored.
void WriteLevelTable(Image& image, int address, const std::string& text);
template <std::size_t N> void ResetDirectory(std::array<DirectoryRecord, N>& list) {
    list.fill(DirectoryRecord{});
}

} // namespace tq58
