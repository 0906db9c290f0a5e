#include "report/SettingsComparison.h"

#include "support/TestModels.h"

#include <gtest/gtest.h>

namespace tq58 {
namespace {

using test::NewRadioData;
using test::Rv7200A;
using test::Rv7700A;

class SettingsComparisonTest : public ::testing::Test {
protected:
    ModelState model = Rv7700A();
    RadioData a = NewRadioData(model);
    RadioData b = a;

    std::vector<SettingDifference> Compare() const { return CompareSettings(a, model, b, model); }
};

TEST_F(SettingsComparisonTest, ListsExactlyTheSettingsThatDiffer) {
    EXPECT_TRUE(Compare().empty());
    b.Settings.CommonSetup.Scan = !a.Settings.CommonSetup.Scan;
    b.Settings.CHUSA[32].ChTag = "MAYDAY";
    b.Settings.CHEXP[4].Rxfreq = 156.025;

    const std::vector<SettingDifference> expected{
        {"Common Setup", "Scanning Function", "SCAN", a.Settings.CommonSetup.Scan ? "On" : "Off",
         b.Settings.CommonSetup.Scan ? "On" : "Off"},
        {"Programable USA Channel", "CH 16", "CH Name", "DISTRESS", "MAYDAY"},
        {"Programable Exp Channel", "CH 5", "RX(MHz)", "---.----", "156.0250"},
    };
    EXPECT_EQ(Compare(), expected);
    EXPECT_EQ(DifferenceLine(expected[1]),
              "Programable USA Channel | CH 16 | CH Name | DISTRESS | MAYDAY");
}

// Where the words agree the stored value shows too; values outside their lists read "(not set)"
// (new data leaves Magnetic Variation and Weather Alert at 255).
TEST_F(SettingsComparisonTest, StoredValueShowsWhereTheWordsAgree) {
    ASSERT_EQ(a.Settings.CommonSetup.MagneticVariation, 255);
    a.Settings.UsableChGroup[GroupIntl].PriorityCh = -1;
    b.Settings.UsableChGroup[GroupIntl].PriorityCh = -2;
    a.Settings.CommonSetup.ResumeTime = 4;
    b.Settings.CommonSetup.ResumeTime = 5;
    b.Settings.CommonSetup.MagneticVariation = 1;
    b.Settings.CommonSetup.WeatherAlert = 254;
    a.Settings.CHEXP[0].Txfreq = 156.0610; // both snap to 156.0600 in the report
    b.Settings.CHEXP[0].Txfreq = 156.0620;

    std::vector<std::pair<std::string, std::string>> values;
    for (const SettingDifference& difference : Compare()) {
        values.emplace_back(difference.ValueA, difference.ValueB);
    }
    const std::vector<std::pair<std::string, std::string>> expected{
        {"Off (-1)", "Off (-2)"},
        {"4", "5"},
        {"(not set)", "Mag"},
        {"(not set) (255)", "(not set) (254)"},
        {"156.0600 (1560610)", "156.0600 (1560620)"}};
    EXPECT_EQ(values, expected);
    EXPECT_EQ(Compare()[0].Field, "Priority CH");
}

// An MMSI is its nine digits, however the record stores them.
TEST_F(SettingsComparisonTest, MmsisCompareAndShowAsTheirNineDigits) {
    a.Settings.DscBasicSetup.UserMmsi = "3669990010";
    b.Settings.DscBasicSetup.UserMmsi = "366999001";
    a.Settings.CHGRPID[0] = {.Enable = true, .TagName = "FLEET", .Mmsid = "0366123450"};
    b.Settings.CHGRPID[0] = {.Enable = true, .TagName = "FLEET", .Mmsid = "036612345"};
    EXPECT_TRUE(Compare().empty());
    b.Settings.DscBasicSetup.UserMmsi = "366999002";
    b.Settings.CHGRPID[0].Mmsid = "0366123460";
    const auto differences = Compare();
    ASSERT_EQ(differences.size(), 2u);
    EXPECT_EQ(DifferenceLine(differences[0]),
              "DSC Setup (Basic Setup) |  | User MMSI | 366999001 | 366999002");
    EXPECT_EQ(differences[1].ValueA, "036612345");
}

TEST_F(SettingsComparisonTest, AtisAndScramblerCountWhenEitherModelHasThem) {
    b.Settings.AtisCallSign[24].MID = "211";
    b.Settings.CHCAN[0].Scramble = 5;
    const ModelState plain = Rv7200A();
    EXPECT_TRUE(CompareSettings(a, plain, b, plain).empty());
    const auto differences = CompareSettings(a, plain, b, model);
    ASSERT_EQ(differences.size(), 3u);
    EXPECT_EQ(differences[0].ValueB, "RV7700A");
    EXPECT_EQ(DifferenceLine(differences[1]), "ATIS Setup (Call Sign) | No.25 | MID | ---- | 211");
    EXPECT_EQ(differences[2].Entry, "CH 00");
}

} // namespace
} // namespace tq58
