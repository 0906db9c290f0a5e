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

// What encoding `written` into an image and decoding that into `target` gives: each field as the
// image keeps it, written out rule by rule; what the image does not carry keeps the target's value.
SettingsRecord DecodedInto(const SettingsRecord& written, const SettingsRecord& target);

} // namespace tq58::test
