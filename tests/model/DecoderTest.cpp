#include "model/Decoder.h"

#include "support/RadioFixtures.h"

#include <gtest/gtest.h>

namespace tq58 {
namespace {

using test::DataWithPlans;
using test::ModelOf;
using test::PutBytes;
using test::PutText;
using Four = std::array<bool, 4>;

// Field-by-field decoding of what the encoder writes is covered by the round-trip tests;
// these cases cover bytes the encoder never produces and the decoder's own rules.
class DecoderTest : public ::testing::Test {
protected:
    RadioData data = DataWithPlans(0x00);
    SettingsRecord& s = data.Settings;

    void Decode(int modelType = 2) { DecodeImage(data, ModelOf(modelType)); }
};

TEST_F(DecoderTest, BlankImageReadsEmptyTextsAndSetBitsAndIsNotChanged) {
    data = DataWithPlans(0xFF);
    Decode();
    EXPECT_EQ(data.MemoryImage, test::ImageFilledWith(0xFF));
    EXPECT_EQ(
        s.UsableChGroup[0],
        (UsableGroupRecord{.Enable = true, .TxTot = true, .PriorityCh = 65535, .StatusName = ""}));
    EXPECT_EQ(s.CommonSetup.OffsetTime, 31);
    EXPECT_EQ(s.DscBasicSetup.UserMmsi, "");
    EXPECT_EQ(s.AutoPosSetup.Entry[1].CHANNEL, 32767);
    EXPECT_TRUE(s.CHUSA[5].Enable && s.CHUSA[5].TxEnable && !s.CHUSA[5].LowPower);
    EXPECT_EQ(s.CHUSA[5].Scramble, 7);
    EXPECT_TRUE(s.CHEXP[5].Narrow && s.CHEXP[5].Rxfreq == 0);
    EXPECT_EQ(s.CHMMSID, decltype(s.CHMMSID){});
}

TEST_F(DecoderTest, PowerBitsZeroAndTwoMeanNoTransmit) {
    const std::pair<std::uint8_t, std::tuple<bool, bool, bool, bool, int>> cases[] = {
        {0x40, {true, true, false, false, 0}},
        {0x80, {false, false, false, false, 0}},
        {0x6A, {true, true, true, false, 5}},
        {0x1E, {false, false, false, true, 7}},
        {0xD3, {true, false, false, true, 1}}};
    for (int group = 0; group < 3; ++group) {
        for (std::size_t i = 0; i < std::size(cases); ++i) {
            data.MemoryImage[0x0500 + 0x300 * group + 2 * (100 + 10 * i)] = cases[i].first;
        }
    }
    Decode();
    for (auto* list : {&s.CHUSA, &s.CHINT, &s.CHCAN}) {
        for (std::size_t i = 0; i < std::size(cases); ++i) {
            const ChannelRecord& r = (*list)[100 + 10 * i];
            EXPECT_EQ(std::tuple(r.TxEnable, r.LowPower, r.Duplex, r.PowUp, r.Scramble),
                      cases[i].second)
                << int(cases[i].first);
        }
    }
}

TEST_F(DecoderTest, OffsetTimeIsSignAndMagnitude) {
    const std::pair<std::uint8_t, int> cases[] = {{0x38, 24}, {0x18, -24}, {0x20, 0},  {0x00, 0},
                                                  {0xC5, -5}, {0xE5, 5},   {0x1F, -31}};
    for (const auto& [byte, offset] : cases) {
        data.MemoryImage[0x002B] = byte;
        Decode();
        EXPECT_EQ(s.CommonSetup.OffsetTime, offset) << int(byte);
    }
}

TEST_F(DecoderTest, UnknownSelectCallKeepsLastAddressAndKillerGroupsNeedAKnownModel) {
    PutBytes(data.MemoryImage, 0x01C6, {11, 12, 13, 14});
    data.MemoryImage[0x01D9] = 2;
    data.MemoryImage[0x01E9] = 0xFF;
    data.MemoryImage[0x019B] = 0x5A;
    for (const int modelType : {0, 1, 11, 12}) {
        s.AutoPosSetup.Entry[0].LASTADDRESS = 40;
        s.AtisCommon.AtisKillerChGroup = {true, false, false, true};
        Decode(modelType);
        EXPECT_EQ(s.AutoPosSetup.Entry[0].LASTADDRESS, 40);
        EXPECT_EQ(s.AtisCommon.AtisChGroup, (Four{false, true, false, true}));
        const bool known = modelType == 1 || modelType == 11;
        EXPECT_EQ(s.AtisCommon.AtisKillerChGroup,
                  (known ? Four{true, false, true, false} : Four{true, false, false, true}))
            << modelType;
    }
}

TEST_F(DecoderTest, DirectoryEndsAtTheFirstEntryWithoutMmsi) {
    data = DataWithPlans(0xFF);
    const std::pair<test::Bytes, const char*> entries[] = {
        {{0x21, 0x10, 0x00, 0x01, 0x00}, "HARBOUR"},
        {{0x33, 0x30, 0x12, 0x34, 0x50}, "MARINA 12345"},
        {{0xFF, 0xFF, 0xFF, 0xFF, 0xFF}, "NO MMSI"},
        {{0x44, 0x40, 0x00, 0x00, 0x00}, "FOUR"}};
    for (int k = 0; k < 4; ++k) {
        PutBytes(data.MemoryImage, 0x5700 + 16 * k, entries[k].first);
        PutText(data.MemoryImage, 0x5705 + 16 * k, entries[k].second);
    }
    for (int k = 0; k < 32; ++k) {
        PutBytes(data.MemoryImage, 0x6400 + 16 * k, {0x01, 0x23, 0x45, 0x67, 0x80});
    }
    s.CHMMSID[79] = {.Enable = true, .TagName = "STALE", .Mmsid = "123"};
    Decode();
    EXPECT_EQ(s.CHMMSID[0],
              (DirectoryRecord{.Enable = true, .TagName = "HARBOUR", .Mmsid = "2110000100"}));
    EXPECT_EQ(s.CHMMSID[1],
              (DirectoryRecord{.Enable = true, .TagName = "MARINA 1234", .Mmsid = "3330123450"}));
    for (int k = 2; k < 80; ++k) {
        EXPECT_EQ(s.CHMMSID[k], DirectoryRecord{}) << k;
    }
    EXPECT_EQ(s.CHGRPID[31],
              (DirectoryRecord{
                  .Enable = true, .TagName = "", .Mmsid = "0123456780"})); // a full one is whole
}

} // namespace
} // namespace tq58
