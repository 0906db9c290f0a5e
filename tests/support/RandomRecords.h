#pragma once

#include "model/MemoryImage.h"
#include "model/SettingsRecord.h"

#include <random>
#include <string>

namespace tq58::test {

// Bytes as radios hold them: many 0x00 and 0xFF, so that flags read both ways.
Image RandomImage(unsigned seed);

// Settings records of random values, including values no image can hold: names too long or
// with characters outside the name set, digits with gaps, offsets beyond the editor's list.
// Every setting of the setup block description gets a value of its form.
class RandomSettings {
public:
    explicit RandomSettings(unsigned seed) : random_(seed) {}

    void Fill(SettingsRecord& settings);

private:
    int Int(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }
    bool Bool() { return Int(0, 1) == 1; }
    bool OneIn(int n) { return Int(1, n) == 1; }
    std::string Name(int maxLength);
    std::string Digits(int maxLength);
    double Frequency();
    void FillList(std::vector<ChannelRecord>& list);
    template <std::size_t N> void FillFlags(std::array<bool, N>& flags);
    template <std::size_t N> void FillDirectory(std::array<DirectoryRecord, N>& directory);
    void FillSetup(SettingsRecord& settings);

    std::mt19937 random_;
};

// What the memory image keeps of each field of a record, written out rule by rule.
SettingsRecord Stored(SettingsRecord settings);

// What decoding an image that holds `stored` into `target` gives: what the image does not
// carry keeps the target's value.
SettingsRecord DecodedInto(SettingsRecord stored, const SettingsRecord& target);

} // namespace tq58::test
