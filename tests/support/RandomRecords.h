#pragma once

#include "model/MemoryImage.h"
#include "model/SettingsRecord.h"

#include <string>

namespace tq58::test {

// Bytes as radios hold them: many 0x00 and 0xFF, so that flags read both ways.
Image RandomImage(unsigned seed);

// The settings over base (whose lists give the sizes) set to random values, including values no
// image can hold: names too long or with characters outside the name set, digits with gaps,
// offsets beyond the editor's list. Every setting of the setup block description gets a value
// of its form.
SettingsRecord RandomSettings(unsigned seed, SettingsRecord base);

// What the memory image keeps of each field of a record, written out rule by rule.
SettingsRecord Stored(SettingsRecord settings);

// What decoding an image that holds `stored` into `target` gives: what the image does not
// carry keeps the target's value.
SettingsRecord DecodedInto(SettingsRecord stored, const SettingsRecord& target);

} // namespace tq58::test
