#include "model/NewData.h"

#include "model/ChannelPlans.h"
#include "support/RadioFixtures.h"

#include <bit>
#include <cstdio>
#include <gtest/gtest.h>
#include <sstream>

namespace tq58 {
namespace {

using test::Bytes;
using test::BytesAt;
using test::ImageFilledWith;
using test::ModelOf;
using Four = std::array<bool, 4>;

Bytes Text(const std::string& text) {
    return {text.begin(), text.end()};
}

Bytes Hex(const std::string& text) {
    std::istringstream in(text);
    Bytes bytes;
    for (unsigned value = 0; in >> std::hex >> value;) {
        bytes.push_back(static_cast<std::uint8_t>(value));
    }
    return bytes;
}

const char* const levelA = "00 93 AE C0 C8 D2 DB E1 E4 EA ED F0 F6 F9 FC FF";
const char* const levelB = "00 08 1C 30 43 57 6B 7B 8C 9C AA BC CB D8 E0 FF";
const char* const levelC = "00 00 10 20 30 40 50 60 70 80 90 A0 B0 C0 D0 FF";

// The factory defaults of a new image and, from 0x002B on, what the encoder writes over
// them for the new record; everything else is 0xFF. Plan lists are checked separately.
const std::pair<int, int> zeroRuns[] = {{0x0020, 11}, {0x0050, 6},  {0x0294, 8},  {0x0394, 8},
                                        {0x0300, 30}, {0x0330, 30}, {0x0360, 30}, {0x0E00, 0x400}};
const std::pair<int, const char*> newImageHex[] = {
    {0x0002, "00"},          {0x0024, "1E 00 1E"},
    {0x002E, "00 00"},       {0x0035, "03 00"},
    {0x003C, "FF 00 00"},    {0x0046, "00 20 00 20 00 20"},
    {0x004D, "00"},          {0x0060, "00 00"},
    {0x0195, "00"},          {0x01A0, "60 10 10 AC FE"},
    {0x01BB, "00"},          {0x01C0, "00 00"},
    {0x0430, levelA},        {0x0440, levelA},
    {0x0450, levelB},        {0x0490, levelC},
    {0x04A0, levelA},        {0x002B, "B8"},
    {0x0033, "01 01"},       {0x00C0, "01"},
    {0x00D0, "01"},          {0x00E0, "01"},
    {0x00F0, "00"},          {0x0180, "01 01 01 01 01"},
    {0x01A7, "01 01 01 01"}, {0x01CD, "01 01"},
    {0x01D0, "7F FF FF 01"}, {0x01E0, "7F FF FF 01"},
    {0x0290, "FF C0"},       {0x0390, "00 00"}};
const std::pair<int, const char*> newImageText[] = {{0x00C5, "Radio"},      {0x00D5, "Ram1"},
                                                    {0x00E5, "Ram2"},       {0x00F5, "CP"},
                                                    {0x4D00, "162.550MHZ"}, {0x4D90, "163.275MHZ"}};

// Plan enable bitmaps, attribute bytes and names come from the channel plans.
bool IsPlanByte(int address) {
    for (int group = 0; group < 3; ++group) {
        const int entries = 0x0500 + 0x300 * group;
        const int names = 0x1700 + 0x1200 * group;
        if ((address >= 0x0200 + 0x30 * group && address < 0x021E + 0x30 * group) ||
            (address >= entries && address < entries + 480 && address % 2 == 0) ||
            (address >= names && address < names + 240 * 16)) {
            return true;
        }
    }
    return address >= 0x4D10 && address < 0x4D90; // weather names 2-9
}

std::string Differences(const Image& expected, const Image& actual) {
    std::string report;
    for (int address = 0, shown = 0; address < ImageSize && shown < 20; ++address) {
        if (expected[address] != actual[address] && !IsPlanByte(address)) {
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
        const Outcome result = NewData(data, ModelOf(GetParam().ModelType));
        ASSERT_TRUE(result.Ok) << result.LogDetail;
    }
};

TEST_P(NewDataModelTest, ImageIsTheFactoryDefaultsWithTheSettingsEncoded) {
    data.MemoryImage = ImageFilledWith(0x3C); // what was there before does not matter
    data.Settings.CHUSA.resize(5);
    MakeNewData();
    Image expected = ImageFilledWith(0xFF);
    for (const auto& [address, count] : zeroRuns) {
        test::PutBytes(expected, address, Bytes(count, 0x00));
    }
    for (const auto& [address, hex] : newImageHex) {
        test::PutBytes(expected, address, Hex(hex));
    }
    for (const auto& [address, text] : newImageText) {
        test::PutText(expected, address, text);
    }
    const Bytes code = {GetParam().CodeHigh, GetParam().CodeLow};
    test::PutBytes(expected, 0x0000, code);
    test::PutBytes(expected, 0x7FFE, code);
    for (int j = 0; j < 64; ++j) {
        test::PutText(expected, 0x0E02 + 16 * j, "   ");
    }
    EXPECT_EQ(Differences(expected, data.MemoryImage), "");
    EXPECT_EQ(data.ImageLastAddress, 32767);

    const Image& image = data.MemoryImage;
    const int enabledCounts[] = {51, 57, 59};
    for (int group = 0; group < 3; ++group) {
        int enabled = 0;
        for (int i = 0; i < 30; ++i) {
            enabled += std::popcount(image[0x0200 + 0x30 * group + i]);
        }
        EXPECT_EQ(enabled, enabledCounts[group]) << group;
        const int names = 0x1700 + 0x1200 * group;
        EXPECT_EQ(BytesAt(image, names + 16 * 32, 9), Text("DISTRESS\xFF")) << group;
        EXPECT_EQ(BytesAt(image, names + 16 * 140, 4), Text("DSC\xFF")) << group;
        EXPECT_EQ(BytesAt(image, names, 16), Bytes(16, 0xFF)) << group;
        // Channel 00 is not in any plan; 16 transmits; 70 receives only.
        const int entries = 0x0500 + 0x300 * group;
        EXPECT_EQ(BytesAt(image, entries, 2), (Bytes{0xC0, 0xFF})) << group;
        EXPECT_EQ(image[entries + 2 * 32], 0xC0) << group;
        EXPECT_EQ(image[entries + 2 * 140], 0x00) << group;
    }
    EXPECT_EQ(BytesAt(image, 0x0200, 1), Bytes{0x10}); // 01A
    EXPECT_EQ(BytesAt(image, 0x0230, 1), Bytes{0x2A}); // 01, 02, 03
    EXPECT_EQ(image[0x0500 + 2 * 40], 0xE0);           // USA 20: duplex
    EXPECT_EQ(image[0x0B00 + 2 * 40], 0x60);           // Canada 20: + low
    EXPECT_EQ(BytesAt(image, 0x3B00 + 16 * 12, 6), Text("SAFETY"));
}

TEST_P(NewDataModelTest, RecordTakesTheDefaults) {
    data.Settings.CHMMSID[0] = {true, "OLD", "123456789"};
    data.Settings.CHGRPID[31] = {true, "FLEET", "012345678"};
    data.Settings.AtisCallSign[3] = {"ABC", "DEF"};
    data.Settings.CHWX.clear();
    data.Settings.CHEXP[7].ChTag = "OLD";
    MakeNewData();
    const SettingsRecord& s = data.Settings;
    for (int g = 0; g < 3; ++g) {
        EXPECT_EQ(s.UsableChGroup[g], (UsableGroupRecord{true, false, 32, "", {}})) << g;
    }
    EXPECT_FALSE(s.UsableChGroup[3].Enable || s.UsableChGroup[3].TxTot);
    EXPECT_EQ(s.UsableChGroup[3].ExpChGroup, (std::array<bool, 3>{}));
    EXPECT_EQ(s.CommonSetup,
              (CommonSetupRecord{0, true, 3, true, s.CommonSetup.DualWatch, 24, 255, 255, false}));
    EXPECT_EQ(s.DscBasicSetup.DscChGroup, (Four{true, true, true, true}));
    EXPECT_EQ(s.DscBasicSetup.UserMmsi, "");
    EXPECT_EQ(s.DscBasicSetup.PosRequest, (Four{true, true, true, true}));
    EXPECT_FALSE(s.DscBasicSetup.PosRequestTX[2] || s.DscBasicSetup.PosRequestTX[3]);
    for (int i = 0; i < 7; ++i) {
        EXPECT_TRUE(s.DscBasicSetup.BeepOut[i]) << i;
    }
    EXPECT_EQ(s.DscAdvancedSetup,
              (DscAdvancedSetupRecord{{0, 1, 1, 0}, {}, {0, 0, 0, 1}, {}, {0, 0, 0, 1}, {}}));
    EXPECT_EQ(s.DscDisplaySetup, (DscDisplaySetupRecord{true, true, true}));
    EXPECT_EQ(s.AtisCommon,
              (AtisCommonRecord{{true, true, true, true}, "", {true, true, true, true}}));
    EXPECT_EQ(s.AtisCallSign, decltype(s.AtisCallSign){});
    EXPECT_TRUE(s.AutoPosSetup.MENUDISPLAY);
    for (const AutoPosEntry& e : s.AutoPosSetup.Entry) {
        EXPECT_EQ(std::tuple(e.ENABLE, e.RCENABLE, e.CHANNEL, e.INTERVAL, e.SELECTCALL, e.MMSI),
                  std::tuple(true, true, 32767L, 255, 255, std::string()));
    }
    std::vector<ChannelRecord> usa, weather;
    BuildPlan(usa, PlanKind::Usa);
    BuildWxList(weather);
    EXPECT_EQ(s.CHUSA, usa);
    EXPECT_EQ(s.CHWX, weather);
    ASSERT_EQ(s.CHEXP.size(), 64u);
    for (const ChannelRecord& r : s.CHEXP) {
        ChannelRecord blank; // only the fields the image does not carry may differ
        blank.Position = r.Position;
        blank.Duplex = r.Duplex;
        blank.DuplexCapable = r.DuplexCapable;
        blank.DispayA = r.DispayA;
        blank.RxOnly = r.RxOnly;
        EXPECT_EQ(r, blank);
    }
    EXPECT_EQ(s.CHMMSID, decltype(s.CHMMSID){});
    EXPECT_EQ(s.CHGRPID, decltype(s.CHGRPID){});
}

// Both values of each field the image does not carry survive new data.
TEST_P(NewDataModelTest, FieldsTheImageDoesNotCarryKeepTheirValues) {
    for (const bool marker : {true, false}) {
        SettingsRecord& s = data.Settings;
        s.CommonSetup.DualWatch = marker;
        s.DscBasicSetup.PosRequestTX[0] = marker;
        s.DscBasicSetup.PosRequestTX[1] = !marker;
        s.DscBasicSetup.BeepOut[7] = marker;
        s.AutoPosSetup.Entry[0].LASTADDRESS = marker ? 12 : 0;
        s.AutoPosSetup.Entry[1].LASTADDRESS = 200;
        MakeNewData();
        EXPECT_EQ(std::tuple(s.CommonSetup.DualWatch, s.DscBasicSetup.PosRequestTX[0],
                             s.DscBasicSetup.PosRequestTX[1], s.DscBasicSetup.BeepOut[7],
                             s.AutoPosSetup.Entry[0].LASTADDRESS,
                             s.AutoPosSetup.Entry[1].LASTADDRESS),
                  std::tuple(marker, marker, !marker, marker, marker ? 12L : 0L, 200L));
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
    const Outcome result = NewData(data, ModelOf(2), loader);
    EXPECT_TRUE(result.Ok) << result.LogDetail;
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(BytesAt(data.MemoryImage, 0x0028, 1), Bytes{7});
    EXPECT_EQ(data.MemoryImage[0x0400], 0x42);
    EXPECT_EQ(data.Settings.CommonSetup.TxPoDisplay, 7);
}

TEST(NewDataTest, UnknownModelLeavesTheImageUnfilled) {
    for (const std::uint8_t fill : {0x5A, 0x00}) {
        RadioData data;
        data.MemoryImage = ImageFilledWith(fill);
        data.ImageLastAddress = fill == 0 ? 0 : 1234;
        const Outcome result = NewData(data, ModelOf(fill == 0 ? 0 : 5));
        EXPECT_TRUE(result.Ok) << result.LogDetail;
        EXPECT_EQ(data.ImageLastAddress, fill == 0 ? 0 : 1234);
        for (const int address : {0x0000, 0x7FFE, 0x0430, 0x5F00}) {
            EXPECT_EQ(BytesAt(data.MemoryImage, address, 2), Bytes(2, fill)) << address;
        }
        if (fill == 0) {
            EXPECT_EQ(data.Settings.CommonSetup.OffsetTime, 0);
            EXPECT_EQ(data.MemoryImage[0x002B], 0x20);
            continue;
        }
        // The record is still encoded: plans, and no group check for unknown models.
        EXPECT_EQ(data.MemoryImage[0x0002], 0x5A);
        EXPECT_EQ(data.Settings.CommonSetup.TxPoDisplay, 0x5A);
        EXPECT_EQ(data.Settings.CHUSA[32].ChTag, "DISTRESS");
        EXPECT_EQ(BytesAt(data.MemoryImage, 0x1700 + 16 * 32, 9), Text("DISTRESS\xFF"));
        EXPECT_TRUE(data.Settings.UsableChGroup[3].Enable);
        EXPECT_EQ(data.MemoryImage[0x00F0], 0x01);
    }
}

TEST(NewDataTest, FillImageAndLevelTables) {
    RadioData data;
    data.MemoryImage[100] = 7;
    FillImage(data);
    EXPECT_EQ(data.MemoryImage, ImageFilledWith(0xFF));
    EXPECT_EQ(data.ImageLastAddress, 32767);

    Image image = ImageFilledWith(0x11);
    WriteLevelTable(image, 0x0430, "00,93,AE,C0,C8,D2,DB,E1,E4,EA,ED,F0,F6,F9,FC");
    WriteLevelTable(image, 0x0430, "00,93,AE,C0,C8,D2,DB,E1,E4,EA,ED,F0,F6,F9,FC,FF,00");
    WriteLevelTable(image, 0x0430, "");
    EXPECT_EQ(image, ImageFilledWith(0x11)); // only exactly sixteen bytes are written
    WriteLevelTable(image, 0x0430, "00,93,AE,C0,C8,D2,DB,E1,E4,EA,ED,F0,F6,F9,FC,FF");
    EXPECT_EQ(BytesAt(image, 0x042F, 18), [] {
        Bytes expected = {0x11};
        const Bytes table = Hex(levelA);
        expected.insert(expected.end(), table.begin(), table.end());
        expected.push_back(0x11);
        return expected;
    }());
}

} // namespace
} // namespace tq58
