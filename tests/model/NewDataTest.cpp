#include "model/NewData.h"

#include "model/ChannelPlans.h"
#include "support/RadioFixtures.h"

#include <cstdio>
#include <gtest/gtest.h>

namespace tq58 {
namespace {

using Bytes = std::vector<std::uint8_t>;
using test::BytesAt;
using test::ChartChannel;
using test::ImageFilledWith;
using test::ModelOf;
using test::PositionOfLabel;

const char* const levelTableA = "00,93,AE,C0,C8,D2,DB,E1,E4,EA,ED,F0,F6,F9,FC,FF";
const Bytes levelBytesA = {0x00, 0x93, 0xAE, 0xC0, 0xC8, 0xD2, 0xDB, 0xE1,
                           0xE4, 0xEA, 0xED, 0xF0, 0xF6, 0xF9, 0xFC, 0xFF};
const Bytes levelBytesB = {0x00, 0x08, 0x1C, 0x30, 0x43, 0x57, 0x6B, 0x7B,
                           0x8C, 0x9C, 0xAA, 0xBC, 0xCB, 0xD8, 0xE0, 0xFF};
const Bytes levelBytesC = {0x00, 0x00, 0x10, 0x20, 0x30, 0x40, 0x50, 0x60,
                           0x70, 0x80, 0x90, 0xA0, 0xB0, 0xC0, 0xD0, 0xFF};

struct FixedBytes {
    int Address;
    Bytes Values;
};

Bytes Text(const std::string& text) {
    return {text.begin(), text.end()};
}

// The factory defaults of a new image, before the settings are encoded over them.
const FixedBytes fixedDefaults[] = {
    {0x0002, {0x00}},
    {0x0020, {0x00, 0x00, 0x00, 0x00, 0x1E, 0x00, 0x1E, 0x00, 0x00, 0x00, 0x00}},
    {0x002E, {0x00, 0x00}},
    {0x0035, {0x03, 0x00}},
    {0x003C, {0xFF, 0x00, 0x00}},
    {0x0046, {0x00, 0x20, 0x00, 0x20, 0x00, 0x20}},
    {0x004D, {0x00}},
    {0x0050, Bytes(6, 0x00)},
    {0x0060, {0x00, 0x00}},
    {0x00C5, Text("Radio")},
    {0x00D5, Text("Ram1")},
    {0x00E5, Text("Ram2")},
    {0x00F5, Text("CP")},
    {0x0190, Bytes(5, 0xFF)},
    {0x0195, {0x00}},
    {0x0196, Bytes(5, 0xFF)},
    {0x019B, {0xFF, 0xFF}},
    {0x01A0, {0x60, 0x10, 0x10, 0xAC, 0xFE}},
    {0x01BB, {0x00}},
    {0x01C0, {0x00, 0x00}},
    {0x0294, Bytes(8, 0x00)},
    {0x0394, Bytes(8, 0x00)},
    {0x0430, levelBytesA},
    {0x0440, levelBytesA},
    {0x0450, levelBytesB},
    {0x0490, levelBytesC},
    {0x04A0, levelBytesA},
    {0x0E00, Bytes(0x0400, 0x00)},
};

// What the encoder writes over the defaults for the record new data makes.
const FixedBytes encodedSettings[] = {
    {0x002B, {0xB8}},
    {0x002D, {0xFF}},
    {0x0033, {0x01, 0x01}},
    {0x0040, {0xFF}},
    {0x00C0, {0x01, 0xFF, 0xFF, 0xFF, 0xFF}},
    {0x00D0, {0x01, 0xFF, 0xFF, 0xFF, 0xFF}},
    {0x00E0, {0x01, 0xFF, 0xFF, 0xFF, 0xFF}},
    {0x00F0, {0x00, 0xFF, 0xFF, 0xFF, 0xFF}},
    {0x0180, {0x01, 0x01, 0x01, 0x01, 0x01}},
    {0x01A7, {0x01, 0x01, 0x01, 0x01}},
    {0x01CD, {0x01, 0x01}},
    {0x01D0, {0x7F, 0xFF, 0xFF, 0x01, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}},
    {0x01E0, {0x7F, 0xFF, 0xFF, 0x01, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}},
    {0x0290, {0xFF, 0xC0}},
    {0x0390, {0x00, 0x00}},
};

void Put(Image& image, const FixedBytes& bytes) {
    std::copy(bytes.Values.begin(), bytes.Values.end(), image.begin() + bytes.Address);
}

std::uint8_t PlanAttribute(const ChartChannel& channel, int position) {
    if (channel.ReceiveOnly) {
        return 0x00;
    }
    const bool duplex = channel.Duplex && position % 2 == 0;
    return (channel.LowPower ? 0x40 : 0xC0) | (duplex ? 0x20 : 0x00);
}

void PutPlan(Image& image, const std::vector<ChartChannel>& chart, int enableBitmap, int names,
             int entries) {
    for (int n = 0; n < 30; ++n) {
        image[enableBitmap + n] = 0x00;
        image[enableBitmap + 0x100 + n] = 0x00;
    }
    for (int position = 0; position < 240; ++position) {
        image[entries + 2 * position] = 0xC0;
    }
    for (const ChartChannel& channel : chart) {
        const int position = PositionOfLabel(channel.Label);
        image[enableBitmap + position / 8] |= 0x80 >> (position % 8);
        image[entries + 2 * position] = PlanAttribute(channel, position);
        Put(image, {names + 16 * position, Text(channel.Tag)});
    }
}

void PutWeatherNames(Image& image) {
    const char* const names[] = {"162.550MHZ", "162.400MHZ", "162.475MHZ", "162.425MHZ",
                                 "162.450MHZ", "162.500MHZ", "162.525MHZ", "161.650MHZ",
                                 "161.775MHZ", "163.275MHZ"};
    for (int n = 0; n < 10; ++n) {
        Put(image, {0x4D00 + 16 * n, Text(names[n])});
    }
}

void PutExpDisplays(Image& image) {
    for (int j = 0; j < 64; ++j) {
        Put(image, {0x0E02 + 16 * j, Text("   ")});
    }
}

Image ExpectedNewImage(std::uint8_t codeHigh, std::uint8_t codeLow) {
    Image image = ImageFilledWith(0xFF);
    for (const FixedBytes& bytes : fixedDefaults) {
        Put(image, bytes);
    }
    Put(image, {0x0000, {codeHigh, codeLow}});
    Put(image, {0x7FFE, {codeHigh, codeLow}});
    for (const FixedBytes& bytes : encodedSettings) {
        Put(image, bytes);
    }
    PutPlan(image, test::UsaChart(), 0x0200, 0x1700, 0x0500);
    PutPlan(image, test::InternationalChart(), 0x0230, 0x2900, 0x0800);
    PutPlan(image, test::CanadaChart(), 0x0260, 0x3B00, 0x0B00);
    PutWeatherNames(image);
    PutExpDisplays(image);
    return image;
}

std::string Differences(const Image& expected, const Image& actual) {
    std::string report;
    int shown = 0;
    for (int address = 0; address < ImageSize && shown < 20; ++address) {
        if (expected[address] != actual[address]) {
            char line[64];
            std::snprintf(line, sizeof line, "0x%04X: expected %02X, got %02X\n", address,
                          expected[address], actual[address]);
            report += line;
            ++shown;
        }
    }
    return report;
}

struct ModelCase {
    int ModelType;
    std::uint8_t CodeHigh, CodeLow;
};

class NewDataModelTest : public ::testing::TestWithParam<ModelCase> {
protected:
    RadioData data;

    void MakeNewData() {
        const EncodeResult result = NewData(data, ModelOf(GetParam().ModelType));
        ASSERT_TRUE(result.Ok()) << result.FailedField;
    }
};

TEST_P(NewDataModelTest, ImageIsTheFactoryDefaultsWithTheSettingsEncoded) {
    MakeNewData();
    EXPECT_EQ(
        Differences(ExpectedNewImage(GetParam().CodeHigh, GetParam().CodeLow), data.MemoryImage),
        "");
    EXPECT_EQ(data.ImageLastAddress, 32767);
}

TEST_P(NewDataModelTest, ImageDoesNotDependOnWhatWasThereBefore) {
    data.MemoryImage = ImageFilledWith(0x3C);
    data.Settings.CHMMSID[0] = {true, "OLD", "123456789"};
    data.Settings.CHUSA.resize(5);
    data.Settings.AtisCallSign[3] = {"ABC", "DEF"};
    MakeNewData();
    EXPECT_EQ(
        Differences(ExpectedNewImage(GetParam().CodeHigh, GetParam().CodeLow), data.MemoryImage),
        "");
}

TEST_P(NewDataModelTest, SettingGroupsTakeTheDefaults) {
    MakeNewData();
    const SettingsRecord& s = data.Settings;
    for (int g = 0; g < 4; ++g) {
        SCOPED_TRACE(g);
        EXPECT_EQ(s.UsableChGroup[g].Enable, g != 3);
        EXPECT_FALSE(s.UsableChGroup[g].TxTot);
        EXPECT_EQ(s.UsableChGroup[g].StatusName, "");
        if (g < 3) {
            EXPECT_EQ(s.UsableChGroup[g].PriorityCh, 32);
        }
    }
    EXPECT_EQ(s.UsableChGroup[3].ExpChGroup, (std::array<bool, 3>{}));
    const CommonSetupRecord& c = s.CommonSetup;
    EXPECT_EQ(c.TxPoDisplay, 0);
    EXPECT_TRUE(c.Scan);
    EXPECT_EQ(c.ResumeTime, 3);
    EXPECT_TRUE(c.PttScanClear);
    EXPECT_EQ(c.OffsetTime, 24);
    EXPECT_EQ(c.MagneticVariation, 255);
    EXPECT_EQ(c.Weater, 255);
    EXPECT_FALSE(c.Rotary);
}

TEST_P(NewDataModelTest, DscAndAtisTakeTheDefaults) {
    MakeNewData();
    const SettingsRecord& s = data.Settings;
    using Four = std::array<bool, 4>;
    EXPECT_EQ(s.DscBasicSetup.DscChGroup, (Four{true, true, true, true}));
    EXPECT_EQ(s.DscBasicSetup.UserMmsi, "");
    EXPECT_EQ(s.DscBasicSetup.PosRequest, (Four{true, true, true, true}));
    EXPECT_FALSE(s.DscBasicSetup.PosRequestTX[2]);
    EXPECT_FALSE(s.DscBasicSetup.PosRequestTX[3]);
    for (int i = 0; i < 7; ++i) {
        EXPECT_TRUE(s.DscBasicSetup.BeepOut[i]) << i;
    }
    const DscAdvancedSetupRecord& a = s.DscAdvancedSetup;
    EXPECT_EQ(a.AllShipsCall, (Four{false, true, true, false}));
    EXPECT_EQ(a.GroupCall, (Four{false, false, false, true}));
    EXPECT_EQ(a.IndividualCall, (Four{false, false, false, true}));
    EXPECT_EQ(a.AllShipsCallTX, Four{});
    EXPECT_EQ(a.GroupCallTX, Four{});
    EXPECT_EQ(a.IndividualCallTX, Four{});
    EXPECT_EQ(s.DscDisplaySetup, (DscDisplaySetupRecord{true, true, true}));
    EXPECT_EQ(s.AtisCommon.AtisChGroup, (Four{true, true, true, true}));
    EXPECT_EQ(s.AtisCommon.AtisKillerChGroup, (Four{true, true, true, true}));
    EXPECT_EQ(s.AtisCommon.AtisCode, "");
    for (const AtisCallSignEntry& entry : s.AtisCallSign) {
        EXPECT_EQ(entry, AtisCallSignEntry{});
    }
}

TEST_P(NewDataModelTest, AutoPosTakesTheDefaults) {
    MakeNewData();
    const AutoPosSetupRecord& p = data.Settings.AutoPosSetup;
    EXPECT_TRUE(p.MENUDISPLAY);
    for (const AutoPosEntry& entry : p.Entry) {
        EXPECT_TRUE(entry.ENABLE);
        EXPECT_TRUE(entry.RCENABLE);
        EXPECT_EQ(entry.CHANNEL, 32767);
        EXPECT_EQ(entry.INTERVAL, 255);
        EXPECT_EQ(entry.SELECTCALL, 255);
        EXPECT_EQ(entry.MMSI, "");
    }
}

TEST_P(NewDataModelTest, ListsAreThePlansAndEmptyExpChannels) {
    data.Settings.CHUSA.assign(3, ChannelRecord{});
    data.Settings.CHWX.clear();
    data.Settings.CHEXP[7].ChTag = "OLD";
    MakeNewData();
    std::vector<ChannelRecord> usa, international, canada, weather;
    BuildPlan(usa, PlanKind::Usa);
    BuildPlan(international, PlanKind::International);
    BuildPlan(canada, PlanKind::Canada);
    BuildWxList(weather);
    EXPECT_EQ(data.Settings.CHUSA, usa);
    EXPECT_EQ(data.Settings.CHINT, international);
    EXPECT_EQ(data.Settings.CHCAN, canada);
    EXPECT_EQ(data.Settings.CHWX, weather);
    ASSERT_EQ(data.Settings.CHEXP.size(), 64u);
    for (const ChannelRecord& record : data.Settings.CHEXP) {
        EXPECT_FALSE(record.Enable || record.ScanMemory || record.TxEnable || record.LowPower ||
                     record.PowUp || record.Narrow);
        EXPECT_EQ(record.ChTag, "");
        EXPECT_EQ(record.CHDisplayL, "");
        EXPECT_EQ(record.CHDisplayR, "");
        EXPECT_EQ(record.Scramble, 0);
        EXPECT_EQ(record.Rxfreq, 0);
        EXPECT_EQ(record.Txfreq, 0);
    }
}

TEST_P(NewDataModelTest, DirectoriesAreEmptied) {
    data.Settings.CHMMSID[0] = {true, "OLD", "123456789"};
    data.Settings.CHGRPID[31] = {true, "FLEET", "012345678"};
    MakeNewData();
    for (const DirectoryRecord& entry : data.Settings.CHMMSID) {
        EXPECT_EQ(entry, DirectoryRecord{});
    }
    for (const DirectoryRecord& entry : data.Settings.CHGRPID) {
        EXPECT_EQ(entry, DirectoryRecord{});
    }
}

// Both values of each field the image does not carry survive new data.
TEST_P(NewDataModelTest, FieldsTheImageDoesNotCarryKeepTheirValues) {
    for (const bool marker : {true, false}) {
        SCOPED_TRACE(marker);
        data.Settings.CommonSetup.DualWatch = marker;
        data.Settings.DscBasicSetup.PosRequestTX[0] = marker;
        data.Settings.DscBasicSetup.PosRequestTX[1] = !marker;
        data.Settings.DscBasicSetup.BeepOut[7] = marker;
        data.Settings.AutoPosSetup.Entry[0].LASTADDRESS = marker ? 12 : 0;
        data.Settings.AutoPosSetup.Entry[1].LASTADDRESS = 200;
        MakeNewData();
        EXPECT_EQ(data.Settings.CommonSetup.DualWatch, marker);
        EXPECT_EQ(data.Settings.DscBasicSetup.PosRequestTX[0], marker);
        EXPECT_EQ(data.Settings.DscBasicSetup.PosRequestTX[1], !marker);
        EXPECT_EQ(data.Settings.DscBasicSetup.BeepOut[7], marker);
        EXPECT_EQ(data.Settings.AutoPosSetup.Entry[0].LASTADDRESS, marker ? 12 : 0);
        EXPECT_EQ(data.Settings.AutoPosSetup.Entry[1].LASTADDRESS, 200);
    }
}

INSTANTIATE_TEST_SUITE_P(NewDataTest, NewDataModelTest,
                         ::testing::Values(ModelCase{1, 0x1C, 0x20}, ModelCase{2, 0x1E, 0x14},
                                           ModelCase{11, 0x1E, 0x14}),
                         [](const auto& info) {
                             return "Model" + std::to_string(info.param.ModelType);
                         });

TEST(NewDataTest, DefaultImageLoaderRunsLastAndItsDataStands) {
    RadioData data;
    int calls = 0;
    const auto loader = [&calls](RadioData& loaded) {
        ++calls;
        EXPECT_EQ(BytesAt(loaded.MemoryImage, 0x0000, 2), (Bytes{0x1E, 0x14}));
        EXPECT_EQ(loaded.MemoryImage[0x00F0], 0x00);
        EXPECT_EQ(loaded.Settings.CHUSA.size(), 240u);
        loaded.MemoryImage[0x0400] = 0x42;
        loaded.MemoryImage[0x0028] = 7;
        loaded.Settings.CommonSetup.TxPoDisplay = 7;
    };
    const EncodeResult result = NewData(data, ModelOf(2), loader);
    EXPECT_TRUE(result.Ok()) << result.FailedField;
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(data.MemoryImage[0x0400], 0x42);
    EXPECT_EQ(data.MemoryImage[0x0028], 7);
    EXPECT_EQ(data.Settings.CommonSetup.TxPoDisplay, 7);
}

TEST(NewDataTest, UnknownModelLeavesTheImageUnfilled) {
    RadioData data;
    data.MemoryImage = ImageFilledWith(0x5A);
    data.ImageLastAddress = 1234;
    const EncodeResult result = NewData(data, ModelOf(5));
    EXPECT_TRUE(result.Ok()) << result.FailedField;
    EXPECT_EQ(data.ImageLastAddress, 1234);
    EXPECT_EQ(BytesAt(data.MemoryImage, 0x0000, 3), (Bytes{0x5A, 0x5A, 0x5A}));
    EXPECT_EQ(BytesAt(data.MemoryImage, 0x7FFE, 2), (Bytes{0x5A, 0x5A}));
    EXPECT_EQ(BytesAt(data.MemoryImage, 0x0430, 2), (Bytes{0x5A, 0x5A}));
    EXPECT_EQ(BytesAt(data.MemoryImage, 0x5F00, 2), (Bytes{0x5A, 0x5A}));
    EXPECT_EQ(data.Settings.CommonSetup.TxPoDisplay, 0x5A);
    EXPECT_TRUE(data.Settings.UsableChGroup[3].Enable);
    EXPECT_EQ(data.MemoryImage[0x00F0], 0x01);
    EXPECT_EQ(data.Settings.CHUSA[32].ChTag, "DISTRESS");
    EXPECT_EQ(BytesAt(data.MemoryImage, 0x1700 + 16 * 32, 9), Text("DISTRESS\xFF"));
}

TEST(NewDataTest, UnknownModelOnAFreshImageKeepsItZero) {
    RadioData data;
    const EncodeResult result = NewData(data, ModelOf(0));
    EXPECT_TRUE(result.Ok()) << result.FailedField;
    EXPECT_EQ(data.ImageLastAddress, 0);
    EXPECT_EQ(BytesAt(data.MemoryImage, 0x0000, 2), (Bytes{0x00, 0x00}));
    EXPECT_EQ(BytesAt(data.MemoryImage, 0x7FFE, 2), (Bytes{0x00, 0x00}));
    EXPECT_EQ(data.Settings.CommonSetup.OffsetTime, 0);
    EXPECT_EQ(data.MemoryImage[0x002B], 0x20);
}

TEST(FillImageTest, BlanksEveryByteAndSetsTheLastAddress) {
    RadioData data;
    data.MemoryImage[100] = 7;
    FillImage(data);
    EXPECT_EQ(data.MemoryImage, ImageFilledWith(0xFF));
    EXPECT_EQ(data.ImageLastAddress, 32767);
}

TEST(WriteLevelTableTest, WritesSixteenHexadecimalBytes) {
    Image image = ImageFilledWith(0x11);
    WriteLevelTable(image, 0x0430, levelTableA);
    EXPECT_EQ(BytesAt(image, 0x0430, 16), levelBytesA);
    EXPECT_EQ(image[0x042F], 0x11);
    EXPECT_EQ(image[0x0440], 0x11);
}

TEST(WriteLevelTableTest, IgnoresATableOfAnyOtherLength) {
    Image image = ImageFilledWith(0x11);
    WriteLevelTable(image, 0x0430, "00,93,AE,C0,C8,D2,DB,E1,E4,EA,ED,F0,F6,F9,FC");
    WriteLevelTable(image, 0x0430, "00,93,AE,C0,C8,D2,DB,E1,E4,EA,ED,F0,F6,F9,FC,FF,00");
    WriteLevelTable(image, 0x0430, "");
    EXPECT_EQ(image, ImageFilledWith(0x11));
}

} // namespace
} // namespace tq58
