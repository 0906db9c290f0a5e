#include "model/NewData.h"

#include "support/RadioFixtures.h"

#include <gtest/gtest.h>

namespace tq58 {
namespace {

using test::Bytes;
using test::BytesAt;
using test::ImageFilledWith;
using test::ModelOf;

TEST(NewDataTest, ImageIsBlankButForTheModelCodeTheDefaultsAndTheEncodedRecord) {
    const std::pair<int, Bytes> codes[] = {
        {1, {0x1C, 0x20}}, {2, {0x1E, 0x14}}, {11, {0x1E, 0x14}}};
    for (const auto& [modelType, code] : codes) {
        SCOPED_TRACE(modelType);
        RadioData data;
        data.MemoryImage = ImageFilledWith(0x3C); // what was there before does not matter
        data.Settings.CHUSA.resize(5);
        data.Settings.CHMMSID[0] = {.Enable = true, .TagName = "OLD", .Mmsid = "123456789"};
        const Outcome result = NewData(data, ModelOf(modelType));
        ASSERT_TRUE(result.Ok) << result.LogDetail;
        const Image& image = data.MemoryImage;
        EXPECT_EQ(BytesAt(image, 0x0000, 3), (Bytes{code[0], code[1], 0x00}));
        EXPECT_EQ(BytesAt(image, 0x7FFC, 4), (Bytes{0xFF, 0xFF, code[0], code[1]}));
        EXPECT_EQ(BytesAt(image, 0x042F, 3), (Bytes{0xFF, 0x00, 0x93})); // a level table
        EXPECT_EQ(BytesAt(image, 0x11F0, 6), (Bytes{0x00, 0x00, ' ', ' ', ' ', 0x00}));
        EXPECT_EQ(BytesAt(image, 0x1700 + 16 * 32, 9),
                  (Bytes{'D', 'I', 'S', 'T', 'R', 'E', 'S', 'S', 0xFF})); // from the plan
        EXPECT_EQ(BytesAt(image, 0x5700, 16), Bytes(16, 0xFF));
        EXPECT_EQ(data.ImageLastAddress, 32767);
        EXPECT_EQ(data.Settings.CHUSA.size(), 240u);
        EXPECT_EQ(data.Settings.CHMMSID[0], DirectoryRecord{});
    }
}

TEST(NewDataTest, RecordTakesTheDefaultsButKeepsWhatTheImageDoesNotCarry) {
    for (const bool marker : {true, false}) {
        RadioData data;
        SettingsRecord& s = data.Settings;
        s.CommonSetup.DualWatch = marker;
        s.DscBasicSetup.PosRequestTX[0] = marker;
        s.DscBasicSetup.PosRequestTX[1] = !marker;
        s.DscBasicSetup.BeepOut[7] = marker;
        s.AutoPosSetup.Entry[0].LASTADDRESS = marker ? 12 : 0;
        s.CHEXP[7].ChTag = "OLD";
        ASSERT_TRUE(NewData(data, ModelOf(2)).Ok);
        EXPECT_EQ(std::tuple(s.CommonSetup.DualWatch, s.DscBasicSetup.PosRequestTX[0],
                             s.DscBasicSetup.PosRequestTX[1], s.DscBasicSetup.BeepOut[7],
                             s.AutoPosSetup.Entry[0].LASTADDRESS),
                  std::tuple(marker, marker, !marker, marker, marker ? 12L : 0L));
        EXPECT_FALSE(s.UsableChGroup[3].Enable); // no EXP channel in use
        EXPECT_EQ(s.CHEXP[7].ChTag, "");
        EXPECT_FALSE(s.CHEXP[7].Enable || s.CHEXP[7].TxEnable);
    }
}

TEST(NewDataTest, DefaultImageLoaderRunsLastAndItsDataStands) {
    RadioData data;
    int calls = 0;
    const auto loader = [&calls](RadioData& loaded) {
        ++calls;
        EXPECT_EQ(loaded.MemoryImage[0x00F0], 0x00); // encoded before
        loaded.MemoryImage[0x0400] = 0x42;
        loaded.Settings.CommonSetup.TxPoDisplay = 7;
    };
    ASSERT_TRUE(NewData(data, ModelOf(2), loader).Ok);
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(data.MemoryImage[0x0400], 0x42);
    EXPECT_EQ(data.Settings.CommonSetup.TxPoDisplay, 7);
}

TEST(NewDataTest, UnknownModelLeavesTheImageUnfilledButEncodesTheRecord) {
    RadioData data;
    data.MemoryImage = ImageFilledWith(0x5A);
    data.ImageLastAddress = 1234;
    ASSERT_TRUE(NewData(data, ModelOf(5)).Ok);
    EXPECT_EQ(data.ImageLastAddress, 1234);
    for (const int address : {0x0000, 0x7FFE, 0x0430, 0x5F00}) {
        EXPECT_EQ(BytesAt(data.MemoryImage, address, 2), Bytes(2, 0x5A)) << address;
    }
    EXPECT_EQ(data.Settings.CommonSetup.TxPoDisplay, 0x5A);
    EXPECT_EQ(BytesAt(data.MemoryImage, 0x1700 + 16 * 32, 2), (Bytes{'D', 'I'}));
    EXPECT_TRUE(data.Settings.UsableChGroup[3].Enable); // no group check for unknown models
}

} // namespace
} // namespace tq58
