#include "report/ReportText.h"

#include "ReportTestData.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>

namespace tq58 {
namespace {

using test::NewRadioData;
using test::Rv7700a;
using test::SplitLines;

std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::filesystem::path DataFolder() {
    return std::filesystem::path(__FILE__).parent_path() / "data";
}

// The lines of one section, from its heading up to the empty line that starts the next.
std::vector<std::string> SectionLines(const std::string& report, const std::string& heading) {
    const std::vector<std::string> lines = SplitLines(report);
    auto begin = std::find(lines.begin(), lines.end(), heading);
    if (begin == lines.end()) {
        return {};
    }
    std::vector<std::string> section;
    for (auto it = begin + 1; it != lines.end(); ++it) {
        if (it + 1 != lines.end() && it->empty() && (it + 1)->starts_with("#####")) {
            break;
        }
        section.push_back(*it);
    }
    return section;
}

std::vector<std::string> Headings(const std::string& report) {
    std::vector<std::string> headings;
    for (const std::string& line : SplitLines(report)) {
        if (line.starts_with("#####")) {
            headings.push_back(line);
        }
    }
    return headings;
}

std::string Pad(const std::string& text, std::size_t n) {
    return text + std::string(n - text.size(), ' ');
}

class ReportTextTest : public ::testing::Test {
protected:
    ModelState model = Rv7700a();
    RadioData data = NewRadioData(model);

    std::vector<std::string> Section(const std::string& heading) {
        return SectionLines(BuildReport(data, model), heading);
    }
};

TEST_F(ReportTextTest, NewDataReportMatchesTheSavedReportCharacterForCharacter) {
    const std::string saved = ReadFile(DataFolder() / "new-rv7700a-report.txt");
    ASSERT_FALSE(saved.empty());
    EXPECT_EQ(BuildReport(data, model) + "\r\n", saved);
}

TEST_F(ReportTextTest, LinesAreSeparatedByCrLfFromTheVeryStart) {
    const std::string report = BuildReport(data, model);
    EXPECT_TRUE(report.starts_with("\r\n\r\n##### Usable CH Group Setup #####\r\n"));
    EXPECT_FALSE(report.ends_with("\r\n"));
    std::string withoutBreaks = report;
    for (std::size_t at; (at = withoutBreaks.find("\r\n")) != std::string::npos;) {
        withoutBreaks.erase(at, 2);
    }
    EXPECT_EQ(withoutBreaks.find_first_of("\r\n"), std::string::npos);
}

TEST_F(ReportTextTest, SectionsInOrderWithAtis) {
    const std::vector<std::string> expected{"##### Usable CH Group Setup #####",
                                            "##### Common Setup #####",
                                            "##### DSC Setup (Basic Setup) #####",
                                            "##### DSC Setup (Advanced Setup) #####",
                                            "##### DSC Setup (Display Setup) #####",
                                            "##### ATIS Setup (Common) #####",
                                            "##### ATIS Setup (Call Sign) #####",
                                            "##### Programable USA Channel #####",
                                            "##### Programable International Channel #####",
                                            "##### Programable Canada Channel #####",
                                            "##### Programable Wx Channel #####",
                                            "##### Memory ID Setting #####",
                                            "##### Group ID Setting #####",
                                            "##### Programable Exp Channel #####"};
    EXPECT_EQ(Headings(BuildReport(data, model)), expected);
}

TEST_F(ReportTextTest, ModelWithoutAtisGoesFromDisplaySetupStraightToTheUsaChannels) {
    const ModelState noAtis = Rv7700a(false);
    const std::vector<std::string> lines = SplitLines(BuildReport(data, noAtis));
    auto display = std::find(lines.begin(), lines.end(), "##### DSC Setup (Display Setup) #####");
    ASSERT_NE(display, lines.end());
    ASSERT_LT(display + 5, lines.end());
    EXPECT_EQ(*(display + 4), "");
    EXPECT_EQ(*(display + 5), "##### Programable USA Channel #####");
    EXPECT_EQ(Headings(BuildReport(data, noAtis)).size(), 12u);
}

TEST_F(ReportTextTest, UsableGroupsWithPriorityAndExpGroups) {
    auto& groups = data.Settings.UsableChGroup;
    groups[GroupUsa].PriorityCh = -1;
    groups[GroupIntl].PriorityCh = 241;
    groups[GroupCanada].Enable = false;
    groups[GroupCanada].TxTot = true;
    groups[GroupCanada].StatusName = "CAN1";
    groups[GroupExp].Enable = true;
    groups[GroupExp].ExpChGroup = {true, false, true};
    const std::vector<std::string> section = Section("##### Usable CH Group Setup #####");
    ASSERT_EQ(section.size(), 6u);
    EXPECT_EQ(section[0], Pad("", 35) + Pad("USA", 18) + Pad("INTL", 18) + Pad("Canada", 18) +
                              Pad("EXP CH", 18));
    EXPECT_EQ(section[1],
              Pad("Enable", 35) + Pad("On", 18) + Pad("On", 18) + Pad("Off", 18) + Pad("On", 18));
    EXPECT_EQ(section[2],
              Pad("TX TOT", 35) + Pad("Off", 18) + Pad("Off", 18) + Pad("On", 18) + Pad("Off", 18));
    EXPECT_EQ(section[3],
              Pad("Priority CH", 35) + Pad("Off", 18) + Pad("EXP2", 18) + Pad("16", 18));
    EXPECT_EQ(section[4], Pad("Status Name", 35) + Pad("----", 18) + Pad("----", 18) +
                              Pad("CAN1", 18) + Pad("----", 18));
    EXPECT_EQ(section[5], Pad("EXP CH", 35) + Pad("On", 18) + Pad("Off", 18) + Pad("On", 18));
}

TEST_F(ReportTextTest, AllGroupsDisabledShowDashesForTheExpGroups) {
    for (auto& group : data.Settings.UsableChGroup) {
        group.Enable = false;
        group.ExpChGroup = {true, true, true};
    }
    const std::vector<std::string> section = Section("##### Usable CH Group Setup #####");
    ASSERT_EQ(section.size(), 6u);
    EXPECT_EQ(section[5], Pad("EXP CH", 35) + Pad("---", 18) + Pad("---", 18) + Pad("---", 18));
}

TEST_F(ReportTextTest, CommonSetupWithOffsetTimesAndWideColumns) {
    CommonSetupRecord& common = data.Settings.CommonSetup;
    common.TxPoDisplay = 1;
    common.OffsetTime = 0;
    common.Weater = 3;
    common.MagneticVariation = 1;
    std::vector<std::string> section = Section("##### Common Setup #####");
    ASSERT_EQ(section.size(), 15u);
    EXPECT_EQ(section[1], Pad("TX Po Display:", 35) + Pad("Lo Po on Changing CH", 35));
    EXPECT_EQ(section[2], "");
    EXPECT_EQ(section[10], Pad("Offset Time:", 35) + Pad(" 0", 18));
    EXPECT_EQ(section[11], Pad("Magnetic Variation:", 35) + Pad("Mag", 18));
    EXPECT_EQ(section[12], "[Weather CH Function]");
    EXPECT_EQ(section[13], Pad("Weather Alert:", 35) + Pad("WX and SCAN", 35));

    common.OffsetTime = -3;
    section = Section("##### Common Setup #####");
    EXPECT_EQ(section[10], Pad("Offset Time:", 35) + Pad("-1:30", 18));
}

TEST_F(ReportTextTest, UserMmsiWithTheEnteredCountFromTheImage) {
    data.Settings.DscBasicSetup.UserMmsi = "366123456";
    data.Settings.DscBasicSetup.PosRequestTX[3] = true;
    data.Settings.DscBasicSetup.DscChGroup[1] = false;
    data.MemoryImage[0x0195] = 1;
    const std::vector<std::string> section = Section("##### DSC Setup (Basic Setup) #####");
    ASSERT_EQ(section.size(), 19u);
    EXPECT_EQ(section[2], Pad("INTL:", 35) + Pad("Off", 20));
    EXPECT_EQ(section[5], Pad("User MMSI:", 35) + "366123456   ----- Count : 1");
    EXPECT_EQ(section[9], Pad("POS Reporting:", 35) + Pad("On", 18) + Pad("Hi", 18));
    EXPECT_EQ(section[16], Pad("Received Geografic:", 35) + Pad("On", 18));
}

TEST_F(ReportTextTest, AdvancedCallBlocksSeparatedByEmptyLines) {
    data.Settings.DscAdvancedSetup.GroupCallTX[0] = true;
    const std::vector<std::string> section = Section("##### DSC Setup (Advanced Setup) #####");
    ASSERT_EQ(section.size(), 17u);
    EXPECT_EQ(section[0], "[All Ships Call]");
    EXPECT_EQ(section[3], Pad("Safty:", 35) + Pad("On", 18) + Pad("Low", 18));
    EXPECT_EQ(section[5], "");
    EXPECT_EQ(section[6], "[Group Call]");
    EXPECT_EQ(section[7], Pad("Distress:", 35) + Pad("Off", 18) + Pad("Hi", 18));
    EXPECT_EQ(section[12], "[Individual Call]");
}

TEST_F(ReportTextTest, CallSignsOfEntriesOneToTwentyOnly) {
    data.Settings.AtisCallSign[0] = {"123", "ABC"};
    data.Settings.AtisCallSign[10] = {"456", "DEF"};
    data.Settings.AtisCallSign[20] = {"789", "XYZ"};
    const std::vector<std::string> section = Section("##### ATIS Setup (Call Sign) #####");
    ASSERT_EQ(section.size(), 11u);
    EXPECT_EQ(section[0], Pad("", 10) + Pad("MID", 10) + Pad("Display", 18) + Pad("", 10) +
                              Pad("MID", 10) + Pad("Display", 10));
    EXPECT_EQ(section[1], Pad("No.1", 10) + Pad("123", 10) + Pad("ABC", 20) + Pad("No.11", 10) +
                              Pad("456", 10) + Pad("DEF", 10));
    EXPECT_EQ(section[10], Pad("No.10", 10) + Pad("", 10) + Pad("", 20) + Pad("No.20", 10) +
                               Pad("", 10) + Pad("", 10));
    EXPECT_EQ(BuildReport(data, model).find("XYZ"), std::string::npos);
}

TEST_F(ReportTextTest, ChannelTableListsEnabledChannelsOnly) {
    auto& usa = data.Settings.CHUSA;
    usa[3].Enable = false; // 01A, the first channel of the plan
    usa[32].ChTag = "DISTRESS AND CALLING";
    usa[32].Scramble = 6;
    usa[32].ScanMemory = true;
    usa[32].PowUp = true;
    const std::vector<std::string> section = Section("##### Programable USA Channel #####");
    ASSERT_EQ(section.size(), 2u + 50u);
    EXPECT_EQ(section[0], "CH   RX(MHz)  TX(MHz)  TX  LOW  UP  DUP  MEM  VS  CH Name");
    EXPECT_EQ(section[1], "---  -------  -------  --  ---  --  ---  ---  --  ------------");
    EXPECT_EQ(section[2], "05A  156.250  156.250  TX  ---  --  ---  ---  --  VTS         ");
    const auto distress = std::find_if(section.begin(), section.end(),
                                       [](const std::string& l) { return l.starts_with("16 "); });
    ASSERT_NE(distress, section.end());
    EXPECT_EQ(*distress, "16   156.800  156.800  TX  ---  UP  ---  MEM  2   DISTRESS AND");
}

TEST_F(ReportTextTest, DuplexAndReceiveOnlyChannels) {
    const std::vector<std::string> section = Section("##### Programable Canada Channel #####");
    const auto find = [&](const std::string& label) {
        return *std::find_if(section.begin(), section.end(),
                             [&](const std::string& l) { return l.starts_with(label + " "); });
    };
    EXPECT_EQ(find("20"), "20   161.600  157.000  TX  LOW  --  DUP  ---  --  PORT OPR    ");
    EXPECT_EQ(find("70"), "70   156.525  ---.---  --  ---  --  ---  ---  --  DSC         ");
}

TEST_F(ReportTextTest, DisabledWeatherChannelsStillListed) {
    data.Settings.CHWX[1].Enable = false;
    data.Settings.CHWX[2].ScanMemory = true;
    const std::vector<std::string> section = Section("##### Programable Wx Channel #####");
    ASSERT_EQ(section.size(), 12u);
    EXPECT_EQ(section[0], "CH  ENABLE  MEM  CH Name");
    EXPECT_EQ(section[1], "--  ------  ---  ------------");
    EXPECT_EQ(section[3], "2   ------  ---  162.400MHZ  ");
    EXPECT_EQ(section[4], "3   ENABLE  MEM  162.475MHZ  ");
    EXPECT_EQ(section[11], "10  ENABLE  ---  163.275MHZ  ");
}

TEST_F(ReportTextTest, DirectoriesListEveryEntry) {
    data.Settings.CHMMSID[0] = {true, "HARBOURMASTR", "3661234560"};
    data.Settings.CHGRPID[31] = {true, "FLEET", "036612345"};
    std::vector<std::string> section = Section("##### Memory ID Setting #####");
    ASSERT_EQ(section.size(), 82u);
    EXPECT_EQ(section[0], "No.  Station Name  MMSI");
    EXPECT_EQ(section[1], "---  ------------  ---------");
    EXPECT_EQ(section[2], "1    HARBOURMASTR  366123456");
    EXPECT_EQ(section[81], "80   ------------  ---------");

    section = Section("##### Group ID Setting #####");
    ASSERT_EQ(section.size(), 34u);
    EXPECT_EQ(section[0], "No.  Group Name    MMSI");
    EXPECT_EQ(section[2], "1    ------------  ---------");
    EXPECT_EQ(section[33], "32   FLEET         036612345");
}

TEST_F(ReportTextTest, ExpChannelsWithSnappedFrequencies) {
    ChannelRecord& first = data.Settings.CHEXP[0];
    first.Enable = true;
    first.TxEnable = true;
    first.CHDisplayL = "1";
    first.CHDisplayR = "A";
    first.Rxfreq = 156.0610;
    first.Txfreq = 156.0625;
    first.ChTag = "WORKING CHANNEL";
    first.Scramble = 4;
    first.LowPower = true;
    ChannelRecord& last = data.Settings.CHEXP[63];
    last.CHDisplayL = "123";
    last.CHDisplayR = "BC";
    const std::vector<std::string> section = Section("##### Programable Exp Channel #####");
    ASSERT_EQ(section.size(), 66u);
    EXPECT_EQ(section[0], "CH  CHD  ENABLE  RX(MHz)   TX(MHz)   LOW  UP  MEM  VS  CH Name");
    EXPECT_EQ(section[1], "--  ---  ------  --------  --------  ---  --  ---  --  ------------");
    EXPECT_EQ(section[2], "1   1 A  ENABLE  156.0600  156.0625  LOW  --  ---  0   WORKING CHAN");
    EXPECT_EQ(section[3], "2        ------  ---.----  ---.----  ---  --  ---  --  ------------");
    EXPECT_EQ(section[65], "64  12C  ------  ---.----  ---.----  ---  --  ---  --  ------------");
    EXPECT_DOUBLE_EQ(first.Rxfreq, 156.06);
    EXPECT_DOUBLE_EQ(first.Txfreq, 156.0625);
}

TEST_F(ReportTextTest, ReportIsRebuiltFromTheCurrentSettings) {
    const std::string before = BuildReport(data, model);
    data.Settings.CommonSetup.Rotary = true;
    const std::string after = BuildReport(data, model);
    EXPECT_NE(before, after);
    EXPECT_NE(after.find(Pad("Rotary Beep:", 35) + Pad("On", 18)), std::string::npos);
}

} // namespace
} // namespace tq58
