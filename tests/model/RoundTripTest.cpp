#include "model/Decoder.h"
#include "model/Encoder.h"
#include "model/ModelCatalogue.h"
#include "support/RadioFixtures.h"
#include "support/RandomRecords.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace tq58 {
namespace {

using test::DataWithPlans;
using test::ModelOf;
using test::RandomImage;

constexpr unsigned Iterations = 60;

// Bits of each image byte the encoder may write; everything else must survive an encode. The
// setup block's are known apart from its description, so that a setting described at a wrong
// place shows: a setting added to the description is added here too.
Image WritableBits() {
    struct Area {
        int Address, Count;
        std::uint8_t Bits;
        int Stride, Times;
    };
    // Setup bytes, bitmaps, attributes, EXP records, names, call signs, directories.
    const Area areas[] = {{0x0028, 1, 0xFF, 5, 2},       {0x002B, 1, 0x7F, 1, 1},
                          {0x002F, 1, 0xFF, 1, 1},       {0x0033, 3, 0xFF, 1, 1},
                          {0x0036, 1, 0x0F, 1, 1},       {0x0040, 1, 0xFF, 1, 1},
                          {0x0046, 6, 0xFF, 1, 1},       {0x00C0, 5, 0xFF, 16, 4},
                          {0x0180, 5, 0xFF, 1, 1},       {0x0190, 5, 0xFF, 1, 1},
                          {0x0196, 6, 0xFF, 1, 1},       {0x01A0, 3, 0xFF, 1, 1},
                          {0x01A3, 1, 0xFC, 1, 1},       {0x01A4, 1, 0xEE, 1, 1},
                          {0x01A7, 4, 0xFF, 1, 1},       {0x01C6, 4, 0xFF, 1, 1},
                          {0x01CD, 2, 0xFF, 1, 1},       {0x01D0, 10, 0xFF, 16, 2},
                          {0x0200, 30, 0xFF, 0x30, 3},   {0x0300, 30, 0xFF, 0x30, 3},
                          {0x0290, 2, 0xFF, 0x100, 2},   {0x0294, 8, 0xFF, 0x100, 2},
                          {0x0500, 1, 0xFF, 2, 240},     {0x0800, 1, 0xFF, 2, 240},
                          {0x0B00, 1, 0xFF, 2, 240},     {0x0E00, 1, 0x0E, 16, 64},
                          {0x0E01, 10, 0xFF, 16, 64},    {0x1700, 3840, 0xFF, 0x1200, 3},
                          {0x4D00, 10 * 16, 0xFF, 1, 1}, {0x4F00, 64 * 16, 0xFF, 1, 1},
                          {0x5500, 6, 0xFF, 8, 32},      {0x5700, 80 * 16, 0xFF, 1, 1},
                          {0x6400, 32 * 16, 0xFF, 1, 1}};

    Image mask{};
    for (const Area& area : areas) {
        for (int t = 0; t < area.Times; ++t) {
            std::fill_n(mask.begin() + area.Address + area.Stride * t, area.Count, area.Bits);
        }
    }
    return mask;
}

std::vector<int> ForeignBitChanges(const Image& before, const Image& after) {
    static const Image writable = WritableBits();
    std::vector<int> changed;
    for (int address = 0; address < ImageSize; ++address) {
        if (((before[address] ^ after[address]) & ~writable[address]) != 0) {
            changed.push_back(address);
        }
    }
    return changed;
}

ModelState KnownModel(unsigned seed) {
    const std::vector<int> models = CatalogueModelTypes();
    return ModelOf(models[seed % models.size()]);
}

// The decoder writes into a record of other random values, so that a field it skips keeps a
// value that shows; a failure names the list, the record and the field.
TEST(RoundTripTest, RecordEncodedThenDecodedLosesOnlyWhatTheImageCannotHold) {
    for (unsigned seed = 1; seed <= Iterations; ++seed) {
        SCOPED_TRACE(::testing::Message() << "seed " << seed);
        RadioData data = DataWithPlans(0x00);
        data.MemoryImage = RandomImage(seed);
        data.Settings = test::RandomSettings(seed, data.Settings);
        const SettingsRecord written = data.Settings;
        const Image before = data.MemoryImage;

        RadioData unknownModel = data; // no group check, but the same bytes left alone
        ASSERT_TRUE(EncodeImage(unknownModel, ModelOf(9)).Ok);
        EXPECT_EQ(ForeignBitChanges(before, unknownModel.MemoryImage), std::vector<int>{});

        const Outcome result = EncodeImage(data, KnownModel(seed));
        ASSERT_TRUE(result.Ok) << result.LogDetail;
        EXPECT_EQ(ForeignBitChanges(before, data.MemoryImage), std::vector<int>{});
        data.Settings = test::RandomSettings(seed + 5000, data.Settings);
        const SettingsRecord expected = test::DecodedInto(written, data.Settings);
        DecodeImage(data, KnownModel(seed));
        EXPECT_EQ(test::RecordDifferences(data.Settings, expected), std::vector<std::string>{});
    }
}

// A read programmed back without an edit sends the radio exactly what it gave: no field is
// written in the program's own spelling of a value the radio holds in another.
TEST(RoundTripTest, ImageDecodedAndEncodedAgainKeepsEveryByte) {
    for (unsigned seed = 1; seed <= Iterations; ++seed) {
        SCOPED_TRACE(::testing::Message() << "seed " << seed);
        RadioData data = DataWithPlans(0x00);
        data.MemoryImage = RandomImage(seed + 2000);
        const Image original = data.MemoryImage;
        const ModelState model = KnownModel(seed);

        DecodeImage(data, model);
        ASSERT_TRUE(EncodeImage(data, model).Ok);
        EXPECT_EQ(test::ChangedAddresses(original, data.MemoryImage), std::vector<int>{});
    }
}

} // namespace
} // namespace tq58
