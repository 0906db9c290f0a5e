#pragma once

#include "model/Phrase.h"

#include <optional>
#include <string>

namespace tq58 {

// A typed EXP frequency (MHz): 0 for an empty field, which means no frequency, or a value on
// the 25 kHz raster of the band the radio tunes; absent when the entry is refused.
std::optional<double> AcceptedFrequency(const std::string& text);

// The rule above in words, after the field's name: "Rx frequency: 137.0000 to 174.0000 MHz in
// 25 kHz steps".
Phrase FrequencyRule(const std::string& field);

} // namespace tq58
