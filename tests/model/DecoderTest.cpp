#include "model/Decoder.h"

#include "model/ModelCatalogue.h"
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

    std::vector<ChannelRecord>& PlanList(int group) {
        return *std::array{&s.CHUSA, &s.CHINT, &s.CHCAN}[group];
    }
    void Decode(int modelType = 2) { DecodeImage(data, ModelOf(modelType)); }
};

TEST_F(DecoderTest, BlankImageReadsEmptyTextsAndSetBitsAndIsNotChanged) {
    data = DataWithPlans(0xFF);
    Decode();
    EXPECT_EQ(data.MemoryImage, test::ImageFilledWith(0xFF));
    for (int g = 0; g < 3; ++g) {
        EXPECT_EQ(s.UsableChGroup[g], (UsableGroupRecord{true, true, 65535, "", {}})) << g;
    }
    EXPECT_EQ(s.CommonSetup.OffsetTime, 31);
    EXPECT_EQ(s.CommonSetup.TxPoDisplay, 255);
    EXPECT_EQ(s.DscBasicSetup.UserMmsi, "");
    EXPECT_EQ(s.AtisCommon.AtisCode, "");
    EXPECT_EQ(s.AutoPosSetup.Entry[0].MMSI, "");
    EXPECT_EQ(s.AutoPosSetup.Entry[1].CHANNEL, 32767);
    EXPECT_EQ(s.AtisCallSign[31], AtisCallSignEntry{});
    for (const ChannelRecord& r : s.CHUSA) {
        EXPECT_TRUE(r.Enable && r.ScanMemory && r.TxEnable && !r.LowPower) << r.Position;
        EXPECT_EQ(r.ChTag, "") << r.Position;
        EXPECT_EQ(r.Scramble, 7) << r.Position;
    }
    for (const ChannelRecord& r : s.CHEXP) {
        EXPECT_TRUE(r.Narrow && r.CHDisplayL.empty() && r.Rxfreq == 0 && r.Txfreq == 0);
    }
    EXPECT_EQ(s.CHMMSID, decltype(s.CHMMSID){});
    EXPECT_EQ(s.CHGRPID, decltype(s.CHGRPID){});
}

TEST_F(DecoderTest, AttributeByteOfEachPlanList) {
    struct Case {
        std::uint8_t Byte;
        bool TxEnable, LowPower, Duplex, PowUp;
        int Scramble;
    };
    const Case cases[] = {
        {0x40, true, true, false, false, 0},  {0x80, false, false, false, false, 0},
        {0x6A, true, true, true, false, 5},   {0x1E, false, false, false, true, 7},
        {0xA1, false, false, true, false, 0}, {0xD3, true, false, false, true, 1}};
    for (int group = 0; group < 3; ++group) {
        for (std::size_t i = 0; i < std::size(cases); ++i) {
            data.MemoryImage[0x0500 + 0x300 * group + 2 * (100 + 10 * i)] = cases[i].Byte;
        }
    }
    Decode();
    for (int group = 0; group < 3; ++group) {
        for (std::size_t i = 0; i < std::size(cases); ++i) {
            const Case& c = cases[i];
            const ChannelRecord& r = PlanList(group)[100 + 10 * i];
            EXPECT_EQ(std::tuple(r.TxEnable, r.LowPower, r.Duplex, r.PowUp, r.Scramble),
                      std::tuple(c.TxEnable, c.LowPower, c.Duplex, c.PowUp, c.Scramble))
                << "group " << group << " byte " << int(c.Byte);
        }
    }
}

TEST_F(DecoderTest, BitmapsAndNamesOfEveryList) {
    for (int group = 0; group < 3; ++group) {
        data.MemoryImage[0x0200 + 0x30 * group + group] = 0x80 >> group;
        data.MemoryImage[0x0200 + 0x30 * group + 29] = 0x01;
        data.MemoryImage[0x0300 + 0x30 * group + 1] = 0x40;
        PutText(data.MemoryImage, 0x1700 + 0x1200 * group + 16 * 239, "LAST CHANNEL 239");
    }
    PutBytes(data.MemoryImage, 0x0290, {0x81, 0x3F}); // weather: two bits of the second byte
    PutBytes(data.MemoryImage, 0x0390, {0x00, 0x40});
    PutText(data.MemoryImage, 0x4D00 + 16 * 9, "NOAA TEN");
    data.MemoryImage[0x029B] = 0x01; // EXP bitmaps reach channel 64
    data.MemoryImage[0x0394] = 0x80;
    Decode();
    for (int group = 0; group < 3; ++group) {
        const auto& list = PlanList(group);
        for (int n = 0; n < 240; ++n) {
            EXPECT_EQ(list[n].Enable, n == 9 * group || n == 239) << group << " " << n;
            EXPECT_EQ(list[n].ScanMemory, n == 9) << group << " " << n;
        }
        EXPECT_EQ(list[239].ChTag, "LAST CHANNEL 239");
        EXPECT_EQ(list[238].ChTag, "");
    }
    for (int n = 0; n < 10; ++n) {
        EXPECT_EQ(s.CHWX[n].Enable, n == 0 || n == 7) << n;
        EXPECT_EQ(s.CHWX[n].ScanMemory, n == 9) << n;
    }
    EXPECT_EQ(s.CHWX[9].ChTag, "NOAA TEN");
    for (int n = 0; n < 64; ++n) {
        EXPECT_EQ(s.CHEXP[n].Enable, n == 63) << n;
        EXPECT_EQ(s.CHEXP[n].ScanMemory, n == 0) << n;
    }
}

TEST_F(DecoderTest, OffsetTimeIsSignAndMagnitude) {
    const std::pair<std::uint8_t, int> cases[] = {{0x38, 24}, {0x18, -24}, {0x20, 0},  {0x00, 0},
                                                  {0xC5, -5}, {0xE5, 5},   {0x3F, 31}, {0x1F, -31},
                                                  {0x83, -3}, {0x61, 1}};
    for (const auto& [byte, offset] : cases) {
        data.MemoryImage[0x002B] = byte;
        Decode();
        EXPECT_EQ(s.CommonSetup.OffsetTime, offset) << int(byte);
    }
}

TEST_F(DecoderTest, UnknownSelectCallKeepsLastAddress) {
    PutBytes(data.MemoryImage, 0x01C6, {11, 12, 13, 14});
    data.MemoryImage[0x01D9] = 2;
    data.MemoryImage[0x01E9] = 0xFF;
    s.AutoPosSetup.Entry[0].LASTADDRESS = 40;
    s.AutoPosSetup.Entry[1].LASTADDRESS = 41;
    Decode();
    EXPECT_EQ(s.AutoPosSetup.Entry[0].LASTADDRESS, 40);
    EXPECT_EQ(s.AutoPosSetup.Entry[1].LASTADDRESS, 41);
}

TEST_F(DecoderTest, AtisKillerGroupsAreReadForKnownModelsOnly) {
    data.MemoryImage[0x019B] = 0x5A;
    for (const int modelType : {0, 1, 2, 3, 11, 12}) {
        s.AtisCommon.AtisKillerChGroup = {true, false, false, true};
        Decode(modelType);
        const bool known = IsKnownModel(modelType);
        EXPECT_EQ(s.AtisCommon.AtisKillerChGroup,
                  (known ? Four{true, false, true, false} : Four{true, false, false, true}))
            << modelType;
        EXPECT_EQ(s.AtisCommon.AtisChGroup, (Four{false, true, false, true})) << modelType;
    }
}

void PutDirectoryEntry(Image& image, int address, const test::Bytes& mmsi,
                       const std::string& name) {
    PutBytes(image, address, mmsi);
    PutText(image, address + 5, name);
}

TEST_F(DecoderTest, DirectoryEndsAtTheFirstEntryWithoutMmsi) {
    data = DataWithPlans(0xFF);
    PutDirectoryEntry(data.MemoryImage, 0x5700, {0x21, 0x10, 0x00, 0x01, 0x00}, "HARBOUR");
    PutDirectoryEntry(data.MemoryImage, 0x5710, {0x33, 0x30, 0x12, 0x34, 0x50}, "MARINA 12345");
    PutDirectoryEntry(data.MemoryImage, 0x5720, {0xFF, 0xFF, 0xFF, 0xFF, 0xFF}, "NO MMSI");
    PutDirectoryEntry(data.MemoryImage, 0x5730, {0x44, 0x40, 0x00, 0x00, 0x00}, "FOUR");
    for (int k = 0; k < 32; ++k) {
        PutDirectoryEntry(data.MemoryImage, 0x6400 + 16 * k, {0x01, 0x23, 0x45, 0x67, 0x80},
                          "GROUP " + std::to_string(k));
    }
    s.CHMMSID[4].Enable = true;
    s.CHMMSID[79] = {true, "STALE", "123"};
    Decode();
    EXPECT_EQ(s.CHMMSID[0], (DirectoryRecord{true, "HARBOUR", "2110000100"}));
    EXPECT_EQ(s.CHMMSID[1], (DirectoryRecord{true, "MARINA 1234", "3330123450"}));
    for (int k = 2; k < 80; ++k) {
        EXPECT_EQ(s.CHMMSID[k], DirectoryRecord{}) << k;
    }
    for (int k = 0; k < 32; ++k) { // a full directory is kept whole
        EXPECT_EQ(s.CHGRPID[k],
                  (DirectoryRecord{true, "GROUP " + std::to_string(k), "0123456780"}));
    }
}

TEST(DecoderPartsTest, EachPartReadsOnlyItsOwnFields) {
    RadioData data = DataWithPlans(0xFF);
    data.Settings.CHMMSID[0] = {true, "KEEP", "123456789"};
    const SettingsRecord before = data.Settings;
    DecodeCommonPart(data, ModelOf(2));
    EXPECT_EQ(data.Settings.CommonSetup.OffsetTime, 31);
    SettingsRecord expected = data.Settings;
    expected.CHUSA = before.CHUSA;
    expected.CHWX = before.CHWX;
    expected.CHEXP = before.CHEXP;
    expected.CHMMSID = before.CHMMSID;
    EXPECT_EQ(data.Settings, expected);

    data.Settings = before;
    DecodeExpChannels(data);
    EXPECT_TRUE(data.Settings.CHEXP[63].Enable && data.Settings.CHEXP[63].Narrow);
    expected = data.Settings;
    expected.CHEXP = before.CHEXP;
    EXPECT_EQ(expected, before);
}

TEST(DecoderListSizeTest, ListsOfAnyLengthReadNoMoreThanTheirSlots) {
    RadioData data = DataWithPlans(0xFF);
    SettingsRecord& s = data.Settings;
    s.CHWX.resize(3);
    s.CHEXP.resize(70);
    s.CHUSA.resize(250);
    s.CHCAN.clear();
    s.CHEXP[69].ChTag = "KEEP";
    s.CHUSA[245].ChTag = "KEEP";
    DecodeImage(data, ModelOf(2));
    EXPECT_EQ(s.CHWX.size(), 3u);
    EXPECT_TRUE(s.CHCAN.empty());
    EXPECT_TRUE(s.CHEXP[63].Enable);
    EXPECT_FALSE(s.CHEXP[69].Enable);
    EXPECT_EQ(s.CHEXP[69].ChTag, "KEEP");
    EXPECT_TRUE(s.CHUSA[239].Enable);
    EXPECT_FALSE(s.CHUSA[245].Enable);
    EXPECT_EQ(s.CHUSA[245].ChTag, "KEEP");
    EXPECT_EQ(s.UsableChGroup[3].ExpChGroup, (std::array<bool, 3>{1, 1, 1}));
}

} // namespace
} // namespace tq58
