#pragma once

#include "model/MemoryImage.h"
#include "model/ModelState.h"
#include "model/RadioData.h"

#include <cstdint>
#include <string>
#include <vector>

namespace tq58::test {

using Bytes = std::vector<std::uint8_t>;

// The model state for a model code, with the codec's defaults for everything else.
ModelState ModelOf(int modelType);
Image ImageFilledWith(std::uint8_t value);
// Settings whose plan and weather lists are built, ready for the decoder.
RadioData DataWithPlans(std::uint8_t imageFill);

void PutBytes(Image& image, int address, const Bytes& bytes);
void PutText(Image& image, int address, const std::string& text);
Bytes BytesAt(const Image& image, int address, int count);
// Addresses whose bytes differ, for readable failure messages.
std::vector<int> ChangedAddresses(const Image& before, const Image& after);

// The fields in which two records differ, named by list, record and field as the settings
// file names them ("CHUSA239 ENABLE: 1, expected 0"); at most `limit` of them. Fields the file
// does not hold are compared too.
std::vector<std::string> RecordDifferences(const SettingsRecord& actual,
                                           const SettingsRecord& expected, std::size_t limit = 8);

} // namespace tq58::test
