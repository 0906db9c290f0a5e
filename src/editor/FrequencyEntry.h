#pragma once

#include <optional>
#include <string>

namespace tq58 {

// A typed EXP frequency (MHz): 0 for an empty field, which means no frequency, or a value on
// the 25 kHz raster of the band the radio tunes; absent when the entry is refused.
std::optional<double> AcceptedFrequency(const std::string& text);

} // namespace tq58
