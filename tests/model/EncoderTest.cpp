#include "model/Encoder.h"

#include "support/RadioFixtures.h"

#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <ostream>

namespace tq58 {
namespace {

using Bytes = std::vector<std::uint8_t>;
using test::BytesAt;
using test::DataWithPlans;
using test::ModelOf;

constexpr std::array<int, 3> planEntryAreas = {0x0500, 0x0800, 0x0B00};
constexpr std::array<int, 3> planNameAreas = {0x1700, 0x2900, 0x3B00};

class EncoderTest : public ::testing::Test {
protected:
    RadioData data = DataWithPlans(0x5A);
    ModelState model = ModelOf(2);

    SettingsRecord& Settings() { return data.Settings; }
    Image& MemoryImage() { return data.MemoryImage; }
    std::vector<ChannelRecord>& PlanList(int group) {
        std::vector<ChannelRecord>* lists[] = {&Settings().CHUSA, &Settings().CHINT,
                                               &Settings().CHCAN};
        return *lists[group];
    }
    void Encode() {
        const EncodeResult result = EncodeImage(data, model);
        ASSERT_TRUE(result.Ok()) << result.FailedField;
    }
};

struct AttributeCase {
    bool TxEnable, LowPower, Duplex, DuplexCapable, PowUp;
    int Scramble;
    std::uint8_t Byte;
};

const AttributeCase attributeCases[] = {
    {true, true, true, true, false, 5, 0x6A},      {true, false, false, true, true, 7, 0xDE},
    {false, true, false, true, false, 0, 0x00},    {true, false, true, false, false, 0, 0xC0},
    {false, false, false, false, false, 13, 0x0A}, {false, false, true, true, true, 1, 0x32},
};

TEST_F(EncoderTest, AttributeByteOfEachPlanList) {
    MemoryImage().fill(0xFF);
    for (int group = 0; group < 3; ++group) {
        for (std::size_t i = 0; i < std::size(attributeCases); ++i) {
            const AttributeCase& c = attributeCases[i];
            ChannelRecord& record = PlanList(group)[50 + 20 * i];
            record.TxEnable = c.TxEnable;
            record.LowPower = c.LowPower;
            record.Duplex = c.Duplex;
            record.DuplexCapable = c.DuplexCapable;
            record.PowUp = c.PowUp;
            record.Scramble = c.Scramble;
        }
    }
    Encode();
    for (int group = 0; group < 3; ++group) {
        for (std::size_t i = 0; i < std::size(attributeCases); ++i) {
            const int address = planEntryAreas[group] + 2 * (50 + 20 * static_cast<int>(i));
            EXPECT_EQ(BytesAt(MemoryImage(), address, 2), (Bytes{attributeCases[i].Byte, 0xFF}))
                << "group " << group << " case " << i;
        }
    }
}

TEST_F(EncoderTest, ExpChannelRecord) {
    ChannelRecord& first = Settings().CHEXP[0];
    first.TxEnable = true;
    first.PowUp = true;
    first.Scramble = 2;
    first.Narrow = true;
    first.Duplex = true;
    first.DuplexCapable = true;
    first.CHDisplayL = "123";
    first.CHDisplayR = "AB";
    first.Rxfreq = 156.025;
    first.Txfreq = 0;
    Encode();
    EXPECT_EQ(BytesAt(MemoryImage(), 0x0E01, 15),
              (Bytes{0xD5, '1', '2', 'B', 0x56, 0x02, 0x50, 0x00, 0x00, 0x00, 0x5A, 0x5A, 0x5A,
                     0x5A, 0x5A}));
}

TEST_F(EncoderTest, ExpDisplayTextIsPaddedWithSpaces) {
    Settings().CHEXP[62].CHDisplayL = "7";
    Settings().CHEXP[63].CHDisplayL = "_1";
    Settings().CHEXP[63].CHDisplayR = "B";
    Encode();
    EXPECT_EQ(BytesAt(MemoryImage(), 0x0E02, 3), (Bytes{' ', ' ', ' '}));
    EXPECT_EQ(BytesAt(MemoryImage(), 0x11E2, 3), (Bytes{'7', ' ', ' '}));
    EXPECT_EQ(BytesAt(MemoryImage(), 0x11F2, 3), (Bytes{0xFF, '1', 'B'}));
}

TEST_F(EncoderTest, ExpTransmitDisabledIgnoresLowPower) {
    Settings().CHEXP[5].TxEnable = false;
    Settings().CHEXP[5].LowPower = true;
    Settings().CHEXP[6].TxEnable = true;
    Settings().CHEXP[6].LowPower = true;
    Encode();
    EXPECT_EQ(MemoryImage()[0x0E51], 0x00);
    EXPECT_EQ(MemoryImage()[0x0E61], 0x40);
}

TEST_F(EncoderTest, ExpGroupBitsGoIntoEveryExpRecord) {
    MemoryImage().fill(0xFF);
    Settings().UsableChGroup[3].ExpChGroup = {true, false, true};
    Encode();
    for (int j = 0; j < 64; ++j) {
        EXPECT_EQ(MemoryImage()[0x0E00 + 16 * j], 0xFB) << j;
    }
    MemoryImage().fill(0x00);
    Encode();
    for (int j = 0; j < 64; ++j) {
        EXPECT_EQ(MemoryImage()[0x0E00 + 16 * j], 0x0A) << j;
    }
}

TEST_F(EncoderTest, ListOfEightFillsOneBitmapByteAndClearsTheNext) {
    MemoryImage().fill(0xFF);
    Settings().CHWX.resize(8);
    for (ChannelRecord& record : Settings().CHWX) {
        record.Enable = false;
    }
    for (const int n : {0, 2, 7}) {
        Settings().CHWX[n].Enable = true;
    }
    Settings().CHWX[3].ScanMemory = true;
    Encode();
    EXPECT_EQ(BytesAt(MemoryImage(), 0x0290, 2), (Bytes{0xA1, 0x00}));
    EXPECT_EQ(BytesAt(MemoryImage(), 0x0390, 2), (Bytes{0x10, 0x00}));
}

TEST_F(EncoderTest, ListOfNineUsesTheTopBitOfTheSecondByte) {
    MemoryImage().fill(0xFF);
    Settings().CHWX.resize(9);
    for (ChannelRecord& record : Settings().CHWX) {
        record.Enable = false;
    }
    Settings().CHWX[8].Enable = true;
    Encode();
    EXPECT_EQ(BytesAt(MemoryImage(), 0x0290, 2), (Bytes{0x00, 0x80}));
    EXPECT_EQ(BytesAt(MemoryImage(), 0x0390, 2), (Bytes{0x00, 0x00}));
}

TEST_F(EncoderTest, WeatherListClearsTheUnusedBitsOfItsSecondByte) {
    MemoryImage().fill(0xFF);
    for (ChannelRecord& record : Settings().CHWX) {
        record.Enable = true;
        record.ScanMemory = true;
    }
    Encode();
    EXPECT_EQ(BytesAt(MemoryImage(), 0x0290, 2), (Bytes{0xFF, 0xC0}));
    EXPECT_EQ(BytesAt(MemoryImage(), 0x0390, 2), (Bytes{0xFF, 0xC0}));
}

TEST_F(EncoderTest, ShortListClearsOneByteAfterItsEndAndNoMore) {
    MemoryImage().fill(0xFF);
    Settings().CHUSA.resize(16);
    for (ChannelRecord& record : Settings().CHUSA) {
        record.Enable = true;
        record.ScanMemory = record.Position == 15;
        record.ChTag = "T";
    }
    Encode();
    EXPECT_EQ(BytesAt(MemoryImage(), 0x0200, 4), (Bytes{0xFF, 0xFF, 0x00, 0xFF}));
    EXPECT_EQ(BytesAt(MemoryImage(), 0x0300, 4), (Bytes{0x00, 0x01, 0x00, 0xFF}));
    EXPECT_EQ(MemoryImage()[0x1700 + 16 * 15], 'T');
    EXPECT_EQ(MemoryImage()[0x1700 + 16 * 16], 0xFF);
    EXPECT_EQ(MemoryImage()[0x0500 + 2 * 16], 0xFF);
}

TEST_F(EncoderTest, FullListsWriteTheirWholeBitmapsAndNothingBeyond) {
    for (std::vector<ChannelRecord>* list :
         {&Settings().CHUSA, &Settings().CHINT, &Settings().CHCAN, &Settings().CHEXP}) {
        for (ChannelRecord& record : *list) {
            record.Enable = false;
            record.ScanMemory = false;
        }
        list->back().Enable = true;
        list->back().ScanMemory = true;
    }
    Encode();
    for (const int bitmap : {0x0200, 0x0230, 0x0260, 0x0300, 0x0330, 0x0360}) {
        EXPECT_EQ(MemoryImage()[bitmap], 0x00) << std::hex << bitmap;
        EXPECT_EQ(MemoryImage()[bitmap + 29], 0x01) << std::hex << bitmap;
    }
    for (const int bitmap : {0x0294, 0x0394}) {
        EXPECT_EQ(MemoryImage()[bitmap + 7], 0x01) << std::hex << bitmap;
        EXPECT_EQ(MemoryImage()[bitmap + 8], 0x5A) << std::hex << bitmap;
    }
    EXPECT_EQ(MemoryImage()[0x0292], 0x5A);
    EXPECT_EQ(MemoryImage()[0x0392], 0x5A);
}

TEST_F(EncoderTest, NamesOfEveryList) {
    for (int group = 0; group < 3; ++group) {
        PlanList(group)[239].ChTag = "ABCDEFGHIJKLMNOPQ";
        PlanList(group)[1].ChTag = "a_b";
    }
    Settings().CHWX[9].ChTag = "WX";
    Settings().CHEXP[63].ChTag = "LAST";
    Encode();
    for (int group = 0; group < 3; ++group) {
        const std::string full = "ABCDEFGHIJKLMNOP";
        EXPECT_EQ(BytesAt(MemoryImage(), planNameAreas[group] + 16 * 239, 16),
                  Bytes(full.begin(), full.end()));
        EXPECT_EQ(BytesAt(MemoryImage(), planNameAreas[group] + 16, 4),
                  (Bytes{'a', 0xFF, 'b', 0xFF}));
        const std::string safety = group == 2 ? "SAFETY" : "SAFTY\xFF";
        EXPECT_EQ(BytesAt(MemoryImage(), planNameAreas[group] + 16 * 12, 6),
                  Bytes(safety.begin(), safety.end()));
    }
    EXPECT_EQ(BytesAt(MemoryImage(), 0x4D00 + 16 * 9, 3), (Bytes{'W', 'X', 0xFF}));
    EXPECT_EQ(BytesAt(MemoryImage(), 0x4D00, 11),
              (Bytes{'1', '6', '2', '.', '5', '5', '0', 'M', 'H', 'Z', 0xFF}));
    EXPECT_EQ(BytesAt(MemoryImage(), 0x4F00 + 16 * 63, 5), (Bytes{'L', 'A', 'S', 'T', 0xFF}));
    EXPECT_EQ(MemoryImage()[0x4F00 + 16 * 64], 0x5A);
}

TEST_F(EncoderTest, UsableChannelGroups) {
    auto& groups = Settings().UsableChGroup;
    groups[0] = {true, true, 258, "USA", {}};
    groups[1] = {false, false, -1, "IN_X", {}};
    groups[2] = {true, false, 65535, "CANADA", {}};
    groups[3] = {false, true, 4660, "EXP", {}};
    MemoryImage()[0x0036] = 0xA4;
    Encode();
    EXPECT_EQ(BytesAt(MemoryImage(), 0x00C0, 5), (Bytes{0x01, 'U', 'S', 'A', 0xFF}));
    EXPECT_EQ(BytesAt(MemoryImage(), 0x00D0, 5), (Bytes{0x00, 'I', 'N', 0xFF, 'X'}));
    EXPECT_EQ(BytesAt(MemoryImage(), 0x00E0, 6), (Bytes{0x01, 'C', 'A', 'N', 'A', 0x5A}));
    EXPECT_EQ(BytesAt(MemoryImage(), 0x00F0, 5), (Bytes{0x00, 'E', 'X', 'P', 0xFF}));
    EXPECT_EQ(MemoryImage()[0x0036], 0xA9);
    EXPECT_EQ(BytesAt(MemoryImage(), 0x0046, 8),
              (Bytes{0x01, 0x02, 0xFF, 0xFF, 0xFF, 0xFF, 0x5A, 0x5A}));
}

TEST_F(EncoderTest, GroupWithoutChannelInUseIsSwitchedOff) {
    for (ChannelRecord& record : Settings().CHINT) {
        record.Enable = false;
    }
    Settings().CHCAN.clear();
    Settings().CHEXP[40].Enable = true;
    for (UsableGroupRecord& group : Settings().UsableChGroup) {
        group.Enable = true;
    }
    Encode();
    const auto& groups = Settings().UsableChGroup;
    EXPECT_TRUE(groups[0].Enable);
    EXPECT_FALSE(groups[1].Enable);
    EXPECT_FALSE(groups[2].Enable);
    EXPECT_TRUE(groups[3].Enable);
    EXPECT_EQ(MemoryImage()[0x00C0], 1);
    EXPECT_EQ(MemoryImage()[0x00D0], 0);
    EXPECT_EQ(MemoryImage()[0x00E0], 0);
    EXPECT_EQ(MemoryImage()[0x00F0], 1);
}

TEST_F(EncoderTest, GroupCheckNeverSwitchesAGroupOn) {
    for (UsableGroupRecord& group : Settings().UsableChGroup) {
        group.Enable = false;
    }
    Settings().CHEXP[0].Enable = true;
    Encode();
    for (const UsableGroupRecord& group : Settings().UsableChGroup) {
        EXPECT_FALSE(group.Enable);
    }
    EXPECT_EQ(MemoryImage()[0x00F0], 0);
}

TEST_F(EncoderTest, GroupCheckRunsForKnownModelsOnly) {
    for (const int modelType : {0, 3, 1, 11}) {
        model = ModelOf(modelType);
        Settings().UsableChGroup[3].Enable = true;
        Encode();
        EXPECT_EQ(Settings().UsableChGroup[3].Enable, !IsKnownModel(modelType)) << modelType;
        EXPECT_EQ(MemoryImage()[0x00F0], IsKnownModel(modelType) ? 0 : 1) << modelType;
    }
}

struct OffsetCase {
    int Offset;
    std::uint8_t OldByte;
    std::uint8_t Byte;
    int Stored;
};

TEST_F(EncoderTest, OffsetTimeIsLimitedAndKeepsTheTopBit) {
    const OffsetCase cases[] = {{-3, 0x80, 0x83, -3},   {30, 0x00, 0x38, 24}, {0, 0x00, 0x20, 0},
                                {-24, 0x00, 0x18, -24}, {24, 0xFF, 0xB8, 24}, {5, 0x40, 0x25, 5},
                                {-31, 0x7F, 0x18, -24}, {-1, 0xC0, 0x81, -1}};
    for (const OffsetCase& c : cases) {
        Settings().CommonSetup.OffsetTime = c.Offset;
        MemoryImage()[0x002B] = c.OldByte;
        Encode();
        EXPECT_EQ(MemoryImage()[0x002B], c.Byte) << c.Offset;
        EXPECT_EQ(Settings().CommonSetup.OffsetTime, c.Stored) << c.Offset;
    }
}

TEST_F(EncoderTest, CommonSetupBytes) {
    CommonSetupRecord& c = Settings().CommonSetup;
    c.TxPoDisplay = 2;
    c.Scan = true;
    c.ResumeTime = 255;
    c.PttScanClear = false;
    c.MagneticVariation = 0;
    c.Weater = 17;
    c.Rotary = true;
    c.DualWatch = true;
    Encode();
    EXPECT_EQ(MemoryImage()[0x0028], 2);
    EXPECT_EQ(MemoryImage()[0x0033], 1);
    EXPECT_EQ(MemoryImage()[0x0035], 255);
    EXPECT_EQ(MemoryImage()[0x0034], 0);
    EXPECT_EQ(MemoryImage()[0x002D], 0);
    EXPECT_EQ(MemoryImage()[0x0040], 17);
    EXPECT_EQ(MemoryImage()[0x002F], 1);
    for (const int untouched :
         {0x0029, 0x002A, 0x002C, 0x002E, 0x0030, 0x0031, 0x0032, 0x0037, 0x003F, 0x0041}) {
        EXPECT_EQ(MemoryImage()[untouched], 0x5A) << std::hex << untouched;
    }
}

TEST_F(EncoderTest, DscBasicSetupKeepsForeignBits) {
    DscBasicSetupRecord& d = Settings().DscBasicSetup;
    d.DscChGroup = {true, false, true, true};
    d.UserMmsi = "123456789";
    d.PosRequest = {true, false, false, true};
    d.PosRequestTX = {true, true, true, false};
    d.BeepOut = {false, true, true, false, true, false, true, true};
    Settings().DscDisplaySetup = {false, true, false};
    MemoryImage()[0x01A3] = 0x03;
    MemoryImage()[0x01A4] = 0x11;
    Encode();
    EXPECT_EQ(BytesAt(MemoryImage(), 0x0180, 4), (Bytes{1, 0, 1, 1}));
    EXPECT_EQ(BytesAt(MemoryImage(), 0x0190, 5), (Bytes{0x12, 0x34, 0x56, 0x78, 0x90}));
    EXPECT_EQ(MemoryImage()[0x01A3], 0x67);
    EXPECT_EQ(MemoryImage()[0x01A4], 0x75);
    EXPECT_EQ(BytesAt(MemoryImage(), 0x01A5, 6), (Bytes{0x5A, 0x5A, 1, 0, 0, 1}));
}

TEST_F(EncoderTest, DscBitsAllOnAndAllOff) {
    DscBasicSetupRecord& d = Settings().DscBasicSetup;
    d.PosRequest.fill(true);
    d.PosRequestTX.fill(true);
    d.BeepOut.fill(true);
    Settings().DscDisplaySetup.fill(true);
    MemoryImage()[0x01A3] = 0x00;
    MemoryImage()[0x01A4] = 0x00;
    Encode();
    EXPECT_EQ(MemoryImage()[0x01A3], 0xFC);
    EXPECT_EQ(MemoryImage()[0x01A4], 0xEE);
    d.PosRequest.fill(false);
    d.PosRequestTX.fill(false);
    d.BeepOut.fill(false);
    Settings().DscDisplaySetup.fill(false);
    MemoryImage()[0x01A3] = 0xFF;
    MemoryImage()[0x01A4] = 0xFF;
    Encode();
    EXPECT_EQ(MemoryImage()[0x01A3], 0x03);
    EXPECT_EQ(MemoryImage()[0x01A4], 0x11);
    EXPECT_EQ(BytesAt(MemoryImage(), 0x01A7, 4), (Bytes{0, 0, 0, 0}));
}

TEST_F(EncoderTest, DscCallBytes) {
    DscAdvancedSetupRecord& a = Settings().DscAdvancedSetup;
    a.AllShipsCall = {false, true, true, false};
    a.AllShipsCallTX = {false, false, false, true};
    a.GroupCall = {true, false, false, false};
    a.GroupCallTX = {true, true, true, true};
    a.IndividualCall = {false, false, false, true};
    a.IndividualCallTX = {false, true, false, false};
    Encode();
    EXPECT_EQ(BytesAt(MemoryImage(), 0x01A0, 3), (Bytes{0x61, 0x8F, 0x14}));
}

TEST_F(EncoderTest, AutoPosEntries) {
    AutoPosSetupRecord& p = Settings().AutoPosSetup;
    p.MENUDISPLAY = true;
    p.Entry[0] = {"211000001", true, false, 0x8123, 30, 1, 7};
    p.Entry[1] = {"", false, true, 291, 255, 0, 9};
    Encode();
    EXPECT_EQ(MemoryImage()[0x0184], 1);
    EXPECT_EQ(BytesAt(MemoryImage(), 0x01C6, 4), (Bytes{0x5A, 7, 9, 0x5A}));
    EXPECT_EQ(BytesAt(MemoryImage(), 0x01CD, 2), (Bytes{1, 0}));
    EXPECT_EQ(BytesAt(MemoryImage(), 0x01D0, 11),
              (Bytes{0x01, 0x23, 30, 0, 0x21, 0x10, 0x00, 0x00, 0x10, 1, 0x5A}));
    EXPECT_EQ(BytesAt(MemoryImage(), 0x01E0, 11),
              (Bytes{0x01, 0x23, 255, 1, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0, 0x5A}));
}

TEST_F(EncoderTest, AutoPosUnknownSelectCallWritesNoLastAddress) {
    Settings().AutoPosSetup.Entry[0] = {"", false, false, 0, 0, 2, 7};
    Settings().AutoPosSetup.Entry[1] = {"", false, false, 0, 0, 255, 9};
    Encode();
    EXPECT_EQ(BytesAt(MemoryImage(), 0x01C6, 4), (Bytes{0x5A, 0x5A, 0x5A, 0x5A}));
    EXPECT_EQ(MemoryImage()[0x01D9], 2);
    EXPECT_EQ(MemoryImage()[0x01E9], 255);
}

TEST_F(EncoderTest, AtisGroupsCodeAndCallSigns) {
    AtisCommonRecord& a = Settings().AtisCommon;
    a.AtisChGroup = {true, false, false, true};
    a.AtisKillerChGroup = {false, true, true, false};
    a.AtisCode = "9123456789";
    Settings().AtisCallSign[0] = {"12", "A B"};
    Settings().AtisCallSign[31] = {"WXYZ", ""};
    Encode();
    EXPECT_EQ(MemoryImage()[0x019B], 0x96);
    EXPECT_EQ(BytesAt(MemoryImage(), 0x0196, 5), (Bytes{0x91, 0x23, 0x45, 0x67, 0x89}));
    EXPECT_EQ(BytesAt(MemoryImage(), 0x5500, 8),
              (Bytes{0xFF, '1', '2', 'A', 0xFF, 'B', 0x5A, 0x5A}));
    EXPECT_EQ(BytesAt(MemoryImage(), 0x5508, 6), (Bytes{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(BytesAt(MemoryImage(), 0x55F8, 8),
              (Bytes{'X', 'Y', 'Z', 0xFF, 0xFF, 0xFF, 0x5A, 0x5A}));
    EXPECT_EQ(BytesAt(MemoryImage(), 0x54F8, 8), Bytes(8, 0x5A));
}

TEST_F(EncoderTest, AtisKillerGroupsAreWrittenForEveryModel) {
    model = ModelOf(7);
    Settings().AtisCommon.AtisKillerChGroup = {true, true, false, true};
    Encode();
    EXPECT_EQ(MemoryImage()[0x019B] & 0x0F, 0x0D);
}

TEST_F(EncoderTest, DirectoriesWriteEveryEntryInUseOrNot) {
    Settings().CHMMSID[0] = {true, "HOME", "123456789"};
    Settings().CHMMSID[1] = {false, "", ""};
    Settings().CHMMSID[79] = {true, "LAST ENTRY 80X", "9876543210"};
    Settings().CHGRPID[31] = {true, "FLEET", "0123"};
    Encode();
    EXPECT_EQ(BytesAt(MemoryImage(), 0x5700, 16),
              (Bytes{0x12, 0x34, 0x56, 0x78, 0x90, 'H', 'O', 'M', 'E', 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,
                     0xFF, 0xFF}));
    EXPECT_EQ(BytesAt(MemoryImage(), 0x5710, 16), Bytes(16, 0xFF));
    EXPECT_EQ(BytesAt(MemoryImage(), 0x5BF0, 17),
              (Bytes{0x98, 0x76, 0x54, 0x32, 0x10, 'L', 'A', 'S', 'T', ' ', 'E', 'N', 'T', 'R', 'Y',
                     ' ', 0x5A}));
    EXPECT_EQ(BytesAt(MemoryImage(), 0x65F0, 17),
              (Bytes{0x01, 0x23, 0xFF, 0xFF, 0xF0, 'F', 'L', 'E', 'E', 'T', 0xFF, 0xFF, 0xFF, 0xFF,
                     0xFF, 0xFF, 0x5A}));
    EXPECT_EQ(BytesAt(MemoryImage(), 0x6400, 16), Bytes(16, 0xFF));
}

TEST_F(EncoderTest, DigitTextsKeepTheirTypedForm) {
    Settings().DscBasicSetup.UserMmsi = "123";
    Settings().AtisCommon.AtisCode = "45";
    Settings().CHMMSID[0] = {true, "A", "6789"};
    Settings().AutoPosSetup.Entry[1].MMSI = "1";
    Encode();
    EXPECT_EQ(Settings().DscBasicSetup.UserMmsi, "123");
    EXPECT_EQ(Settings().AtisCommon.AtisCode, "45");
    EXPECT_EQ(Settings().CHMMSID[0].Mmsid, "6789");
    EXPECT_EQ(Settings().AutoPosSetup.Entry[1].MMSI, "1");
}

// A value the radio cannot hold, and the field's names (record or settings file), one of
// which the failure must mention.
struct RangeCase {
    const char* Name;
    std::function<void(SettingsRecord&)> Break;
    std::vector<std::string> FieldNames;
};

void PrintTo(const RangeCase& rangeCase, std::ostream* out) {
    *out << rangeCase.Name;
}

bool MentionsAny(const std::string& text, const std::vector<std::string>& names) {
    return std::any_of(names.begin(), names.end(), [&text](const std::string& name) {
        return text.find(name) != std::string::npos;
    });
}

const RangeCase rangeCases[] = {
    {"TxPoDisplayHigh",
     [](SettingsRecord& s) { s.CommonSetup.TxPoDisplay = 256; },
     {"TxPoDisplay", "TX Po Display"}},
    {"TxPoDisplayNegative",
     [](SettingsRecord& s) { s.CommonSetup.TxPoDisplay = -1; },
     {"TxPoDisplay", "TX Po Display"}},
    {"ResumeTime",
     [](SettingsRecord& s) { s.CommonSetup.ResumeTime = 300; },
     {"ResumeTime", "Resume Time"}},
    {"MagneticVariation",
     [](SettingsRecord& s) { s.CommonSetup.MagneticVariation = -2; },
     {"MagneticVariation", "Magnetic Variation"}},
    {"Weater", [](SettingsRecord& s) { s.CommonSetup.Weater = 1000; }, {"Weater"}},
    {"PriorityCh",
     [](SettingsRecord& s) { s.UsableChGroup[2].PriorityCh = 65536; },
     {"PriorityCh", "Priority CH"}},
    {"UsaScramble", [](SettingsRecord& s) { s.CHUSA[200].Scramble = 256; }, {"Scramble"}},
    {"ExpScramble", [](SettingsRecord& s) { s.CHEXP[63].Scramble = -1; }, {"Scramble"}},
    {"Interval", [](SettingsRecord& s) { s.AutoPosSetup.Entry[1].INTERVAL = 256; }, {"INTERVAL"}},
    {"SelectCall",
     [](SettingsRecord& s) { s.AutoPosSetup.Entry[0].SELECTCALL = -1; },
     {"SELECTCALL"}},
    {"LastAddress",
     [](SettingsRecord& s) {
         s.AutoPosSetup.Entry[0].SELECTCALL = 0;
         s.AutoPosSetup.Entry[0].LASTADDRESS = 256;
     },
     {"LASTADDRESS"}},
};

class EncoderRangeTest : public ::testing::TestWithParam<RangeCase> {};

TEST_P(EncoderRangeTest, FailsNamingTheFieldAndLeavesTheImageAlone) {
    RadioData data = DataWithPlans(0x5A);
    for (ChannelRecord& record : data.Settings.CHUSA) {
        record.ChTag = "CHANGED";
    }
    data.Settings.CommonSetup.OffsetTime = 30;
    GetParam().Break(data.Settings);
    const Image before = data.MemoryImage;

    EXPECT_FALSE(FindUnstorableField(data.Settings).empty());
    const EncodeResult result = EncodeImage(data, ModelOf(2));

    EXPECT_FALSE(result.Ok());
    EXPECT_TRUE(MentionsAny(result.FailedField, GetParam().FieldNames)) << result.FailedField;
    EXPECT_EQ(data.MemoryImage, before);
}

INSTANTIATE_TEST_SUITE_P(EncoderTest, EncoderRangeTest, ::testing::ValuesIn(rangeCases),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST(EncoderLimitsTest, ValuesAtTheEdgesAreStored) {
    RadioData data = DataWithPlans(0x5A);
    SettingsRecord& s = data.Settings;
    s.CommonSetup.TxPoDisplay = 255;
    s.CommonSetup.ResumeTime = 0;
    s.UsableChGroup[0].PriorityCh = 65535;
    s.UsableChGroup[1].PriorityCh = -7;
    s.UsableChGroup[3].PriorityCh = 70000;
    s.CHUSA[0].Scramble = 255;
    s.CHWX[0].Scramble = 999;
    s.AutoPosSetup.Entry[0].SELECTCALL = 255;
    s.AutoPosSetup.Entry[0].LASTADDRESS = 4000;
    EXPECT_EQ(FindUnstorableField(s), "");
    const EncodeResult result = EncodeImage(data, ModelOf(2));
    EXPECT_TRUE(result.Ok()) << result.FailedField;
    EXPECT_EQ(BytesAt(data.MemoryImage, 0x0046, 4), (Bytes{0xFF, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(data.MemoryImage[0x0500], 0xCE);
}

} // namespace
} // namespace tq58

namespace tq58 {
namespace {

TEST(EncoderListSizeTest, ListsLongerThanTheirAreaStopAtTheLastSlot) {
    RadioData data = DataWithPlans(0x5A);
    data.Settings.CHWX.resize(12, data.Settings.CHWX[0]);
    data.Settings.CHEXP.resize(70);
    data.Settings.CHUSA.resize(250, data.Settings.CHUSA[32]);
    for (ChannelRecord& record : data.Settings.CHEXP) {
        record.Enable = true;
        record.ChTag = "EXP";
    }
    const Image before = data.MemoryImage;
    ASSERT_TRUE(EncodeImage(data, ModelOf(2)).Ok());
    EXPECT_EQ(BytesAt(data.MemoryImage, 0x0290, 4), (Bytes{0xFF, 0xF0, 0x5A, 0x5A}));
    EXPECT_EQ(BytesAt(data.MemoryImage, 0x4DA0, 32), BytesAt(before, 0x4DA0, 32));
    EXPECT_EQ(BytesAt(data.MemoryImage, 0x0294, 9),
              (Bytes{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x5A}));
    EXPECT_EQ(BytesAt(data.MemoryImage, 0x1200, 0x70), BytesAt(before, 0x1200, 0x70));
    EXPECT_EQ(BytesAt(data.MemoryImage, 0x5300, 0x60), BytesAt(before, 0x5300, 0x60));
    EXPECT_EQ(BytesAt(data.MemoryImage, 0x0500 + 480, 0x20), BytesAt(before, 0x0500 + 480, 0x20));
    EXPECT_EQ(BytesAt(data.MemoryImage, 0x021E, 2), BytesAt(before, 0x021E, 2));
}

TEST(EncoderListSizeTest, ShortExpListStillGetsGroupBitsInAllRecords) {
    RadioData data = DataWithPlans(0xFF);
    data.Settings.CHEXP.resize(3);
    data.Settings.CHEXP[2].Enable = true;
    data.Settings.UsableChGroup[3] = {true, false, 0, "", {false, true, false}};
    ASSERT_TRUE(EncodeImage(data, ModelOf(2)).Ok());
    for (int j = 0; j < 64; ++j) {
        EXPECT_EQ(data.MemoryImage[0x0E00 + 16 * j], 0xF5) << j;
    }
    EXPECT_EQ(BytesAt(data.MemoryImage, 0x0294, 3), (Bytes{0x20, 0xFF, 0xFF}));
    EXPECT_EQ(data.MemoryImage[0x0E31], 0xFF);
    EXPECT_EQ(data.MemoryImage[0x00F0], 1);
}

TEST(EncoderListSizeTest, EmptyListsAreHarmless) {
    RadioData data = DataWithPlans(0x5A);
    data.Settings.CHUSA.clear();
    data.Settings.CHWX.clear();
    data.Settings.CHEXP.clear();
    data.Settings.UsableChGroup[0].Enable = true;
    ASSERT_TRUE(EncodeImage(data, ModelOf(2)).Ok());
    EXPECT_FALSE(data.Settings.UsableChGroup[0].Enable);
    EXPECT_EQ(data.MemoryImage[0x00C0], 0);
    EXPECT_EQ(BytesAt(data.MemoryImage, 0x1700, 16), Bytes(16, 0x5A));
    EXPECT_EQ(data.MemoryImage[0x0201], 0x5A);
    EXPECT_EQ(data.MemoryImage[0x0291], 0x5A);
}

} // namespace
} // namespace tq58

namespace tq58 {
namespace {

// The frequency field holds two digits before the point: 200 MHz and above must never come
// back as another frequency. Failing the encoding or storing no frequency are both sound.
TEST(EncoderFrequencyTest, FrequencyOfTwoHundredMegahertzOrMoreIsNeverStoredAsAnother) {
    for (const double megahertz : {200.0, 256.5, 1000.0}) {
        SCOPED_TRACE(megahertz);
        RadioData data = DataWithPlans(0x5A);
        data.Settings.CHEXP[10].Rxfreq = megahertz;
        data.Settings.CHEXP[11].Txfreq = megahertz;
        const Image before = data.MemoryImage;
        const EncodeResult result = EncodeImage(data, ModelOf(2));
        if (!result.Ok()) {
            EXPECT_NE(result.FailedField.find("freq"), std::string::npos) << result.FailedField;
            EXPECT_EQ(data.MemoryImage, before);
            continue;
        }
        EXPECT_EQ(BytesAt(data.MemoryImage, 0x0EA5, 3), (Bytes{0x00, 0x00, 0x00}));
        EXPECT_EQ(BytesAt(data.MemoryImage, 0x0EB8, 3), (Bytes{0x00, 0x00, 0x00}));
    }
}

TEST(EncoderFrequencyTest, HighestStorableFrequencyIsStored) {
    RadioData data = DataWithPlans(0x5A);
    data.Settings.CHEXP[10].Rxfreq = 199.9999;
    ASSERT_TRUE(EncodeImage(data, ModelOf(2)).Ok());
    EXPECT_EQ(BytesAt(data.MemoryImage, 0x0EA5, 3), (Bytes{0x99, 0x99, 0x99}));
}

} // namespace
} // namespace tq58
