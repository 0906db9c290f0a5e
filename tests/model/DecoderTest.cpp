#include "model/Decoder.h"

#include "support/RadioFixtures.h"

#include <cmath>
#include <gtest/gtest.h>

namespace tq58 {
namespace {

using test::DataWithPlans;
using test::ModelOf;
using test::PutBytes;
using test::PutText;

constexpr std::array<int, 3> planEntryAreas = {0x0500, 0x0800, 0x0B00};
constexpr std::array<int, 3> planNameAreas = {0x1700, 0x2900, 0x3B00};
constexpr std::array<int, 3> planEnableBitmaps = {0x0200, 0x0230, 0x0260};
constexpr std::array<int, 3> planScanBitmaps = {0x0300, 0x0330, 0x0360};

class DecoderTest : public ::testing::Test {
protected:
    RadioData data = DataWithPlans(0x00);
    ModelState model = ModelOf(2);

    SettingsRecord& Settings() { return data.Settings; }
    std::vector<ChannelRecord>& PlanList(int group) {
        std::vector<ChannelRecord>* lists[] = {&Settings().CHUSA, &Settings().CHINT,
                                               &Settings().CHCAN};
        return *lists[group];
    }
    void Decode() { DecodeImage(data, model); }
};

TEST_F(DecoderTest, BlankImageReadsEmptyTextsAndSetBits) {
    data = DataWithPlans(0xFF);
    Decode();
    const SettingsRecord& s = Settings();
    for (int g = 0; g < 3; ++g) {
        EXPECT_TRUE(s.UsableChGroup[g].Enable);
        EXPECT_TRUE(s.UsableChGroup[g].TxTot);
        EXPECT_EQ(s.UsableChGroup[g].PriorityCh, 65535);
        EXPECT_EQ(s.UsableChGroup[g].StatusName, "");
    }
    EXPECT_EQ(s.CommonSetup.OffsetTime, 31);
    EXPECT_EQ(s.CommonSetup.TxPoDisplay, 255);
    EXPECT_EQ(s.CommonSetup.MagneticVariation, 255);
    EXPECT_EQ(s.DscBasicSetup.UserMmsi, "");
    EXPECT_EQ(s.AtisCommon.AtisCode, "");
    EXPECT_EQ(s.AutoPosSetup.Entry[0].MMSI, "");
    EXPECT_EQ(s.AutoPosSetup.Entry[1].CHANNEL, 32767);
    EXPECT_EQ(s.AtisCallSign[0].MID, "");
    EXPECT_EQ(s.AtisCallSign[31].DISP, "");
    for (const ChannelRecord& record : s.CHUSA) {
        EXPECT_TRUE(record.Enable && record.ScanMemory && record.TxEnable) << record.Position;
        EXPECT_FALSE(record.LowPower) << record.Position;
        EXPECT_EQ(record.ChTag, "") << record.Position;
        EXPECT_EQ(record.Scramble, 7) << record.Position;
    }
    for (const ChannelRecord& record : s.CHEXP) {
        EXPECT_EQ(record.Rxfreq, 0);
        EXPECT_EQ(record.Txfreq, 0);
        EXPECT_EQ(record.CHDisplayL, "");
        EXPECT_TRUE(record.Narrow);
    }
    for (const DirectoryRecord& entry : s.CHMMSID) {
        EXPECT_EQ(entry, DirectoryRecord{});
    }
    for (const DirectoryRecord& entry : s.CHGRPID) {
        EXPECT_EQ(entry, DirectoryRecord{});
    }
}

TEST_F(DecoderTest, NeverChangesTheImage) {
    for (int address = 0; address < ImageSize; ++address) {
        data.MemoryImage[address] = static_cast<std::uint8_t>(address * 7 + address / 256);
    }
    const Image before = data.MemoryImage;
    Decode();
    EXPECT_EQ(data.MemoryImage, before);
}

// Fields the image does not carry survive a decode of either an all-0x00 or all-0xFF image.
class UncarriedFieldsTest : public ::testing::TestWithParam<std::uint8_t> {};

TEST_P(UncarriedFieldsTest, KeepTheirValues) {
    RadioData data = DataWithPlans(GetParam());
    SettingsRecord& s = data.Settings;
    const bool marker = GetParam() == 0x00;
    s.CommonSetup.DualWatch = marker;
    s.DscBasicSetup.PosRequestTX[0] = marker;
    s.DscBasicSetup.PosRequestTX[1] = marker;
    s.DscBasicSetup.BeepOut[7] = marker;
    s.UsableChGroup[3].PriorityCh = 1234;
    s.CHUSA[5].DispayA = marker;
    s.CHUSA[5].DuplexCapable = marker;
    s.CHINT[140].RxOnly = marker;
    s.CHEXP[0].Duplex = marker;
    s.CHWX[3].LowPower = marker;
    s.CHWX[3].Scramble = 6;
    s.CHUSA[7].Rxfreq = 150.5;
    s.CHEXP[9].Position = 10;
    s.CHEXP[9].DispayA = marker;
    const SettingsRecord before = s;

    DecodeImage(data, ModelOf(2));

    EXPECT_EQ(s.CommonSetup.DualWatch, marker);
    EXPECT_EQ(s.DscBasicSetup.PosRequestTX[0], marker);
    EXPECT_EQ(s.DscBasicSetup.PosRequestTX[1], marker);
    EXPECT_EQ(s.DscBasicSetup.BeepOut[7], marker);
    EXPECT_EQ(s.UsableChGroup[3].PriorityCh, 1234);
    EXPECT_EQ(s.CHUSA[5].DispayA, marker);
    EXPECT_EQ(s.CHUSA[5].DuplexCapable, marker);
    EXPECT_EQ(s.CHINT[140].RxOnly, marker);
    EXPECT_EQ(s.CHEXP[0].Duplex, marker);
    EXPECT_EQ(s.CHWX[3].LowPower, marker);
    EXPECT_EQ(s.CHWX[3].Scramble, 6);
    EXPECT_EQ(s.CHUSA[7].Rxfreq, 150.5);
    EXPECT_EQ(s.CHEXP[9].Position, 10);
    EXPECT_EQ(s.CHEXP[9].DispayA, marker);
    EXPECT_EQ(s.CHUSA.size(), before.CHUSA.size());
    EXPECT_EQ(s.CHWX.size(), before.CHWX.size());
    EXPECT_EQ(s.CHEXP.size(), before.CHEXP.size());
}

INSTANTIATE_TEST_SUITE_P(DecoderTest, UncarriedFieldsTest, ::testing::Values(0x00, 0xFF));

struct AttributeCase {
    std::uint8_t Byte;
    bool TxEnable, LowPower, Duplex, PowUp;
    int Scramble;
};

const AttributeCase attributeCases[] = {
    {0x00, false, false, false, false, 0}, {0x40, true, true, false, false, 0},
    {0x80, false, false, false, false, 0}, {0xC0, true, false, false, false, 0},
    {0x6A, true, true, true, false, 5},    {0x1E, false, false, false, true, 7},
    {0xA1, false, false, true, false, 0},  {0xD3, true, false, false, true, 1},
};

TEST_F(DecoderTest, AttributeByteOfEachPlanList) {
    for (int group = 0; group < 3; ++group) {
        for (std::size_t i = 0; i < std::size(attributeCases); ++i) {
            const AttributeCase& c = attributeCases[i];
            const int position = 100 + 10 * static_cast<int>(i);
            PutBytes(data.MemoryImage, planEntryAreas[group] + 2 * position, {c.Byte, 0xFF});
        }
    }
    Decode();
    for (int group = 0; group < 3; ++group) {
        for (std::size_t i = 0; i < std::size(attributeCases); ++i) {
            const AttributeCase& c = attributeCases[i];
            const ChannelRecord& record = PlanList(group)[100 + 10 * i];
            SCOPED_TRACE(::testing::Message() << "group " << group << " byte " << int(c.Byte));
            EXPECT_EQ(record.TxEnable, c.TxEnable);
            EXPECT_EQ(record.LowPower, c.LowPower);
            EXPECT_EQ(record.Duplex, c.Duplex);
            EXPECT_EQ(record.PowUp, c.PowUp);
            EXPECT_EQ(record.Scramble, c.Scramble);
        }
    }
}

TEST_F(DecoderTest, BitmapsAndNamesOfEachPlanList) {
    for (int group = 0; group < 3; ++group) {
        data.MemoryImage[planEnableBitmaps[group] + group] = 0x80 >> group;
        data.MemoryImage[planEnableBitmaps[group] + 29] = 0x01;
        data.MemoryImage[planScanBitmaps[group] + 1] = 0x40;
        PutText(data.MemoryImage, planNameAreas[group] + 16 * 3, "NAME" + std::to_string(group));
        PutText(data.MemoryImage, planNameAreas[group] + 16 * 239, "LAST CHANNEL 239");
    }
    Decode();
    for (int group = 0; group < 3; ++group) {
        SCOPED_TRACE(group);
        const auto& list = PlanList(group);
        for (int n = 0; n < 240; ++n) {
            const bool enabled = n == 9 * group || n == 239;
            EXPECT_EQ(list[n].Enable, enabled) << n;
            EXPECT_EQ(list[n].ScanMemory, n == 9) << n;
        }
        EXPECT_EQ(list[3].ChTag, "NAME" + std::to_string(group));
        EXPECT_EQ(list[239].ChTag, "LAST CHANNEL 239");
        EXPECT_EQ(list[4].ChTag, "");
    }
}

TEST_F(DecoderTest, WeatherListReadsOnlyTwoBitsOfItsSecondByte) {
    PutBytes(data.MemoryImage, 0x0290, {0x81, 0x3F});
    PutBytes(data.MemoryImage, 0x0390, {0x00, 0x40});
    PutText(data.MemoryImage, 0x4D00 + 16 * 9, "NOAA TEN");
    Decode();
    const auto& wx = Settings().CHWX;
    ASSERT_EQ(wx.size(), 10u);
    for (int n = 0; n < 10; ++n) {
        EXPECT_EQ(wx[n].Enable, n == 0 || n == 7) << n;
        EXPECT_EQ(wx[n].ScanMemory, n == 9) << n;
    }
    EXPECT_EQ(wx[9].ChTag, "NOAA TEN");
    EXPECT_EQ(wx[0].ChTag, "");
}

TEST_F(DecoderTest, ExpBitmapsReachChannelSixtyFour) {
    data.MemoryImage[0x029B] = 0x01;
    data.MemoryImage[0x0394] = 0x80;
    Decode();
    const auto& exp = Settings().CHEXP;
    for (int n = 0; n < 64; ++n) {
        EXPECT_EQ(exp[n].Enable, n == 63) << n;
        EXPECT_EQ(exp[n].ScanMemory, n == 0) << n;
    }
}

TEST_F(DecoderTest, ExpChannelRecord) {
    PutBytes(data.MemoryImage, 0x0E01, {0x71, '1', '2', 'A', 0x56, 0x02, 0x50, 0x61, 0x60, 0x00});
    PutText(data.MemoryImage, 0x4F00, "EXP ONE");
    PutBytes(data.MemoryImage, 0x11F1, {0xCE, '9', ' ', 'B', 0x99, 0x99, 0x99, 0x00, 0x00, 0x00});
    PutText(data.MemoryImage, 0x4F00 + 16 * 63, "EXP LAST");
    Decode();
    const ChannelRecord& first = Settings().CHEXP[0];
    EXPECT_TRUE(first.TxEnable);
    EXPECT_TRUE(first.LowPower);
    EXPECT_TRUE(first.PowUp);
    EXPECT_EQ(first.Scramble, 0);
    EXPECT_TRUE(first.Narrow);
    EXPECT_FALSE(first.Duplex);
    EXPECT_EQ(first.CHDisplayL, "12");
    EXPECT_EQ(first.CHDisplayR, "A");
    EXPECT_NEAR(first.Rxfreq, 156.025, 1e-9);
    EXPECT_NEAR(first.Txfreq, 161.6, 1e-9);
    EXPECT_EQ(first.ChTag, "EXP ONE");

    const ChannelRecord& last = Settings().CHEXP[63];
    EXPECT_TRUE(last.TxEnable);
    EXPECT_FALSE(last.LowPower);
    EXPECT_FALSE(last.PowUp);
    EXPECT_EQ(last.Scramble, 7);
    EXPECT_FALSE(last.Narrow);
    EXPECT_EQ(last.CHDisplayL, "9");
    EXPECT_EQ(last.CHDisplayR, "B");
    EXPECT_NEAR(last.Rxfreq, 199.9999, 1e-9);
    EXPECT_EQ(last.Txfreq, 0);
    EXPECT_EQ(last.ChTag, "EXP LAST");
}

TEST_F(DecoderTest, UsableChannelGroups) {
    PutBytes(data.MemoryImage, 0x00C0, {0x00, 'U', 'S', 'A', ' '});
    PutBytes(data.MemoryImage, 0x00D0, {0x05, 'I', 'N', 0xFF, 'X'});
    PutBytes(data.MemoryImage, 0x00E0, {0x01});
    PutBytes(data.MemoryImage, 0x00F0, {0x80, 'E', 'X', 'P', 'S'});
    data.MemoryImage[0x0036] = 0xF5;
    PutBytes(data.MemoryImage, 0x0046, {0x01, 0x02, 0x00, 0x20, 0xFF, 0xFE});
    data.MemoryImage[0x0E00] = 0x0A;
    data.MemoryImage[0x0E10] = 0x0E;
    Settings().UsableChGroup[3].PriorityCh = 77;
    Decode();
    const auto& groups = Settings().UsableChGroup;
    EXPECT_FALSE(groups[0].Enable);
    EXPECT_TRUE(groups[1].Enable);
    EXPECT_TRUE(groups[2].Enable);
    EXPECT_TRUE(groups[3].Enable);
    EXPECT_FALSE(groups[0].TxTot);
    EXPECT_TRUE(groups[1].TxTot);
    EXPECT_FALSE(groups[2].TxTot);
    EXPECT_TRUE(groups[3].TxTot);
    EXPECT_EQ(groups[0].PriorityCh, 258);
    EXPECT_EQ(groups[1].PriorityCh, 32);
    EXPECT_EQ(groups[2].PriorityCh, 65534);
    EXPECT_EQ(groups[3].PriorityCh, 77);
    EXPECT_EQ(groups[0].StatusName, "USA");
    EXPECT_EQ(groups[1].StatusName, "IN");
    EXPECT_EQ(groups[2].StatusName, "");
    EXPECT_EQ(groups[3].StatusName, "EXPS");
    EXPECT_EQ(groups[3].ExpChGroup, (std::array<bool, 3>{true, false, true}));
}

struct OffsetCase {
    std::uint8_t Byte;
    int Offset;
};

TEST_F(DecoderTest, OffsetTimeIsSignAndMagnitude) {
    const OffsetCase cases[] = {{0x38, 24}, {0x18, -24}, {0x20, 0},   {0x00, 0},  {0xC5, -5},
                                {0xE5, 5},  {0x3F, 31},  {0x1F, -31}, {0x83, -3}, {0x61, 1}};
    for (const OffsetCase& c : cases) {
        data.MemoryImage[0x002B] = c.Byte;
        Decode();
        EXPECT_EQ(Settings().CommonSetup.OffsetTime, c.Offset) << int(c.Byte);
    }
}

TEST_F(DecoderTest, CommonSetup) {
    data.MemoryImage[0x0028] = 2;
    data.MemoryImage[0x002D] = 17;
    data.MemoryImage[0x002F] = 0x40;
    data.MemoryImage[0x0033] = 0x00;
    data.MemoryImage[0x0034] = 0x02;
    data.MemoryImage[0x0035] = 9;
    data.MemoryImage[0x0040] = 200;
    Decode();
    const CommonSetupRecord& c = Settings().CommonSetup;
    EXPECT_EQ(c.TxPoDisplay, 2);
    EXPECT_EQ(c.MagneticVariation, 17);
    EXPECT_TRUE(c.Rotary);
    EXPECT_FALSE(c.Scan);
    EXPECT_TRUE(c.PttScanClear);
    EXPECT_EQ(c.ResumeTime, 9);
    EXPECT_EQ(c.Weater, 200);
}

struct BitCase {
    int Address;
    std::uint8_t Byte;
    const char* Field;
    int Entry;
};

// Which single field one set bit turns on.
const BitCase dscBitCases[] = {
    {0x01A3, 0x04, "PosRequest", 0},   {0x01A3, 0x08, "PosRequest", 1},
    {0x01A3, 0x80, "PosRequest", 2},   {0x01A3, 0x20, "PosRequest", 3},
    {0x01A3, 0x40, "PosRequestTX", 2}, {0x01A3, 0x10, "PosRequestTX", 3},
    {0x01A4, 0x80, "BeepOut", 0},      {0x01A4, 0x40, "BeepOut", 1},
    {0x01A4, 0x20, "BeepOut", 4},      {0x01A7, 0x01, "BeepOut", 2},
    {0x01A8, 0x10, "BeepOut", 3},      {0x01A9, 0x02, "BeepOut", 5},
    {0x01AA, 0xFF, "BeepOut", 6},      {0x01A4, 0x08, "Display", 0},
    {0x01A4, 0x04, "Display", 1},      {0x01A4, 0x02, "Display", 2},
    {0x0180, 0x01, "DscChGroup", 0},   {0x0181, 0x80, "DscChGroup", 1},
    {0x0182, 0x02, "DscChGroup", 2},   {0x0183, 0x01, "DscChGroup", 3},
};

std::vector<std::string> SetDscFields(const SettingsRecord& s) {
    std::vector<std::string> set;
    auto collect = [&set](const char* name, const auto& entries) {
        for (std::size_t i = 0; i < entries.size(); ++i) {
            if (entries[i]) {
                set.push_back(std::string(name) + std::to_string(i));
            }
        }
    };
    collect("PosRequest", s.DscBasicSetup.PosRequest);
    collect("PosRequestTX", s.DscBasicSetup.PosRequestTX);
    collect("BeepOut", s.DscBasicSetup.BeepOut);
    collect("Display", s.DscDisplaySetup);
    collect("DscChGroup", s.DscBasicSetup.DscChGroup);
    return set;
}

TEST_F(DecoderTest, EachDscBitSetsItsOwnField) {
    for (const BitCase& c : dscBitCases) {
        RadioData fresh = DataWithPlans(0x00);
        fresh.MemoryImage[c.Address] = c.Byte;
        DecodeImage(fresh, model);
        EXPECT_EQ(SetDscFields(fresh.Settings),
                  std::vector<std::string>{std::string(c.Field) + std::to_string(c.Entry)})
            << std::hex << c.Address << " " << int(c.Byte);
    }
}

TEST_F(DecoderTest, DscCallAcceptanceAndTransmitBits) {
    PutBytes(data.MemoryImage, 0x01A0, {0x81, 0x42, 0x24});
    Decode();
    const DscAdvancedSetupRecord& a = Settings().DscAdvancedSetup;
    using Four = std::array<bool, 4>;
    EXPECT_EQ(a.AllShipsCall, (Four{true, false, false, false}));
    EXPECT_EQ(a.AllShipsCallTX, (Four{false, false, false, true}));
    EXPECT_EQ(a.GroupCall, (Four{false, true, false, false}));
    EXPECT_EQ(a.GroupCallTX, (Four{false, false, true, false}));
    EXPECT_EQ(a.IndividualCall, (Four{false, false, true, false}));
    EXPECT_EQ(a.IndividualCallTX, (Four{false, true, false, false}));
}

TEST_F(DecoderTest, UserMmsiAndAtisCode) {
    PutBytes(data.MemoryImage, 0x0190, {0x12, 0x34, 0x56, 0x78, 0x90});
    PutBytes(data.MemoryImage, 0x0196, {0x91, 0x23, 0x45, 0x67, 0x89});
    Decode();
    EXPECT_EQ(Settings().DscBasicSetup.UserMmsi, "1234567890");
    EXPECT_EQ(Settings().AtisCommon.AtisCode, "9123456789");
}

TEST_F(DecoderTest, AutoPosEntries) {
    data.MemoryImage[0x0184] = 0x10;
    PutBytes(data.MemoryImage, 0x01C6, {11, 12, 13, 14});
    PutBytes(data.MemoryImage, 0x01CD, {0x00, 0x03});
    PutBytes(data.MemoryImage, 0x01D0, {0x81, 0x23, 30, 0x01, 0x21, 0x10, 0x00, 0x00, 0x1F, 0x00});
    PutBytes(data.MemoryImage, 0x01E0, {0x7F, 0xFF, 255, 0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x01});
    Decode();
    const AutoPosSetupRecord& p = Settings().AutoPosSetup;
    EXPECT_TRUE(p.MENUDISPLAY);
    EXPECT_FALSE(p.Entry[0].ENABLE);
    EXPECT_EQ(p.Entry[0].CHANNEL, 0x0123);
    EXPECT_EQ(p.Entry[0].INTERVAL, 30);
    EXPECT_TRUE(p.Entry[0].RCENABLE);
    EXPECT_EQ(p.Entry[0].MMSI, "211000001");
    EXPECT_EQ(p.Entry[0].SELECTCALL, 0);
    EXPECT_EQ(p.Entry[0].LASTADDRESS, 11);
    EXPECT_TRUE(p.Entry[1].ENABLE);
    EXPECT_EQ(p.Entry[1].CHANNEL, 32767);
    EXPECT_EQ(p.Entry[1].INTERVAL, 255);
    EXPECT_FALSE(p.Entry[1].RCENABLE);
    EXPECT_EQ(p.Entry[1].MMSI, "");
    EXPECT_EQ(p.Entry[1].SELECTCALL, 1);
    EXPECT_EQ(p.Entry[1].LASTADDRESS, 14);
}

TEST_F(DecoderTest, LastAddressFollowsTheSelectedCallKind) {
    PutBytes(data.MemoryImage, 0x01C6, {11, 12, 13, 14});
    data.MemoryImage[0x01D9] = 1;
    data.MemoryImage[0x01E9] = 0;
    Decode();
    EXPECT_EQ(Settings().AutoPosSetup.Entry[0].LASTADDRESS, 12);
    EXPECT_EQ(Settings().AutoPosSetup.Entry[1].LASTADDRESS, 13);
}

TEST_F(DecoderTest, UnknownSelectCallKeepsLastAddress) {
    PutBytes(data.MemoryImage, 0x01C6, {11, 12, 13, 14});
    data.MemoryImage[0x01D9] = 2;
    data.MemoryImage[0x01E9] = 0xFF;
    Settings().AutoPosSetup.Entry[0].LASTADDRESS = 40;
    Settings().AutoPosSetup.Entry[1].LASTADDRESS = 41;
    Decode();
    EXPECT_EQ(Settings().AutoPosSetup.Entry[0].SELECTCALL, 2);
    EXPECT_EQ(Settings().AutoPosSetup.Entry[0].LASTADDRESS, 40);
    EXPECT_EQ(Settings().AutoPosSetup.Entry[1].LASTADDRESS, 41);
}

TEST_F(DecoderTest, AtisGroupsAndCallSigns) {
    data.MemoryImage[0x019B] = 0x5A;
    PutBytes(data.MemoryImage, 0x54F8, {'X', 'X', 'X'});
    PutBytes(data.MemoryImage, 0x5500, {'A', 0x00, 'B', ' ', '1', 'Z', 0x31, 0x32});
    PutBytes(data.MemoryImage, 0x55F8, {'9', '9', '9', 0xFF, 0xFF, '7'});
    Decode();
    using Four = std::array<bool, 4>;
    EXPECT_EQ(Settings().AtisCommon.AtisChGroup, (Four{false, true, false, true}));
    EXPECT_EQ(Settings().AtisCommon.AtisKillerChGroup, (Four{true, false, true, false}));
    EXPECT_EQ(Settings().AtisCallSign[0].MID, "AB");
    EXPECT_EQ(Settings().AtisCallSign[0].DISP, " 1Z");
    EXPECT_EQ(Settings().AtisCallSign[1].MID, "");
    EXPECT_EQ(Settings().AtisCallSign[31].MID, "999");
    EXPECT_EQ(Settings().AtisCallSign[31].DISP, "7");
}

TEST_F(DecoderTest, AtisKillerGroupsAreReadForKnownModelsOnly) {
    data.MemoryImage[0x019B] = 0x0F;
    for (const int known : {1, 2, 11}) {
        Settings().AtisCommon.AtisKillerChGroup.fill(false);
        DecodeImage(data, ModelOf(known));
        EXPECT_EQ(Settings().AtisCommon.AtisKillerChGroup, (std::array<bool, 4>{1, 1, 1, 1}))
            << known;
    }
    for (const int unknown : {0, 3, 12}) {
        Settings().AtisCommon.AtisKillerChGroup = {true, false, false, true};
        DecodeImage(data, ModelOf(unknown));
        EXPECT_EQ(Settings().AtisCommon.AtisKillerChGroup, (std::array<bool, 4>{1, 0, 0, 1}))
            << unknown;
        EXPECT_EQ(Settings().AtisCommon.AtisChGroup, (std::array<bool, 4>{})) << unknown;
    }
}

void PutDirectoryEntry(Image& image, int base, int k, std::initializer_list<std::uint8_t> mmsi,
                       const std::string& name) {
    const int address = base + 16 * (k - 1);
    PutBytes(image, address, mmsi);
    PutText(image, address + 5, name);
}

TEST_F(DecoderTest, DirectoryEndsAtTheFirstEntryWithoutMmsi) {
    data = DataWithPlans(0xFF);
    PutDirectoryEntry(data.MemoryImage, 0x5700, 1, {0x21, 0x10, 0x00, 0x01, 0x00}, "HARBOUR");
    PutDirectoryEntry(data.MemoryImage, 0x5700, 2, {0x33, 0x30, 0x12, 0x34, 0x50}, "MARINA 12345");
    PutDirectoryEntry(data.MemoryImage, 0x5700, 3, {0xFF, 0xFF, 0xFF, 0xFF, 0xFF}, "NO MMSI");
    PutDirectoryEntry(data.MemoryImage, 0x5700, 4, {0x44, 0x40, 0x00, 0x00, 0x00}, "FOUR");
    PutDirectoryEntry(data.MemoryImage, 0x5700, 5, {0x55, 0x50, 0x00, 0x00, 0x00}, "FIVE");
    Settings().CHMMSID[4].Enable = true;
    Settings().CHMMSID[79] = {true, "STALE", "123"};
    Decode();
    const auto& directory = Settings().CHMMSID;
    EXPECT_EQ(directory[0], (DirectoryRecord{true, "HARBOUR", "2110000100"}));
    EXPECT_EQ(directory[1], (DirectoryRecord{true, "MARINA 1234", "3330123450"}));
    for (int k = 3; k <= 80; ++k) {
        EXPECT_EQ(directory[k - 1], DirectoryRecord{}) << k;
    }
}

TEST_F(DecoderTest, FullGroupDirectoryIsKeptWhole) {
    for (int k = 1; k <= 32; ++k) {
        PutDirectoryEntry(data.MemoryImage, 0x6400, k, {0x01, 0x23, 0x45, 0x67, 0x80},
                          "GROUP " + std::to_string(k));
    }
    Decode();
    for (int k = 1; k <= 32; ++k) {
        EXPECT_EQ(Settings().CHGRPID[k - 1],
                  (DirectoryRecord{true, "GROUP " + std::to_string(k), "0123456780"}))
            << k;
    }
}

TEST(DecoderPartsTest, CommonPartLeavesListsAndDirectoriesAlone) {
    RadioData data = DataWithPlans(0xFF);
    data.Settings.CHMMSID[0] = {true, "KEEP", "123456789"};
    const RadioData before = data;
    DecodeCommonPart(data, ModelOf(2));
    EXPECT_EQ(data.Settings.CHUSA, before.Settings.CHUSA);
    EXPECT_EQ(data.Settings.CHWX, before.Settings.CHWX);
    EXPECT_EQ(data.Settings.CHEXP, before.Settings.CHEXP);
    EXPECT_EQ(data.Settings.CHMMSID, before.Settings.CHMMSID);
    EXPECT_EQ(data.Settings.CommonSetup.OffsetTime, 31);
}

TEST(DecoderPartsTest, ExpChannelsAloneLeaveEverythingElse) {
    RadioData data = DataWithPlans(0xFF);
    const RadioData before = data;
    DecodeExpChannels(data);
    SettingsRecord expectedRest = data.Settings;
    expectedRest.CHEXP = before.Settings.CHEXP;
    EXPECT_EQ(expectedRest, before.Settings);
    EXPECT_TRUE(data.Settings.CHEXP[0].Enable);
    EXPECT_TRUE(data.Settings.CHEXP[63].Narrow);
}

} // namespace
} // namespace tq58

namespace tq58 {
namespace {

TEST(DecoderListSizeTest, ShortListsReadTheirOwnRecordsOnly) {
    RadioData data = DataWithPlans(0xFF);
    data.Settings.CHWX.resize(3);
    data.Settings.CHEXP.resize(5);
    data.Settings.CHUSA.resize(9);
    DecodeImage(data, ModelOf(2));
    EXPECT_EQ(data.Settings.CHWX.size(), 3u);
    EXPECT_EQ(data.Settings.CHEXP.size(), 5u);
    EXPECT_EQ(data.Settings.CHUSA.size(), 9u);
    EXPECT_TRUE(data.Settings.CHEXP[4].Narrow);
    EXPECT_EQ(data.Settings.UsableChGroup[3].ExpChGroup, (std::array<bool, 3>{1, 1, 1}));
}

TEST(DecoderListSizeTest, LongListsStopAtTheLastSlot) {
    RadioData data = DataWithPlans(0xFF);
    data.Settings.CHWX.resize(12);
    data.Settings.CHEXP.resize(70);
    data.Settings.CHUSA.resize(250);
    data.Settings.CHWX[11].ChTag = "KEEP";
    data.Settings.CHEXP[69].ChTag = "KEEP";
    data.Settings.CHUSA[245].ChTag = "KEEP";
    DecodeImage(data, ModelOf(2));
    EXPECT_TRUE(data.Settings.CHWX[9].Enable);
    EXPECT_EQ(data.Settings.CHWX[11].ChTag, "KEEP");
    EXPECT_TRUE(data.Settings.CHEXP[63].Enable);
    EXPECT_FALSE(data.Settings.CHEXP[69].Enable);
    EXPECT_EQ(data.Settings.CHEXP[69].ChTag, "KEEP");
    EXPECT_TRUE(data.Settings.CHUSA[239].Enable);
    EXPECT_FALSE(data.Settings.CHUSA[245].Enable);
    EXPECT_EQ(data.Settings.CHUSA[245].ChTag, "KEEP");
}

TEST(DecoderListSizeTest, EmptyListsAreHarmless) {
    RadioData data = DataWithPlans(0xFF);
    data.Settings.CHUSA.clear();
    data.Settings.CHWX.clear();
    data.Settings.CHEXP.clear();
    DecodeImage(data, ModelOf(2));
    EXPECT_TRUE(data.Settings.CHUSA.empty());
    EXPECT_TRUE(data.Settings.CHEXP.empty());
    EXPECT_EQ(data.Settings.UsableChGroup[3].ExpChGroup, (std::array<bool, 3>{1, 1, 1}));
}

} // namespace
} // namespace tq58
