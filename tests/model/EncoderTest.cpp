#include "model/Encoder.h"

#include "model/Decoder.h"
#include "model/ModelCatalogue.h"
#include "support/RadioFixtures.h"

#include <algorithm>
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
        const auto on = [this](int address) { return image[address] != 0; };
        EXPECT_EQ(
            (std::array{on(0x00C0), on(0x00D0), on(0x00E0), on(0x00F0)}),
            (known ? std::array{true, false, false, true} : std::array{true, true, true, true}))
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

// Changed group bits go into every EXP record; unchanged, each record keeps its own.
TEST_F(EncoderTest, ExpGroupBitsGoIntoEveryExpRecordAndKeepTheirOtherBits) {
    s.UsableChGroup[3].ExpChGroup = {true, false, true};
    for (const std::uint8_t fill : {0xFF, 0x00}) {
        image.fill(fill);
        Encode();
        for (int j = 0; j < 64; ++j) {
            EXPECT_EQ(image[0x0E00 + 16 * j], fill == 0xFF ? 0xFB : 0x0A) << j;
        }
    }
    image[0x0E10] = 0x04;
    Encode();
    EXPECT_EQ(image[0x0E10], 0x04);
}

// What the radio gave in a form of its own (a flag byte of 5, an offset beyond the editor's
// list, power 2, a duplex flag on a simplex channel, bytes after a name's end or a directory's
// end) goes back as it came; a setting the user changes is written in the program's form, and
// nothing else of its byte changes.
TEST_F(EncoderTest, ValuesTheImageHoldsAreLeftAsTheyAreUntilChanged) {
    image.fill(0xFF);
    const std::pair<int, Bytes> odd[] = {
        {0x0033, {0x05}},                    // SCAN on
        {0x002B, {0x7C}},                    // offset time +28, bit 6 set
        {0x0046, {0x12, 0x34}},              // USA priority channel 4660
        {0x0500 + 2 * 41, {0xBF}},           // USA 41: power 2, duplex, PowUp, scrambler 7, bit 0
        {0x1700 + 16 * 3, {'A', 0x00, 'B'}}, // USA 3's name "A", then bytes of no name
        {0x5700, {0x21, 0x10, 0x00, 0x01, 0x0F, 'H', 'O', 'M', 'E'}},
        {0x5720, {0x99, 0x99, 0x99, 0x99, 0x90}}, // after the directory's end
    };
    for (const auto& [address, bytes] : odd) {
        test::PutBytes(image, address, bytes);
    }
    DecodeImage(data, model);
    ASSERT_FALSE(s.CHUSA[41].DuplexCapable);
    const Image read = image;
    Encode();
    EXPECT_EQ(test::ChangedAddresses(read, image), std::vector<int>{});

    s.CommonSetup.Scan = false;
    s.CommonSetup.OffsetTime = 5;
    s.CHUSA[41].Scramble = 2;
    s.CHUSA[3].ChTag = "AB";
    Encode();
    EXPECT_EQ(image[0x0033], 0x00);
    EXPECT_EQ(image[0x002B], 0x25);
    EXPECT_EQ(image[0x0500 + 2 * 41], 0xB5);
    EXPECT_EQ(At(0x1700 + 16 * 3, 4), (Bytes{'A', 'B', 0xFF, 0xFF}));
    EXPECT_EQ(test::ChangedAddresses(read, image),
              (std::vector<int>{0x002B, 0x0033, 0x0500 + 2 * 41, 0x1731, 0x1732}));
}

TEST_F(EncoderTest, DigitTextsKeepTheirTypedFormAndKillerGroupsGoOutForEveryModel) {
    s.CHMMSID[0] = {.Enable = true, .TagName = "HOME", .Mmsid = "123456789"};
    s.CHGRPID[31] = {.Enable = true, .TagName = "FLEET", .Mmsid = "0123"};
    s.DscBasicSetup.UserMmsi = "123";
    s.AutoPosSetup.Entry[1].MMSI = "1";
    s.AtisCommon = {.AtisChGroup = {true, false, false, true},
                    .AtisCode = "9123456789",
                    .AtisKillerChGroup = {false, true, true, false}};
    const SettingsRecord typed = s;
    model = ModelOf(7);
    Encode();
    EXPECT_EQ(At(0x5700, 6), (Bytes{0x12, 0x34, 0x56, 0x78, 0x90, 'H'}));
    EXPECT_EQ(At(0x5710, 16), Bytes(16, 0xFF)); // the entry that ends the list is blank
    EXPECT_EQ(image[0x019B], 0x96);
    EXPECT_EQ(test::RecordDifferences(s, typed), std::vector<std::string>{});
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
        {[](auto& s) { s.CommonSetup.WeatherAlert = 1000; }, {"Weater"}},
        {[](auto& s) { s.UsableChGroup[2].PriorityCh = 65536; }, {"PriorityCh", "Priority CH"}},
        {[](auto& s) { s.CHUSA[200].Scramble = 256; }, {"Scramble"}},
        {[](auto& s) { s.CHEXP[63].Scramble = -1; }, {"Scramble"}},
        {[](auto& s) { s.CHEXP[5].Txfreq = 200; }, {"CHEXP[5].Txfreq"}},
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
        EXPECT_TRUE(std::ranges::any_of(c.FieldNames, [&](const std::string& name) {
            return result.LogDetail.find(name) != std::string::npos;
        })) << result.LogDetail;
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

} // namespace
} // namespace tq58
