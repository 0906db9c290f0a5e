#pragma once

#include "model/Encoder.h"
#include "model/ModelState.h"
#include "model/RadioData.h"

#include <cstdint>
#include <vector>

namespace tq58 {

constexpr int HeaderChecksumFirst = 0x42;
constexpr int HeaderChecksumCount = 29;
constexpr int HeaderChecksumAddress = 0x5F;
// 0 while no User MMSI is set, 1 once one is; the report and the DSC page show it.
constexpr int MmsiEnteredCountAddress = 0x195;
// The count an image of the settings carries, as every image that leaves the program gets it.
std::uint8_t MmsiEnteredCount(const SettingsRecord& settings);

// Brings the radio's own header bytes (start channel, group channel lists, ATIS mode,
// MMSI-entered count) in line with the settings just encoded.
void PrepareImageHeader(Image& image, const SettingsRecord& settings);
std::uint8_t HeaderChecksum(const Image& image, int first, int count);

bool IsChannelUsable(const Image& image, int channel, int group);
int ChooseStartChannel(const Image& image, const SettingsRecord& settings, int channel, int group);
int ChooseWeatherChannel(const Image& image, const SettingsRecord& settings, int index);
// Index of the first enabled entry, -1 when none. EXP channels count from 1.
int FirstEnabled(const std::vector<ChannelRecord>& list, int firstIndex = 0);

// Everything an image needs before it leaves the program (to the radio or an image file):
// the encoder, the header preparation and the header checksum. On an encoder failure the
// image is left untouched.
[[nodiscard]] Outcome PrepareOutgoingImage(RadioData& data, const ModelState& model);

} // namespace tq58
