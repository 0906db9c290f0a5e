#include "link/ImageHeader.h"

#include "model/NewData.h"
#include "support/RadioFixtures.h"

#include <gtest/gtest.h>
#include <random>

namespace tq58 {
namespace {

using Bytes = std::vector<std::uint8_t>;
using test::BytesAt;
using test::DataWithPlans;
using test::ImageFilledWith;
using test::ModelOf;
using test::PutBytes;

constexpr int planEnableBitmaps[] = {0x0200, 0x0230, 0x0260};

void EnableInImage(Image& image, int group, int channel) {
    image[planEnableBitmaps[group] + channel / 8] |= 0x80 >> (channel % 8);
}

void EnableExpInImage(Image& image, int k) {
    image[0x0294 + k / 8] |= 0x80 >> (k % 8);
}

void SetGroupFlags(Image& image, bool usa, bool intl, bool canada, bool exp) {
    image[0x00C0] = usa;
    image[0x00D0] = intl;
    image[0x00E0] = canada;
    image[0x00F0] = exp;
}

void DisableAll(std::vector<ChannelRecord>& list) {
    for (ChannelRecord& record : list) {
        record.Enable = false;
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

TEST(IsChannelUsableTest, NumbersOutsideTheRangeAreNeverUsable) {
    const Image image = ImageFilledWith(0xFF);
    EXPECT_FALSE(IsChannelUsable(image, -1, 0));
    EXPECT_FALSE(IsChannelUsable(image, 280, 0));
    EXPECT_FALSE(IsChannelUsable(image, 65535, 1));
    EXPECT_TRUE(IsChannelUsable(image, 0, 0));
    EXPECT_TRUE(IsChannelUsable(image, 279, 2));
}

TEST(IsChannelUsableTest, PlanChannelNeedsItsGroupAndItsEnableBit) {
    Image image = ImageFilledWith(0x00);
    SetGroupFlags(image, false, true, false, false);
    EnableInImage(image, 1, 18);
    EXPECT_TRUE(IsChannelUsable(image, 18, 1));
    EXPECT_FALSE(IsChannelUsable(image, 17, 1));
    EXPECT_FALSE(IsChannelUsable(image, 19, 1));
    EXPECT_FALSE(IsChannelUsable(image, 18, 0));
    EXPECT_FALSE(IsChannelUsable(image, 18, 2));
    image[0x00D0] = 0;
    EXPECT_FALSE(IsChannelUsable(image, 18, 1));
}

TEST(IsChannelUsableTest, EachGroupReadsItsOwnEnableBitmap) {
    Image image = ImageFilledWith(0x00);
    SetGroupFlags(image, true, true, true, false);
    EnableInImage(image, 0, 0);
    EnableInImage(image, 1, 100);
    EnableInImage(image, 2, 239);
    EXPECT_TRUE(IsChannelUsable(image, 0, 0));
    EXPECT_TRUE(IsChannelUsable(image, 100, 1));
    EXPECT_TRUE(IsChannelUsable(image, 239, 2));
    EXPECT_FALSE(IsChannelUsable(image, 0, 1));
    EXPECT_FALSE(IsChannelUsable(image, 100, 2));
    EXPECT_FALSE(IsChannelUsable(image, 239, 0));
}

TEST(IsChannelUsableTest, TheRadiosChannelListAreaIsNotConsulted) {
    Image image = ImageFilledWith(0x00);
    SetGroupFlags(image, true, true, true, true);
    for (int address = 0x0100; address < 0x01C0; ++address) {
        image[address] = 0xFF;
    }
    for (int group = 0; group < 3; ++group) {
        for (int channel = 0; channel < 240; ++channel) {
            EXPECT_FALSE(IsChannelUsable(image, channel, group)) << group << " " << channel;
        }
    }
}

TEST(IsChannelUsableTest, ExpChannelNeedsTheExpGroupAndItsEnableBit) {
    Image image = ImageFilledWith(0x00);
    image[0x00F0] = 1;
    EnableExpInImage(image, 0);
    EnableExpInImage(image, 39);
    EXPECT_TRUE(IsChannelUsable(image, 240, 0));
    EXPECT_TRUE(IsChannelUsable(image, 279, 2));
    EXPECT_FALSE(IsChannelUsable(image, 241, 0));
    EXPECT_FALSE(IsChannelUsable(image, 278, 0));
    image[0x00F0] = 0;
    SetGroupFlags(image, true, true, true, false);
    EXPECT_FALSE(IsChannelUsable(image, 240, 0));
}

TEST(FirstEnabledTest, FindsTheFirstChannelInUse) {
    RadioData data = DataWithPlans(0x00);
    EXPECT_EQ(FirstEnabled(data.Settings.CHUSA), 3);
    EXPECT_EQ(FirstEnabled(data.Settings.CHINT), 2);
    DisableAll(data.Settings.CHCAN);
    EXPECT_EQ(FirstEnabled(data.Settings.CHCAN), -1);
    EXPECT_EQ(FirstEnabled({}), -1);
}

TEST(FirstEnabledTest, ExpChannelsCountFromOne) {
    std::vector<ChannelRecord> exp(64);
    EXPECT_EQ(FirstEnabled(exp, 1), -1);
    exp[2].Enable = true;
    exp[9].Enable = true;
    EXPECT_EQ(FirstEnabled(exp, 1), 3);
}

class StartChannelTest : public ::testing::Test {
protected:
    RadioData data = DataWithPlans(0x00);
};

TEST_F(StartChannelTest, GroupOutsidePlanGroupsHasNoStartChannel) {
    data.MemoryImage.fill(0xFF);
    EXPECT_EQ(ChooseStartChannel(data.MemoryImage, data.Settings, 32, 3), -1);
    EXPECT_EQ(ChooseStartChannel(data.MemoryImage, data.Settings, 32, -1), -1);
}

TEST_F(StartChannelTest, UsableChannelStays) {
    SetGroupFlags(data.MemoryImage, true, false, false, false);
    EnableInImage(data.MemoryImage, 0, 32);
    EXPECT_EQ(ChooseStartChannel(data.MemoryImage, data.Settings, 32, 0), 32);
}

TEST_F(StartChannelTest, UnusableChannelMovesToTheGroupsFirstChannel) {
    SetGroupFlags(data.MemoryImage, true, true, true, false);
    EXPECT_EQ(ChooseStartChannel(data.MemoryImage, data.Settings, 32, 0), 3);
    EXPECT_EQ(ChooseStartChannel(data.MemoryImage, data.Settings, 32, 1), 2);
}

TEST_F(StartChannelTest, EmptyGroupFallsBackToTheFirstExpChannelNumber) {
    DisableAll(data.Settings.CHCAN);
    data.Settings.CHEXP[4].Enable = true;
    EXPECT_EQ(ChooseStartChannel(data.MemoryImage, data.Settings, 32, 2), 5);
    data.Settings.CHEXP[4].Enable = false;
    EXPECT_EQ(ChooseStartChannel(data.MemoryImage, data.Settings, 32, 2), -1);
}

TEST_F(StartChannelTest, WeatherIndexOutsideTheListIsLeftAlone) {
    EXPECT_EQ(ChooseWeatherChannel(data.MemoryImage, data.Settings, 10), 10);
    EXPECT_EQ(ChooseWeatherChannel(data.MemoryImage, data.Settings, 255), 255);
    EXPECT_EQ(ChooseWeatherChannel(data.MemoryImage, data.Settings, -1), -1);
}

TEST_F(StartChannelTest, WeatherChannelInUseStays) {
    PutBytes(data.MemoryImage, 0x0290, {0x10, 0x40});
    EXPECT_EQ(ChooseWeatherChannel(data.MemoryImage, data.Settings, 3), 3);
    EXPECT_EQ(ChooseWeatherChannel(data.MemoryImage, data.Settings, 9), 9);
}

TEST_F(StartChannelTest, WeatherChannelNotInUseMovesToTheFirstInUse) {
    PutBytes(data.MemoryImage, 0x0290, {0xEF, 0xBF});
    EXPECT_EQ(ChooseWeatherChannel(data.MemoryImage, data.Settings, 3), 0);
    EXPECT_EQ(ChooseWeatherChannel(data.MemoryImage, data.Settings, 9), 0);
    for (int n = 0; n < 5; ++n) {
        data.Settings.CHWX[n].Enable = false;
    }
    EXPECT_EQ(ChooseWeatherChannel(data.MemoryImage, data.Settings, 3), 5);
    DisableAll(data.Settings.CHWX);
    EXPECT_EQ(ChooseWeatherChannel(data.MemoryImage, data.Settings, 3), -1);
}

// Header preparation on an image whose plan channels are all in use, so that only the group
// flags decide.
class PrepareHeaderTest : public ::testing::Test {
protected:
    RadioData data = DataWithPlans(0x00);

    void SetUp() override {
        for (int group = 0; group < 3; ++group) {
            for (int channel = 0; channel < 240; ++channel) {
                EnableInImage(data.MemoryImage, group, channel);
            }
        }
        PutBytes(data.MemoryImage, 0x0100, Bytes(0x50, 0xFF));
        PutBytes(data.MemoryImage, 0x54F8, Bytes(0x108, 0xFF));
    }

    void StartOn(int group, int channel) {
        PutBytes(data.MemoryImage, 0x0021,
                 {static_cast<std::uint8_t>(group), 0x00, 0x00, static_cast<std::uint8_t>(channel),
                  0x12, 0x34, 0x07});
    }

    void Prepare() { PrepareImageHeader(data.MemoryImage, data.Settings); }
};

struct GroupFixCase {
    int Group;
    bool Usa, Intl, Canada;
    int NewGroup;
};

TEST_F(PrepareHeaderTest, StartGroupMovesToTheNextUsableGroup) {
    const GroupFixCase cases[] = {
        {0, false, true, true, 1},   {0, false, false, true, 2},  {0, true, false, false, 0},
        {1, true, false, true, 2},   {1, true, false, false, 0},  {1, false, true, false, 1},
        {2, true, true, false, 0},   {2, false, true, false, 1},  {2, false, false, true, 2},
        {0, false, false, false, 0}, {1, false, false, false, 1}, {5, true, true, true, 5},
    };
    for (const GroupFixCase& c : cases) {
        SetGroupFlags(data.MemoryImage, c.Usa, c.Intl, c.Canada, false);
        StartOn(c.Group, 32);
        Prepare();
        EXPECT_EQ(data.MemoryImage[0x0021], c.NewGroup)
            << c.Group << " " << c.Usa << c.Intl << c.Canada;
    }
}

TEST_F(PrepareHeaderTest, UsableStartChannelIsCopiedToBothPlaces) {
    SetGroupFlags(data.MemoryImage, true, true, true, false);
    StartOn(0, 32);
    Prepare();
    EXPECT_EQ(BytesAt(data.MemoryImage, 0x0021, 7), (Bytes{0, 0, 0, 32, 0, 32, 0x07}));
}

TEST_F(PrepareHeaderTest, DisabledUsaStartMovesIntoIntl) {
    SetGroupFlags(data.MemoryImage, false, true, true, false);
    data.MemoryImage[0x0230 + 4] = 0x7F;
    StartOn(0, 32);
    Prepare();
    EXPECT_EQ(BytesAt(data.MemoryImage, 0x0021, 6), (Bytes{1, 0, 0, 2, 0, 2}));
}

TEST_F(PrepareHeaderTest, EmptyGroupStartsOnTheFirstExpChannelNumber) {
    SetGroupFlags(data.MemoryImage, true, false, false, true);
    data.MemoryImage[0x0200 + 4] = 0x00;
    DisableAll(data.Settings.CHUSA);
    data.Settings.CHEXP[6].Enable = true;
    StartOn(0, 32);
    Prepare();
    EXPECT_EQ(BytesAt(data.MemoryImage, 0x0021, 6), (Bytes{0, 0, 0, 7, 0, 7}));
}

TEST_F(PrepareHeaderTest, NoChannelAnywhereKeepsTheStartChannel) {
    SetGroupFlags(data.MemoryImage, true, false, false, false);
    data.MemoryImage[0x0200 + 4] = 0x00;
    DisableAll(data.Settings.CHUSA);
    StartOn(0, 32);
    Prepare();
    EXPECT_EQ(BytesAt(data.MemoryImage, 0x0021, 7), (Bytes{0, 0, 0, 32, 0x12, 0x34, 0x07}));
}

TEST_F(PrepareHeaderTest, WeatherStartWithBlankIndexWritesItAsTheChannelNumber) {
    PutBytes(data.MemoryImage, 0x0021, {0x02, 0x01, 0x00, 0x20, 0x12, 0x34, 0xFF});
    SetGroupFlags(data.MemoryImage, false, true, false, false);
    Prepare();
    EXPECT_EQ(BytesAt(data.MemoryImage, 0x0021, 7),
              (Bytes{0x02, 0x01, 0x00, 0xFF, 0x12, 0x34, 0xFF}));
}

TEST_F(PrepareHeaderTest, WeatherStartMovesToTheFirstWeatherChannelInUse) {
    PutBytes(data.MemoryImage, 0x0021, {0x00, 0x01, 0x00, 0x00, 0x12, 0x34, 0x03});
    PutBytes(data.MemoryImage, 0x0290, {0x00, 0x00});
    for (int n = 0; n < 5; ++n) {
        data.Settings.CHWX[n].Enable = false;
    }
    Prepare();
    EXPECT_EQ(BytesAt(data.MemoryImage, 0x0021, 7),
              (Bytes{0x00, 0x01, 0x00, 0x05, 0x12, 0x34, 0x05}));
}

TEST_F(PrepareHeaderTest, WeatherStartInUseStays) {
    PutBytes(data.MemoryImage, 0x0021, {0x00, 0x01, 0x00, 0x00, 0x12, 0x34, 0x03});
    PutBytes(data.MemoryImage, 0x0290, {0x10, 0x00});
    Prepare();
    EXPECT_EQ(BytesAt(data.MemoryImage, 0x0021, 7),
              (Bytes{0x00, 0x01, 0x00, 0x03, 0x12, 0x34, 0x03}));
}

TEST_F(PrepareHeaderTest, WeatherStartWithNoWeatherChannelKeepsItsBytes) {
    PutBytes(data.MemoryImage, 0x0021, {0x00, 0x01, 0x00, 0x09, 0x12, 0x34, 0x03});
    PutBytes(data.MemoryImage, 0x0290, {0x00, 0x00});
    DisableAll(data.Settings.CHWX);
    Prepare();
    EXPECT_EQ(BytesAt(data.MemoryImage, 0x0021, 7),
              (Bytes{0x00, 0x01, 0x00, 0x09, 0x12, 0x34, 0x03}));
}

TEST_F(PrepareHeaderTest, OtherStartModeLeavesTheStartBytes) {
    PutBytes(data.MemoryImage, 0x0021, {0x00, 0x02, 0x00, 0x20, 0x12, 0x34, 0xFF});
    SetGroupFlags(data.MemoryImage, false, false, true, false);
    Prepare();
    EXPECT_EQ(BytesAt(data.MemoryImage, 0x0021, 7),
              (Bytes{0x00, 0x02, 0x00, 0x20, 0x12, 0x34, 0xFF}));
}

TEST_F(PrepareHeaderTest, UnusableChannelListEntriesAreBlanked) {
    SetGroupFlags(data.MemoryImage, true, true, true, true);
    data.MemoryImage[0x0200 + 4] = 0x7F;
    EnableExpInImage(data.MemoryImage, 16);
    EnableExpInImage(data.MemoryImage, 39);
    const Bytes usaList = {0x00, 0x20, 0x00, 0x21, 0xFF, 0xFF, 0x01, 0x00,
                           0x01, 0x17, 0x01, 0x01, 0x02, 0x00, 0x00, 0xEF};
    for (const int list : {0x0100, 0x0120, 0x0140}) {
        PutBytes(data.MemoryImage, list, usaList);
    }
    PutBytes(data.MemoryImage, 0x0110, {0x00, 0x21});
    Prepare();
    EXPECT_EQ(BytesAt(data.MemoryImage, 0x0100, 18),
              (Bytes{0xFF, 0xFF, 0x00, 0x21, 0xFF, 0xFF, 0x01, 0x00, 0x01, 0x17, 0xFF, 0xFF, 0xFF,
                     0xFF, 0x00, 0xEF, 0x00, 0x21}));
    for (const int list : {0x0120, 0x0140}) {
        EXPECT_EQ(BytesAt(data.MemoryImage, list, 16),
                  (Bytes{0x00, 0x20, 0x00, 0x21, 0xFF, 0xFF, 0x01, 0x00, 0x01, 0x17, 0xFF, 0xFF,
                         0xFF, 0xFF, 0x00, 0xEF}))
            << std::hex << list;
    }
}

TEST_F(PrepareHeaderTest, ChannelListsOfADisabledGroupAreBlankedWhole) {
    SetGroupFlags(data.MemoryImage, true, false, true, false);
    PutBytes(data.MemoryImage, 0x0120, {0x00, 0x20, 0x00, 0x00, 0x00, 0xEF, 0x01, 0x00});
    Prepare();
    EXPECT_EQ(BytesAt(data.MemoryImage, 0x0120, 16), Bytes(16, 0xFF));
}

struct AtisModeCase {
    std::uint8_t Groups;
    bool TableEmpty;
    std::uint8_t Mode;
};

TEST_F(PrepareHeaderTest, AtisModeFollowsGroupsAndCallSignTable) {
    const AtisModeCase cases[] = {
        {0xA0, true, 0x44},  {0xA0, false, 0x88}, {0xF0, false, 0xAA}, {0xF0, true, 0x55},
        {0x0F, false, 0x00}, {0x00, true, 0x00},  {0x10, false, 0x02}, {0x40, true, 0x10},
    };
    for (const AtisModeCase& c : cases) {
        data.MemoryImage[0x019B] = c.Groups;
        data.MemoryImage[0x019C] = 0x5A;
        data.MemoryImage[0x55F8 + 2] = c.TableEmpty ? 0xFF : 'A';
        Prepare();
        EXPECT_EQ(data.MemoryImage[0x019C], c.Mode) << int(c.Groups) << " " << c.TableEmpty;
    }
}

TEST_F(PrepareHeaderTest, OnlyTheIdentityPartOfCallSignsCounts) {
    data.MemoryImage[0x019B] = 0x80;
    data.MemoryImage[0x54F8] = 'X';
    data.MemoryImage[0x5503] = 'D';
    data.MemoryImage[0x5506] = 0x00;
    Prepare();
    EXPECT_EQ(data.MemoryImage[0x019C], 0x40);
    data.MemoryImage[0x5500] = 0xFE;
    Prepare();
    EXPECT_EQ(data.MemoryImage[0x019C], 0x80);
}

TEST_F(PrepareHeaderTest, MmsiEnteredCountFollowsTheUserMmsi) {
    const std::pair<const char*, int> cases[] = {{"", 0}, {"   ", 0}, {"123456789", 1}, {" 1 ", 1}};
    for (const auto& [mmsi, count] : cases) {
        data.Settings.DscBasicSetup.UserMmsi = mmsi;
        data.MemoryImage[0x0195] = 0x07;
        Prepare();
        EXPECT_EQ(data.MemoryImage[0x0195], count) << "'" << mmsi << "'";
    }
}

TEST(PrepareHeaderPropertyTest, TouchesOnlyHeaderBytesAndSettlesAtOnce) {
    std::mt19937 random(58);
    std::uniform_int_distribution<int> byte(0, 255);
    const auto isHeaderByte = [](int address) {
        return (address >= 0x21 && address <= 0x27) || (address >= 0x100 && address < 0x110) ||
               (address >= 0x120 && address < 0x130) || (address >= 0x140 && address < 0x150) ||
               address == 0x195 || address == 0x19C;
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
    ASSERT_TRUE(NewData(data, ModelOf(2)).Ok());
    const EncodeResult result = PrepareOutgoingImage(data, ModelOf(2));
    ASSERT_TRUE(result.Ok()) << result.FailedField;
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
    ASSERT_TRUE(NewData(data, ModelOf(2)).Ok());
    DisableAll(data.Settings.CHUSA);
    data.Settings.DscBasicSetup.UserMmsi = "211000001";
    data.Settings.AtisCallSign[0].MID = "211";
    const EncodeResult result = PrepareOutgoingImage(data, ModelOf(2));
    ASSERT_TRUE(result.Ok()) << result.FailedField;
    EXPECT_EQ(data.MemoryImage[0x00C0], 0);
    EXPECT_EQ(BytesAt(data.MemoryImage, 0x0021, 6), (Bytes{1, 0, 0, 0x1E, 0, 0x1E}));
    EXPECT_EQ(data.MemoryImage[0x0195], 1);
    EXPECT_EQ(data.MemoryImage[0x019C], 0xAA);
}

TEST(PrepareOutgoingImageTest, EncoderFailureLeavesTheImageUntouched) {
    RadioData data;
    ASSERT_TRUE(NewData(data, ModelOf(2)).Ok());
    data.MemoryImage[0x0021] = 0x00;
    data.MemoryImage[0x00C0] = 0x00;
    data.MemoryImage[0x005F] = 0x99;
    data.Settings.CommonSetup.ResumeTime = 300;
    data.Settings.DscBasicSetup.UserMmsi = "211000001";
    const Image before = data.MemoryImage;
    const EncodeResult result = PrepareOutgoingImage(data, ModelOf(2));
    EXPECT_FALSE(result.Ok());
    EXPECT_EQ(data.MemoryImage, before);
}

} // namespace
} // namespace tq58
