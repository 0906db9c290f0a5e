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

void SetGroupFlags(Image& image, bool usa, bool intl, bool canada, bool exp) {
    PutBytes(image, 0x00C0, {usa});
    PutBytes(image, 0x00D0, {intl});
    PutBytes(image, 0x00E0, {canada});
    PutBytes(image, 0x00F0, {exp});
}

void DisableAll(std::vector<ChannelRecord>& list, std::size_t count = 1000) {
    for (std::size_t i = 0; i < std::min(count, list.size()); ++i) {
        list[i].Enable = false;
    }
}

TEST(HeaderChecksumTest, SumsTheBytesModulo256) {
    Image image = ImageFilledWith(0xFF);
    EXPECT_EQ(HeaderChecksum(image, 0x42, 29), 0xE3);
    for (int i = 0; i < 29; ++i) {
        image[0x42 + i] = static_cast<std::uint8_t>(i + 1);
    }
    EXPECT_EQ(HeaderChecksum(image, 0x42, 29), 0xB3);
    EXPECT_EQ(HeaderChecksum(image, 0x42, 0), 0x00);
    EXPECT_EQ(HeaderChecksum(image, 0x43, 2), 5);
}

TEST(IsChannelUsableTest, NeedsTheGroupFlagAndTheEnableBitOfItsOwnBitmap) {
    EXPECT_FALSE(IsChannelUsable(ImageFilledWith(0xFF), -1, 0));
    EXPECT_FALSE(IsChannelUsable(ImageFilledWith(0xFF), 280, 0));
    EXPECT_FALSE(IsChannelUsable(ImageFilledWith(0xFF), 65535, 1));
    EXPECT_TRUE(IsChannelUsable(ImageFilledWith(0xFF), 279, 2));

    Image image = ImageFilledWith(0x00);
    PutBytes(image, 0x0100, Bytes(0xC0, 0xFF)); // the radio's channel lists are not consulted
    SetGroupFlags(image, true, true, false, false);
    EnableInImage(image, 0, 0);
    EnableInImage(image, 1, 18);
    EnableInImage(image, 2, 239);
    EnableExpInImage(image, 0);
    EnableExpInImage(image, 39);
    const std::tuple<int, int, bool> cases[] = {
        {0, 0, true},    {18, 1, true},   {17, 1, false},  {19, 1, false},
        {18, 0, false},  {18, 2, false},  {0, 1, false},   {239, 2, false}, // Canada's flag is off
        {239, 0, false}, {240, 0, false}, {279, 1, false},                  // EXP flag is off
        {100, 0, false}};
    for (const auto& [channel, group, usable] : cases) {
        EXPECT_EQ(IsChannelUsable(image, channel, group), usable) << channel << " " << group;
    }
    SetGroupFlags(image, false, false, true, true);
    const std::tuple<int, int, bool> flipped[] = {{239, 2, true}, {18, 1, false},  {240, 0, true},
                                                  {279, 2, true}, {241, 0, false}, {278, 0, false}};
    for (const auto& [channel, group, usable] : flipped) {
        EXPECT_EQ(IsChannelUsable(image, channel, group), usable) << channel << " " << group;
    }
}

TEST(FirstEnabledTest, FindsTheFirstChannelInUse) {
    RadioData data = DataWithPlans(0x00);
    EXPECT_EQ(FirstEnabled(data.Settings.CHUSA), 3);
    EXPECT_EQ(FirstEnabled(data.Settings.CHINT), 2);
    DisableAll(data.Settings.CHCAN);
    EXPECT_EQ(FirstEnabled(data.Settings.CHCAN), -1);
    EXPECT_EQ(FirstEnabled({}), -1);
    std::vector<ChannelRecord> exp(64); // EXP channels count from 1
    EXPECT_EQ(FirstEnabled(exp, 1), -1);
    exp[2].Enable = exp[9].Enable = true;
    EXPECT_EQ(FirstEnabled(exp, 1), 3);
}

// The start-channel choices themselves are exercised through PrepareImageHeader below.
TEST(StartChannelTest, ValuesOutsideTheListsAreLeftAlone) {
    RadioData data = DataWithPlans(0x00);
    EXPECT_EQ(ChooseStartChannel(data.MemoryImage, data.Settings, 32, 3), -1);
    EXPECT_EQ(ChooseStartChannel(data.MemoryImage, data.Settings, 32, -1), -1);
    for (const int outside : {10, 255, -1}) {
        EXPECT_EQ(ChooseWeatherChannel(data.MemoryImage, data.Settings, outside), outside);
    }
}

// Header preparation on an image whose plan channels are all in use, so that only the group
// flags decide.
class PrepareHeaderTest : public ::testing::Test {
protected:
    RadioData data = DataWithPlans(0x00);
    Image& image = data.MemoryImage;

    void SetUp() override {
        for (int group = 0; group < 3; ++group) {
            PutBytes(image, 0x0200 + 0x30 * group, Bytes(30, 0xFF));
        }
        PutBytes(image, 0x0290, Bytes(12, 0x00)); // weather and EXP bitmaps
        PutBytes(image, 0x0100, Bytes(0x50, 0xFF));
        PutBytes(image, 0x54F8, Bytes(0x108, 0xFF));
        SetGroupFlags(image, false, false, false, false);
    }
    void Prepare() { PrepareImageHeader(image, data.Settings); }
};

TEST_F(PrepareHeaderTest, StartGroupMovesToTheNextUsableGroup) {
    struct Case {
        int Group;
        bool Usa, Intl, Canada;
        int NewGroup;
    };
    const Case cases[] = {
        {0, false, true, true, 1},   {0, false, false, true, 2},  {0, true, false, false, 0},
        {1, true, false, true, 2},   {1, true, false, false, 0},  {1, false, true, false, 1},
        {2, true, true, false, 0},   {2, false, true, false, 1},  {2, false, false, true, 2},
        {0, false, false, false, 0}, {1, false, false, false, 1}, {5, true, true, true, 5}};
    for (const Case& c : cases) {
        SetGroupFlags(image, c.Usa, c.Intl, c.Canada, false);
        PutBytes(image, 0x0021, {static_cast<std::uint8_t>(c.Group), 0, 0, 32, 0x12, 0x34, 7});
        Prepare();
        EXPECT_EQ(image[0x0021], c.NewGroup) << c.Group << " " << c.Usa << c.Intl << c.Canada;
    }
}

TEST_F(PrepareHeaderTest, StartChannelBytes) {
    struct Case {
        const char* Name;
        const char* GroupFlags; // USA, INTL, Canada, EXP
        int Bitmap;             // one enable-bitmap byte to set, 0 for none
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
        data.Settings = DataWithPlans(0x00).Settings;
        const std::string f = c.GroupFlags;
        SetGroupFlags(image, f[0] == '1', f[1] == '1', f[2] == '1', f[3] == '1');
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
    SetGroupFlags(image, true, true, true, true);
    image[0x0200 + 4] = 0x7F;
    EnableExpInImage(image, 16);
    EnableExpInImage(image, 39);
    const Bytes list = {0x00, 0x20, 0x00, 0x21, 0xFF, 0xFF, 0x01, 0x00,
                        0x01, 0x17, 0x01, 0x01, 0x02, 0x00, 0x00, 0xEF};
    for (const int address : {0x0100, 0x0120, 0x0140}) {
        PutBytes(image, address, list);
    }
    PutBytes(image, 0x0110, {0x00, 0x21});
    Prepare();
    EXPECT_EQ(BytesAt(image, 0x0100, 18),
              (Bytes{0xFF, 0xFF, 0x00, 0x21, 0xFF, 0xFF, 0x01, 0x00, 0x01, 0x17, 0xFF, 0xFF, 0xFF,
                     0xFF, 0x00, 0xEF, 0x00, 0x21}));
    for (const int address : {0x0120, 0x0140}) {
        EXPECT_EQ(BytesAt(image, address, 16),
                  (Bytes{0x00, 0x20, 0x00, 0x21, 0xFF, 0xFF, 0x01, 0x00, 0x01, 0x17, 0xFF, 0xFF,
                         0xFF, 0xFF, 0x00, 0xEF}))
            << std::hex << address;
    }

    SetGroupFlags(image, true, false, true, false); // a disabled group's list is blanked whole
    PutBytes(image, 0x0120, {0x00, 0x20, 0x00, 0x00, 0x00, 0xEF, 0x01, 0x00});
    Prepare();
    EXPECT_EQ(BytesAt(image, 0x0120, 16), Bytes(16, 0xFF));
}

TEST_F(PrepareHeaderTest, AtisModeFollowsGroupsAndCallSignTable) {
    struct Case {
        std::uint8_t Groups;
        bool TableEmpty;
        std::uint8_t Mode;
    };
    const Case cases[] = {{0xA0, true, 0x44},  {0xA0, false, 0x88}, {0xF0, false, 0xAA},
                          {0xF0, true, 0x55},  {0x0F, false, 0x00}, {0x00, true, 0x00},
                          {0x10, false, 0x02}, {0x40, true, 0x10}};
    for (const Case& c : cases) {
        image[0x019B] = c.Groups;
        image[0x019C] = 0x5A;
        image[0x55F8 + 2] = c.TableEmpty ? 0xFF : 'A';
        Prepare();
        EXPECT_EQ(image[0x019C], c.Mode) << int(c.Groups) << " " << c.TableEmpty;
    }
    image[0x55FA] = 0xFF; // only the identity part of call signs counts
    image[0x019B] = 0x80;
    image[0x54F8] = 'X';
    image[0x5503] = 'D';
    image[0x5506] = 0x00;
    Prepare();
    EXPECT_EQ(image[0x019C], 0x40);
    image[0x5500] = 0xFE;
    Prepare();
    EXPECT_EQ(image[0x019C], 0x80);
}

TEST_F(PrepareHeaderTest, MmsiEnteredCountFollowsTheUserMmsi) {
    const std::pair<const char*, int> cases[] = {{"", 0}, {"   ", 0}, {"123456789", 1}, {" 1 ", 1}};
    for (const auto& [mmsi, count] : cases) {
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

TEST(PrepareOutgoingImageTest, NewDataGetsItsHeaderAndChecksum) {
    RadioData data;
    ASSERT_TRUE(NewData(data, ModelOf(2)).Ok);
    ASSERT_TRUE(PrepareOutgoingImage(data, ModelOf(2)).Ok);
    int sum = 0;
    for (int address = 0x42; address <= 0x5E; ++address) {
        sum += data.MemoryImage[address];
    }
    EXPECT_EQ(data.MemoryImage[0x5F], sum % 256);
    EXPECT_EQ(data.MemoryImage[0x5F], 0x50);
    EXPECT_EQ(BytesAt(data.MemoryImage, 0x0021, 7), (Bytes{0, 0, 0, 0x1E, 0, 0x1E, 0}));
    EXPECT_EQ(data.MemoryImage[0x0195], 0);
    EXPECT_EQ(data.MemoryImage[0x019C], 0x55);
    EXPECT_EQ(BytesAt(data.MemoryImage, 0x0100, 0x50), Bytes(0x50, 0xFF));
}

TEST(PrepareOutgoingImageTest, HeaderFollowsTheSettingsJustEncoded) {
    RadioData data;
    ASSERT_TRUE(NewData(data, ModelOf(2)).Ok);
    DisableAll(data.Settings.CHUSA);
    data.Settings.DscBasicSetup.UserMmsi = "211000001";
    data.Settings.AtisCallSign[0].MID = "211";
    ASSERT_TRUE(PrepareOutgoingImage(data, ModelOf(2)).Ok);
    EXPECT_EQ(data.MemoryImage[0x00C0], 0);
    EXPECT_EQ(BytesAt(data.MemoryImage, 0x0021, 6), (Bytes{1, 0, 0, 0x1E, 0, 0x1E}));
    EXPECT_EQ(data.MemoryImage[0x0195], 1);
    EXPECT_EQ(data.MemoryImage[0x019C], 0xAA);

    data.MemoryImage[0x005F] = 0x99; // an encoder failure leaves the image untouched
    data.Settings.CommonSetup.ResumeTime = 300;
    data.Settings.DscBasicSetup.UserMmsi = "";
    const Image before = data.MemoryImage;
    EXPECT_FALSE(PrepareOutgoingImage(data, ModelOf(2)).Ok);
    EXPECT_EQ(data.MemoryImage, before);
}

} // namespace
} // namespace tq58
