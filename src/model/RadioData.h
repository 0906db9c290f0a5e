#pragma once

#include "model/MemoryImage.h"
#include "model/SettingsRecord.h"

#include <cstdint>

namespace tq58 {

// The program's one copy of the radio configuration: the memory image and the settings
// record decoded from it. The decoder and the encoder are the only bridges between the two.
struct RadioData {
    Image MemoryImage{}; // all zero until new data fills it
    std::int32_t ImageLastAddress = 0;
    SettingsRecord Settings;
};

} // namespace tq58
