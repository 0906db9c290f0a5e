#include "model/ImageHeader.h"

#include "model/NewData.h"
#include "support/RadioFixtures.h"

#include <gtest/gtest.h>
#include <random>

namespace tq58 {
namespace {

using test::Bytes;
using test::BytesAt;
using test::DataWithPlans;
using test::ImageFilledWith;
using test::ModelOf;
using test::PutBytes;

// Plan groups 0-2 have their enable bitmaps at 0x200/0x230/0x260; EXP channels at 0x294.
void EnableInImage(Image& image, int group, int channel) {
    image[0x0200 + 0x30 * group + channel / 8] |= 0x80 >> (channel % 8);
}

void EnableExpInImage(Image& image, int k) {
    image[0x0294 + k / 8] |= 0x80 >> (k % 8);
}

// USA, INTL, Canada, EXP as '0' and '1'.
void SetGroupFlags(Image& image, const char* flags) {
    for (int group = 0; group < 4; ++group) {
        image[0x00C0 + 16 * group] = flags[group] == '1';
    }
}

void DisableAll(std::vector<ChannelRecord>& list, std::size_t count = 1000) {
    for (std::size_t i = 0; i < std::min(count, list.size()); ++i) {
        list[i].Enable = false;
    }
}

TEST(IsChannelUsableTest, NeedsTheGroupFlagAndTheEnableBitOfItsOwnBitmap) {
    EXPECT_FALSE(IsChannelUsable(ImageFilledWith(0xFF), 280, 0));
    EXPECT_FALSE(IsChannelUsable(ImageFilledWith(0xFF), 65535, 1));
    EXPECT_TRUE(IsChannelUsable(ImageFilledWith(0xFF), 279, 2));

    Image image = ImageFilledWith(0x00);
    PutBytes(image, 0x0100, Bytes(0xC0, 0xFF)); // the radio's channel lists are not consulted
    EnableInImage(image, 0, 0);
    EnableInImage(image, 1, 18);
    EnableInImage(image, 2, 239);
    EnableExpInImage(image, 0);
    EnableExpInImage(image, 39);
    const std::tuple<const char*, int, int, bool> cases[] = {
        {"1100", 0, 0, true},    {"1100", 18, 1, true},   {"1100", 17, 1, false},
        {"1100", 19, 1, false},  {"1100", 18, 0, false},  {"1100", 18, 2, false},
        {"1100", 239, 2, false}, {"1100", 240, 0, false}, {"0011", 239, 2, true},
        {"0011", 18, 1, false},  {"0011", 240, 0, true},  {"0011", 279, 2, true},
        {"0011", 241, 0, false}};
    for (const auto& [flags, channel, group, usable] : cases) {
        SetGroupFlags(image, flags);
        EXPECT_EQ(IsChannelUsable(image, channel, group), usable) << flags << " " << channel;
    }
}

// Header preparation on an image whose plan channels are all in use, so that only the group
// flags decide.
class PrepareHeaderTest : public ::testing::Test {
protected:
    RadioData data = DataWithPlans(0x00);
    Image& image = data.MemoryImage;

    void SetUp() override {
        data = DataWithPlans(0x00);
        for (int group = 0; group < 3; ++group) {
            PutBytes(image, 0x0200 + 0x30 * group, Bytes(30, 0xFF));
        }
        PutBytes(image, 0x0100, Bytes(0x50, 0xFF));
        PutBytes(image, 0x54F8, Bytes(0x108, 0xFF));
    }
    void Prepare() { PrepareImageHeader(image, data.Settings); }
};

TEST_F(PrepareHeaderTest, StartGroupMovesToTheNextUsableGroup) {
    const std::tuple<int, const char*, int> cases[] = {{0, "011", 1}, {0, "001", 2}, {1, "101", 2},
                                                       {1, "100", 0}, {1, "010", 1}, {2, "110", 0},
                                                       {2, "010", 1}, {1, "000", 1}, {5, "111", 5}};
    for (const auto& [group, flags, newGroup] : cases) {
        SetGroupFlags(image, (std::string(flags) + "0").c_str());
        PutBytes(image, 0x0021, {static_cast<std::uint8_t>(group), 0, 0, 32, 0x12, 0x34, 7});
        Prepare();
        EXPECT_EQ(image[0x0021], newGroup) << group << " " << flags;
    }
}

TEST_F(PrepareHeaderTest, StartChannelBytes) {
    struct Case {
        const char* Name;
        const char* GroupFlags;
        int Bitmap; // one enable-bitmap byte to set, 0 for none
        std::uint8_t BitmapByte;
        bool UsaEmpty;
        int ExpChannel; // EXP record in use, -1 for none
        int WxDisabled; // weather records switched off from the first
        Bytes Start;    // 0x0021: group, mode, channel (two bytes), its copy, weather index
        Bytes Expected;
    };
    // Start bytes with the copy left as 0x12 0x34.
    const auto S = [](std::uint8_t group, std::uint8_t mode, std::uint8_t channel,
                      std::uint8_t index) {
        return Bytes{group, mode, 0, channel, 0x12, 0x34, index};
    };
    const Bytes start = S(0, 0, 32, 7);
    const Case cases[] = {
        {"usable channel is copied", "1110", 0, 0, false, -1, 0, start, {0, 0, 0, 32, 0, 32, 7}},
        {"to the group's first", "1110", 0x0204, 0x7F, false, -1, 0, start, {0, 0, 0, 3, 0, 3, 7}},
        {"USA into INTL", "0110", 0x0234, 0x7F, false, -1, 0, start, {1, 0, 0, 2, 0, 2, 7}},
        {"first EXP number", "1001", 0x0204, 0x00, true, 6, 0, start, {0, 0, 0, 7, 0, 7, 7}},
        {"no channel anywhere", "1000", 0x0204, 0x00, true, -1, 0, start, start},
        {"weather blank index", "0100", 0, 0, false, -1, 0, S(2, 1, 32, 0xFF), S(2, 1, 0xFF, 0xFF)},
        {"weather to first in use", "0000", 0, 0, false, -1, 5, S(0, 1, 0, 3), S(0, 1, 5, 5)},
        {"weather in use stays", "0000", 0x0290, 0x10, false, -1, 0, S(0, 1, 0, 3), S(0, 1, 3, 3)},
        {"no weather channel", "0000", 0, 0, false, -1, 10, S(0, 1, 9, 3), S(0, 1, 9, 3)},
        {"other start mode", "0010", 0, 0, false, -1, 0, S(0, 2, 32, 0xFF), S(0, 2, 32, 0xFF)}};
    for (const Case& c : cases) {
        SetUp();
        SetGroupFlags(image, c.GroupFlags);
        if (c.Bitmap != 0) {
            image[c.Bitmap] = c.BitmapByte;
        }
        if (c.UsaEmpty) {
            DisableAll(data.Settings.CHUSA);
        }
        if (c.ExpChannel >= 0) {
            data.Settings.CHEXP[c.ExpChannel].Enable = true;
        }
        DisableAll(data.Settings.CHWX, c.WxDisabled);
        PutBytes(image, 0x0021, c.Start);
        Prepare();
        EXPECT_EQ(BytesAt(image, 0x0021, 7), c.Expected) << c.Name;
    }
}

TEST_F(PrepareHeaderTest, UnusableChannelListEntriesAreBlanked) {
    SetGroupFlags(image, "1111");
    image[0x0200 + 4] = 0x7F;
    EnableExpInImage(image, 16);
    const Bytes list = {0x00, 0x20, 0x00, 0x21, 0xFF, 0xFF, 0x01, 0x00, 0x01, 0x01, 0x00, 0xEF};
    for (const int address : {0x0100, 0x0120}) {
        PutBytes(image, address, list);
    }
    PutBytes(image, 0x0110, {0x00, 0x20}); // past the eighth entry
    Prepare();
    const Bytes blanked = {0xFF, 0xFF, 0x00, 0x21, 0xFF, 0xFF, 0x01, 0x00, 0xFF, 0xFF, 0x00, 0xEF};
    EXPECT_EQ(BytesAt(image, 0x0100, 12), blanked);
    EXPECT_EQ(BytesAt(image, 0x0110, 2), (Bytes{0x00, 0x20}));
    EXPECT_EQ(BytesAt(image, 0x0120, 2), (Bytes{0x00, 0x20}));

    SetGroupFlags(image, "1010"); // a disabled group's list is blanked whole
    Prepare();
    EXPECT_EQ(BytesAt(image, 0x0120, 16), Bytes(16, 0xFF));
}

TEST_F(PrepareHeaderTest, AtisModeAndMmsiCountFollowGroupsCallSignsAndUserMmsi) {
    const std::tuple<std::uint8_t, bool, std::uint8_t> cases[] = {{0xA0, true, 0x44},
                                                                  {0xA0, false, 0x88},
                                                                  {0xF0, true, 0x55},
                                                                  {0x0F, false, 0x00},
                                                                  {0x10, false, 0x02}};
    for (const auto& [groups, tableEmpty, mode] : cases) {
        image[0x019B] = groups;
        image[0x55F8 + 2] = tableEmpty ? 0xFF : 'A';
        Prepare();
        EXPECT_EQ(image[0x019C], mode) << int(groups) << " " << tableEmpty;
    }
    image[0x55FA] = 0xFF; // only the identity part of call signs counts, entry 0 not at all
    image[0x019B] = 0x80;
    image[0x54F8] = 'X';
    image[0x5503] = 'D';
    Prepare();
    EXPECT_EQ(image[0x019C], 0x40);

    for (const auto& [mmsi, count] : {std::pair{"", 0}, {"   ", 0}, {" 1 ", 1}}) {
        data.Settings.DscBasicSetup.UserMmsi = mmsi;
        image[0x0195] = 0x07;
        Prepare();
        EXPECT_EQ(image[0x0195], count) << "'" << mmsi << "'";
    }
}

TEST(PrepareHeaderPropertyTest, TouchesOnlyHeaderBytesAndSettlesAtOnce) {
    std::mt19937 random(58);
    std::uniform_int_distribution<int> byte(0, 255);
    const auto isHeaderByte = [](int a) {
        return (a >= 0x21 && a <= 0x27) || (a >= 0x100 && a < 0x110) || (a >= 0x120 && a < 0x130) ||
               (a >= 0x140 && a < 0x150) || a == 0x195 || a == 0x19C;
    };
    for (int round = 0; round < 40; ++round) {
        RadioData data = DataWithPlans(0x00);
        for (std::uint8_t& value : data.MemoryImage) {
            value = static_cast<std::uint8_t>(byte(random));
        }
        data.MemoryImage[0x22] = static_cast<std::uint8_t>(round % 3);
        for (ChannelRecord& record : data.Settings.CHEXP) {
            record.Enable = byte(random) < 16;
        }
        data.Settings.DscBasicSetup.UserMmsi = round % 2 == 0 ? "" : "211000001";
        const Image before = data.MemoryImage;
        PrepareImageHeader(data.MemoryImage, data.Settings);
        const Image once = data.MemoryImage;
        PrepareImageHeader(data.MemoryImage, data.Settings);

        for (const int address : test::ChangedAddresses(before, once)) {
            EXPECT_TRUE(isHeaderByte(address)) << std::hex << address;
        }
        EXPECT_EQ(data.MemoryImage, once) << round;
    }
}

TEST(PrepareOutgoingImageTest, HeaderAndChecksumFollowTheSettingsJustEncoded) {
    RadioData data;
    ASSERT_TRUE(NewData(data, ModelOf(2)).Ok);
    data.MemoryImage[0x42] = 0x11;
    DisableAll(data.Settings.CHUSA);
    data.Settings.DscBasicSetup.UserMmsi = "211000001";
    data.Settings.AtisCallSign[0].MID = "211";
    ASSERT_TRUE(PrepareOutgoingImage(data, ModelOf(2)).Ok);
    EXPECT_EQ(data.MemoryImage[0x00C0], 0);
    EXPECT_EQ(BytesAt(data.MemoryImage, 0x0021, 6), (Bytes{1, 0, 0, 0x1E, 0, 0x1E}));
    EXPECT_EQ(data.MemoryImage[0x0195], 1);
    EXPECT_EQ(data.MemoryImage[0x019C], 0xAA);
    int sum = 0;
    for (int address = 0x42; address <= 0x5E; ++address) {
        sum += data.MemoryImage[address];
    }
    EXPECT_EQ(data.MemoryImage[0x5F], sum % 256);

    data.MemoryImage[0x005F] = 0x99; // an encoder failure leaves the image untouched
    data.Settings.CommonSetup.ResumeTime = 300;
    const Image before = data.MemoryImage;
    EXPECT_FALSE(PrepareOutgoingImage(data, ModelOf(2)).Ok);
    EXPECT_EQ(data.MemoryImage, before);
}

} // namespace
} // namespace tq58
