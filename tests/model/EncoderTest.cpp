#include "model/Encoder.h"

#include "model/ModelCatalogue.h"
#include "support/RadioFixtures.h"

#include <functional>
#include <gtest/gtest.h>

namespace tq58 {
namespace {

using test::Bytes;
using test::BytesAt;
using test::DataWithPlans;
using test::ModelOf;

// The image starts as 0x5A so that bytes the encoder leaves alone are easy to spot.
class EncoderTest : public ::testing::Test {
protected:
    RadioData data = DataWithPlans(0x5A);
    SettingsRecord& s = data.Settings;
    Image& image = data.MemoryImage;
    ModelState model = ModelOf(2);

    std::vector<ChannelRecord>& PlanList(int group) {
        return *std::array{&s.CHUSA, &s.CHINT, &s.CHCAN}[group];
    }
    Bytes At(int address, int count) const { return BytesAt(data.MemoryImage, address, count); }
    void Encode() {
        const Outcome result = EncodeImage(data, model);
        ASSERT_TRUE(result.Ok) << result.LogDetail;
    }
};

TEST_F(EncoderTest, AttributeByteOfEachPlanList) {
    struct Case {
        bool TxEnable, LowPower, Duplex, DuplexCapable, PowUp;
        int Scramble;
        std::uint8_t Byte;
    };
    const Case cases[] = {
        {true, true, true, true, false, 5, 0x6A},      {true, false, false, true, true, 7, 0xDE},
        {false, true, false, true, false, 0, 0x00},    {true, false, true, false, false, 0, 0xC0},
        {false, false, false, false, false, 13, 0x0A}, {false, false, true, true, true, 1, 0x32}};
    image.fill(0xFF);
    for (int group = 0; group < 3; ++group) {
        for (std::size_t i = 0; i < std::size(cases); ++i) {
            const Case& c = cases[i];
            ChannelRecord& r = PlanList(group)[50 + 20 * i];
            std::tie(r.TxEnable, r.LowPower, r.Duplex, r.DuplexCapable, r.PowUp, r.Scramble) =
                std::tuple(c.TxEnable, c.LowPower, c.Duplex, c.DuplexCapable, c.PowUp, c.Scramble);
        }
    }
    Encode();
    for (int group = 0; group < 3; ++group) {
        for (std::size_t i = 0; i < std::size(cases); ++i) {
            EXPECT_EQ(At(0x0500 + 0x300 * group + 2 * (50 + 20 * i), 2),
                      (Bytes{cases[i].Byte, 0xFF}))
                << "group " << group << " case " << i;
        }
    }
}

TEST_F(EncoderTest, ExpChannelRecords) {
    ChannelRecord& first = s.CHEXP[0];
    first.TxEnable = first.PowUp = first.Narrow = first.Duplex = first.DuplexCapable = true;
    first.Scramble = 2;
    first.CHDisplayL = "123";
    first.CHDisplayR = "AB";
    first.Rxfreq = 156.025;
    s.CHEXP[5].LowPower = true; // ignored without transmit
    s.CHEXP[6].TxEnable = s.CHEXP[6].LowPower = true;
    s.CHEXP[62].CHDisplayL = "7";
    s.CHEXP[63].CHDisplayL = "_1";
    s.CHEXP[63].CHDisplayR = "B";
    s.CHEXP[63].ChTag = "LAST";
    Encode();
    EXPECT_EQ(At(0x0E01, 15), (Bytes{0xD5, '1', '2', 'B', 0x56, 0x02, 0x50, 0x00, 0x00, 0x00, 0x5A,
                                     0x5A, 0x5A, 0x5A, 0x5A}));
    EXPECT_EQ(image[0x0E51], 0x00);
    EXPECT_EQ(image[0x0E61], 0x40);
    EXPECT_EQ(At(0x0E12, 3), (Bytes{' ', ' ', ' '}));
    EXPECT_EQ(At(0x11E2, 3), (Bytes{'7', ' ', ' '}));
    EXPECT_EQ(At(0x11F2, 3), (Bytes{0xFF, '1', 'B'}));
    EXPECT_EQ(At(0x4F00 + 16 * 63, 17), (Bytes{'L', 'A', 'S', 'T', 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,
                                               0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x5A}));
}

TEST_F(EncoderTest, ExpGroupBitsGoIntoEveryExpRecordEvenOfAShortList) {
    s.UsableChGroup[3].ExpChGroup = {true, false, true};
    for (const std::uint8_t fill : {0xFF, 0x00}) {
        image.fill(fill);
        Encode();
        for (int j = 0; j < 64; ++j) {
            EXPECT_EQ(image[0x0E00 + 16 * j], fill == 0xFF ? 0xFB : 0x0A) << j;
        }
    }
    s.CHEXP.resize(3);
    s.CHEXP[2].Enable = true;
    s.UsableChGroup[3] = {true, false, 0, "", {false, true, false}};
    image.fill(0xFF);
    Encode();
    for (int j = 0; j < 64; ++j) {
        EXPECT_EQ(image[0x0E00 + 16 * j], 0xF5) << j;
    }
    EXPECT_EQ(At(0x0294, 3), (Bytes{0x20, 0xFF, 0xFF}));
    EXPECT_EQ(image[0x0E31], 0xFF);
    EXPECT_EQ(image[0x00F0], 1);
}

TEST_F(EncoderTest, WeatherBitmapsOfEightNineAndTenRecords) {
    struct Case {
        int Size;
        std::vector<int> Enabled;
        int Scanned;
        Bytes EnableBytes, ScanBytes;
    };
    const Case cases[] = {{8, {0, 2, 7}, 3, {0xA1, 0x00}, {0x10, 0x00}},
                          {9, {8}, -1, {0x00, 0x80}, {0x00, 0x00}},
                          {10, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}, 9, {0xFF, 0xC0}, {0x00, 0x40}}};
    for (const Case& c : cases) {
        image.fill(0xFF);
        s.CHWX.assign(c.Size, ChannelRecord{});
        for (const int n : c.Enabled) {
            s.CHWX[n].Enable = true;
        }
        if (c.Scanned >= 0) {
            s.CHWX[c.Scanned].ScanMemory = true;
        }
        Encode();
        EXPECT_EQ(At(0x0290, 2), c.EnableBytes) << c.Size;
        EXPECT_EQ(At(0x0390, 2), c.ScanBytes) << c.Size;
    }
}

TEST_F(EncoderTest, PlanListsWriteTheirBitmapsAndNothingBeyond) {
    for (auto* list : {&s.CHUSA, &s.CHINT, &s.CHCAN, &s.CHEXP}) {
        for (ChannelRecord& r : *list) {
            r.Enable = r.ScanMemory = false;
        }
        list->back().Enable = list->back().ScanMemory = true;
    }
    Encode();
    for (const int bitmap : {0x0200, 0x0230, 0x0260, 0x0300, 0x0330, 0x0360}) {
        EXPECT_EQ(image[bitmap], 0x00) << std::hex << bitmap;
        EXPECT_EQ(image[bitmap + 29], 0x01) << std::hex << bitmap;
    }
    for (const int bitmap : {0x0294, 0x0394}) {
        EXPECT_EQ(At(bitmap + 7, 2), (Bytes{0x01, 0x5A})) << std::hex << bitmap;
    }
    EXPECT_EQ(image[0x0292], 0x5A);

    image.fill(0xFF); // a short list clears one bitmap byte after its end and no more
    s.CHUSA.resize(16);
    for (ChannelRecord& r : s.CHUSA) {
        r.Enable = true;
        r.ScanMemory = r.Position == 15;
        r.ChTag = "T";
    }
    Encode();
    EXPECT_EQ(At(0x0200, 4), (Bytes{0xFF, 0xFF, 0x00, 0xFF}));
    EXPECT_EQ(At(0x0300, 4), (Bytes{0x00, 0x01, 0x00, 0xFF}));
    EXPECT_EQ(At(0x1700 + 16 * 15, 2), (Bytes{'T', 0xFF}));
    EXPECT_EQ(image[0x1700 + 16 * 16], 0xFF);
    EXPECT_EQ(image[0x0500 + 2 * 16], 0xFF);
}

TEST_F(EncoderTest, UsableChannelGroups) {
    s.UsableChGroup[0] = {true, true, 258, "USA", {}};
    s.UsableChGroup[1] = {false, false, -1, "IN_X", {}};
    s.UsableChGroup[2] = {true, false, 65535, "CANADA", {}};
    s.UsableChGroup[3] = {false, true, 4660, "EXP", {}};
    image[0x0036] = 0xA4;
    Encode();
    EXPECT_EQ(At(0x00C0, 5), (Bytes{0x01, 'U', 'S', 'A', 0xFF}));
    EXPECT_EQ(At(0x00D0, 5), (Bytes{0x00, 'I', 'N', 0xFF, 'X'}));
    EXPECT_EQ(At(0x00E0, 6), (Bytes{0x01, 'C', 'A', 'N', 'A', 0x5A}));
    EXPECT_EQ(At(0x00F0, 5), (Bytes{0x00, 'E', 'X', 'P', 0xFF}));
    EXPECT_EQ(image[0x0036], 0xA9);
    EXPECT_EQ(At(0x0046, 8), (Bytes{0x01, 0x02, 0xFF, 0xFF, 0xFF, 0xFF, 0x5A, 0x5A}));
}

TEST_F(EncoderTest, GroupWithoutChannelInUseIsSwitchedOffForKnownModelsOnly) {
    for (ChannelRecord& r : s.CHINT) {
        r.Enable = false;
    }
    s.CHCAN.clear();
    s.CHEXP[40].Enable = true;
    for (const int modelType : {2, 0, 3, 1, 11}) {
        model = ModelOf(modelType);
        const bool known = IsKnownModel(modelType);
        for (UsableGroupRecord& group : s.UsableChGroup) {
            group.Enable = true;
        }
        Encode();
        EXPECT_EQ((Bytes{image[0x00C0], image[0x00D0], image[0x00E0], image[0x00F0]}),
                  (known ? Bytes{1, 0, 0, 1} : Bytes{1, 1, 1, 1}))
            << modelType;
        EXPECT_EQ(s.UsableChGroup[1].Enable || s.UsableChGroup[2].Enable, !known) << modelType;
        EXPECT_TRUE(s.UsableChGroup[0].Enable && s.UsableChGroup[3].Enable) << modelType;
    }
    s.CHEXP[40].Enable = false;
    model = ModelOf(2); // the check never switches a group on
    s.UsableChGroup[3].Enable = false;
    s.CHEXP[0].Enable = true;
    Encode();
    EXPECT_FALSE(s.UsableChGroup[3].Enable);
    EXPECT_EQ(image[0x00F0], 0);
}

TEST_F(EncoderTest, OffsetTimeIsLimitedAndKeepsTheTopBit) {
    struct Case {
        int Offset;
        std::uint8_t OldByte, Byte;
        int Stored;
    };
    const Case cases[] = {{-3, 0x80, 0x83, -3},   {30, 0x00, 0x38, 24}, {0, 0x00, 0x20, 0},
                          {-24, 0x00, 0x18, -24}, {24, 0xFF, 0xB8, 24}, {5, 0x40, 0x25, 5},
                          {-31, 0x7F, 0x18, -24}, {-1, 0xC0, 0x81, -1}};
    for (const Case& c : cases) {
        s.CommonSetup.OffsetTime = c.Offset;
        image[0x002B] = c.OldByte;
        Encode();
        EXPECT_EQ(image[0x002B], c.Byte) << c.Offset;
        EXPECT_EQ(s.CommonSetup.OffsetTime, c.Stored) << c.Offset;
    }
}

TEST_F(EncoderTest, CommonSetupBytes) {
    s.CommonSetup = {.TxPoDisplay = 2,
                     .Scan = true,
                     .ResumeTime = 255,
                     .PttScanClear = false,
                     .DualWatch = true,
                     .OffsetTime = 0,
                     .MagneticVariation = 0,
                     .Weater = 17,
                     .Rotary = true};
    Encode();
    const std::pair<int, std::uint8_t> bytes[] = {{0x0028, 2}, {0x0033, 1}, {0x0035, 255},
                                                  {0x0034, 0}, {0x002D, 0}, {0x0040, 17},
                                                  {0x002F, 1}};
    for (const auto& [address, value] : bytes) {
        EXPECT_EQ(image[address], value) << std::hex << address;
    }
    for (const int untouched :
         {0x0029, 0x002A, 0x002C, 0x002E, 0x0030, 0x0031, 0x0032, 0x0037, 0x003F, 0x0041}) {
        EXPECT_EQ(image[untouched], 0x5A) << std::hex << untouched;
    }
}

TEST_F(EncoderTest, DscSetupKeepsForeignBits) {
    DscBasicSetupRecord& d = s.DscBasicSetup;
    d.DscChGroup = {true, false, true, true};
    d.UserMmsi = "123456789";
    d.PosRequest = {true, false, false, true};
    d.PosRequestTX = {true, true, true, false};
    d.BeepOut = {false, true, true, false, true, false, true, true};
    s.DscDisplaySetup = {false, true, false};
    image[0x01A3] = 0x03;
    image[0x01A4] = 0x11;
    Encode();
    EXPECT_EQ(At(0x0180, 4), (Bytes{1, 0, 1, 1}));
    EXPECT_EQ(At(0x0190, 5), (Bytes{0x12, 0x34, 0x56, 0x78, 0x90}));
    EXPECT_EQ(At(0x01A3, 8), (Bytes{0x67, 0x75, 0x5A, 0x5A, 1, 0, 0, 1}));

    for (const bool on : {true, false}) {
        d.PosRequest.fill(on);
        d.PosRequestTX.fill(on);
        d.BeepOut.fill(on);
        s.DscDisplaySetup.fill(on);
        image[0x01A3] = image[0x01A4] = on ? 0x00 : 0xFF;
        Encode();
        EXPECT_EQ(At(0x01A3, 2), (on ? Bytes{0xFC, 0xEE} : Bytes{0x03, 0x11}));
        EXPECT_EQ(At(0x01A7, 4), Bytes(4, on ? 1 : 0));
    }
}

TEST_F(EncoderTest, DscCallBytes) {
    s.DscAdvancedSetup = {{false, true, true, false},  {false, false, false, true},
                          {true, false, false, false}, {true, true, true, true},
                          {false, false, false, true}, {false, true, false, false}};
    Encode();
    EXPECT_EQ(At(0x01A0, 3), (Bytes{0x61, 0x8F, 0x14}));
}

TEST_F(EncoderTest, AutoPosEntries) {
    s.AutoPosSetup.MENUDISPLAY = true;
    s.AutoPosSetup.Entry[0] = {"211000001", true, false, 0x8123, 30, 1, 7};
    s.AutoPosSetup.Entry[1] = {"", false, true, 291, 255, 0, 9};
    Encode();
    EXPECT_EQ(image[0x0184], 1);
    EXPECT_EQ(At(0x01C6, 4), (Bytes{0x5A, 7, 9, 0x5A}));
    EXPECT_EQ(At(0x01CD, 2), (Bytes{1, 0}));
    EXPECT_EQ(At(0x01D0, 11), (Bytes{0x01, 0x23, 30, 0, 0x21, 0x10, 0x00, 0x00, 0x10, 1, 0x5A}));
    EXPECT_EQ(At(0x01E0, 11), (Bytes{0x01, 0x23, 255, 1, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0, 0x5A}));

    s.AutoPosSetup.Entry[0] = {"", false, false, 0, 0, 2, 7}; // no last address to write
    s.AutoPosSetup.Entry[1] = {"", false, false, 0, 0, 255, 9};
    image.fill(0x5A);
    Encode();
    EXPECT_EQ(At(0x01C6, 4), Bytes(4, 0x5A));
    EXPECT_EQ(image[0x01D9], 2);
    EXPECT_EQ(image[0x01E9], 255);
}

TEST_F(EncoderTest, AtisGroupsCodeAndCallSigns) {
    model = ModelOf(7); // killer groups are written for every model
    s.AtisCommon = {{true, false, false, true}, "9123456789", {false, true, true, false}};
    s.AtisCallSign[0] = {"12", "A B"};
    s.AtisCallSign[31] = {"WXYZ", ""};
    Encode();
    EXPECT_EQ(image[0x019B], 0x96);
    EXPECT_EQ(At(0x0196, 5), (Bytes{0x91, 0x23, 0x45, 0x67, 0x89}));
    EXPECT_EQ(At(0x5500, 8), (Bytes{0xFF, '1', '2', 'A', 0xFF, 'B', 0x5A, 0x5A}));
    EXPECT_EQ(At(0x5508, 6), Bytes(6, 0xFF));
    EXPECT_EQ(At(0x55F8, 8), (Bytes{'X', 'Y', 'Z', 0xFF, 0xFF, 0xFF, 0x5A, 0x5A}));
    EXPECT_EQ(At(0x54F8, 8), Bytes(8, 0x5A));
}

TEST_F(EncoderTest, DirectoriesWriteEveryEntryAndDigitTextsKeepTheirTypedForm) {
    s.CHMMSID[0] = {true, "HOME", "123456789"};
    s.CHMMSID[79] = {true, "LAST ENTRY 80X", "9876543210"};
    s.CHGRPID[31] = {true, "FLEET", "0123"};
    s.DscBasicSetup.UserMmsi = "123";
    s.AutoPosSetup.Entry[1].MMSI = "1";
    const SettingsRecord typed = s;
    Encode();
    EXPECT_EQ(At(0x5700, 16), (Bytes{0x12, 0x34, 0x56, 0x78, 0x90, 'H', 'O', 'M', 'E', 0xFF, 0xFF,
                                     0xFF, 0xFF, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(At(0x5710, 16), Bytes(16, 0xFF));
    EXPECT_EQ(At(0x5BF0, 17), (Bytes{0x98, 0x76, 0x54, 0x32, 0x10, 'L', 'A', 'S', 'T', ' ', 'E',
                                     'N', 'T', 'R', 'Y', ' ', 0x5A}));
    EXPECT_EQ(At(0x65F0, 17), (Bytes{0x01, 0x23, 0xFF, 0xFF, 0xF0, 'F', 'L', 'E', 'E', 'T', 0xFF,
                                     0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x5A}));
    EXPECT_EQ(At(0x6400, 16), Bytes(16, 0xFF));
    EXPECT_EQ(s.CHMMSID, typed.CHMMSID);
    EXPECT_EQ(s.CHGRPID, typed.CHGRPID);
    EXPECT_EQ(s.DscBasicSetup.UserMmsi, "123");
    EXPECT_EQ(s.AutoPosSetup.Entry[1].MMSI, "1");
}

bool MentionsAny(const std::string& text, const std::vector<std::string>& names) {
    for (const std::string& name : names) {
        if (text.find(name) != std::string::npos) {
            return true;
        }
    }
    return false;
}

TEST(EncoderRangeTest, FailsNamingTheFieldAndLeavesTheImageAlone) {
    struct Case {
        std::function<void(SettingsRecord&)> Break;
        std::vector<std::string> FieldNames; // record or settings-file name
    };
    const Case cases[] = {
        {[](auto& s) { s.CommonSetup.TxPoDisplay = 256; }, {"TxPoDisplay", "TX Po Display"}},
        {[](auto& s) { s.CommonSetup.TxPoDisplay = -1; }, {"TxPoDisplay", "TX Po Display"}},
        {[](auto& s) { s.CommonSetup.ResumeTime = 300; }, {"ResumeTime", "Resume Time"}},
        {[](auto& s) { s.CommonSetup.MagneticVariation = -2; },
         {"MagneticVariation", "Magnetic Variation"}},
        {[](auto& s) { s.CommonSetup.Weater = 1000; }, {"Weater"}},
        {[](auto& s) { s.UsableChGroup[2].PriorityCh = 65536; }, {"PriorityCh", "Priority CH"}},
        {[](auto& s) { s.CHUSA[200].Scramble = 256; }, {"Scramble"}},
        {[](auto& s) { s.CHEXP[63].Scramble = -1; }, {"Scramble"}},
        {[](auto& s) { s.AutoPosSetup.Entry[1].INTERVAL = 256; }, {"INTERVAL"}},
        {[](auto& s) { s.AutoPosSetup.Entry[0].SELECTCALL = -1; }, {"SELECTCALL"}},
        {[](auto& s) {
             s.AutoPosSetup.Entry[0].SELECTCALL = 0;
             s.AutoPosSetup.Entry[0].LASTADDRESS = 256;
         },
         {"LASTADDRESS"}}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.FieldNames[0]);
        RadioData data = DataWithPlans(0x5A);
        for (ChannelRecord& r : data.Settings.CHUSA) {
            r.ChTag = "CHANGED";
        }
        data.Settings.CommonSetup.OffsetTime = 30;
        c.Break(data.Settings);
        const Image before = data.MemoryImage;
        EXPECT_FALSE(FindUnstorableField(data.Settings).empty());
        const Outcome result = EncodeImage(data, ModelOf(2));
        EXPECT_FALSE(result.Ok);
        EXPECT_TRUE(MentionsAny(result.LogDetail, c.FieldNames)) << result.LogDetail;
        EXPECT_EQ(data.MemoryImage, before);
    }
}

TEST_F(EncoderTest, ValuesAtTheEdgesAreStored) {
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
    Encode();
    EXPECT_EQ(At(0x0046, 4), Bytes(4, 0xFF));
    EXPECT_EQ(image[0x0500], 0xCE);
}

TEST_F(EncoderTest, ListsLongerThanTheirAreaStopAtTheLastSlot) {
    s.CHWX.resize(12, s.CHWX[0]);
    s.CHEXP.resize(70);
    for (ChannelRecord& r : s.CHEXP) {
        r.Enable = true;
        r.ChTag = "EXP";
    }
    s.CHUSA.resize(250, s.CHUSA[32]);
    const Image before = image;
    Encode();
    EXPECT_EQ(At(0x0290, 4), (Bytes{0xFF, 0xF0, 0x5A, 0x5A}));
    EXPECT_EQ(At(0x0294, 9), (Bytes{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x5A}));
    for (const auto& [address, count] :
         {std::pair{0x4DA0, 32}, {0x1200, 0x70}, {0x5300, 0x60}, {0x06E0, 0x20}, {0x021E, 2}}) {
        EXPECT_EQ(At(address, count), BytesAt(before, address, count)) << std::hex << address;
    }
}

TEST_F(EncoderTest, EmptyListsAreHarmless) {
    s.CHUSA.clear();
    s.CHWX.clear();
    s.CHEXP.clear();
    s.UsableChGroup[0].Enable = true;
    Encode();
    EXPECT_FALSE(s.UsableChGroup[0].Enable);
    EXPECT_EQ(image[0x00C0], 0);
    EXPECT_EQ(At(0x1700, 16), Bytes(16, 0x5A));
    EXPECT_EQ(image[0x0201], 0x5A);
    EXPECT_EQ(image[0x0291], 0x5A);
}

// The field holds two digits before the point: 200 MHz and above must never come back as
// another frequency. Failing the encoding or storing no frequency are both sound.
TEST(EncoderFrequencyTest, TwoHundredMegahertzOrMoreIsNeverStoredAsAnother) {
    for (const double megahertz : {200.0, 256.5, 1000.0}) {
        SCOPED_TRACE(megahertz);
        RadioData data = DataWithPlans(0x5A);
        data.Settings.CHEXP[10].Rxfreq = megahertz;
        data.Settings.CHEXP[11].Txfreq = megahertz;
        data.Settings.CHEXP[12].Rxfreq = 199.9999;
        const Image before = data.MemoryImage;
        const Outcome result = EncodeImage(data, ModelOf(2));
        if (!result.Ok) {
            EXPECT_NE(result.LogDetail.find("freq"), std::string::npos) << result.LogDetail;
            EXPECT_EQ(data.MemoryImage, before);
            continue;
        }
        EXPECT_EQ(BytesAt(data.MemoryImage, 0x0EA5, 3), Bytes(3, 0x00));
        EXPECT_EQ(BytesAt(data.MemoryImage, 0x0EB8, 3), Bytes(3, 0x00));
        EXPECT_EQ(BytesAt(data.MemoryImage, 0x0EC5, 3), (Bytes{0x99, 0x99, 0x99}));
    }
}

} // namespace
} // namespace tq58
