#include "report/ReportText.h"

#include "support/TestModels.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace tq58 {
namespace {

using test::NewRadioData;
using test::Rv7700A;

// The report's lines; the report begins with a line break, so element 0 is always empty.
std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
        lines.push_back(text.substr(start, end - start));
    }
    lines.push_back(text.substr(start));
    return lines;
}

std::string Pad(const std::string& text, std::size_t n) {
    return text + std::string(n - text.size(), ' ');
}

// A setting line: the label in 35 characters, then each value in its width.
std::string Row(const std::string& label, const std::vector<std::string>& values,
                std::size_t width = 18) {
    std::string line = Pad(label, 35);
    for (const std::string& value : values) {
        line += Pad(value, width);
    }
    return line;
}

class ReportTextTest : public ::testing::Test {
protected:
    ModelState model = Rv7700A();
    RadioData data = NewRadioData(model);

    // The lines of one section, from below its heading up to the empty line before the next.
    std::vector<std::string> Section(const std::string& heading) {
        const std::vector<std::string> lines = SplitLines(BuildReport(data, model));
        const auto begin = std::ranges::find(lines, "##### " + heading + " #####");
        if (begin == lines.end()) {
            return {};
        }
        const auto end = std::find_if(begin + 1, lines.end(), [](const std::string& line) {
            return line.starts_with("#####");
        });
        return {begin + 1, end == lines.end() ? end : end - 1};
    }

    void Check(const std::string& heading, std::size_t count,
               const std::vector<std::pair<std::size_t, std::string>>& expected) {
        SCOPED_TRACE(heading);
        const std::vector<std::string> section = Section(heading);
        ASSERT_EQ(section.size(), count);
        for (const auto& [index, text] : expected) {
            EXPECT_EQ(section[index], text) << "line " << index;
        }
    }
};

TEST_F(ReportTextTest, SettingSectionsShowEditedValues) {
    auto& groups = data.Settings.UsableChGroup;
    groups[GroupUsa].PriorityCh = -1;
    groups[GroupIntl].PriorityCh = 241;
    groups[GroupCanada] = {.Enable = false,
                           .TxTot = true,
                           .PriorityCh = groups[GroupCanada].PriorityCh,
                           .StatusName = "CAN1"};
    groups[GroupExp].Enable = true;
    groups[GroupExp].ExpChGroup = {true, false, true};
    CommonSetupRecord& common = data.Settings.CommonSetup;
    common = {.TxPoDisplay = 1,
              .Scan = true,
              .ResumeTime = 3,
              .PttScanClear = true,
              .DualWatch = false,
              .OffsetTime = 0,
              .MagneticVariation = 1,
              .WeatherAlert = 3,
              .Rotary = true};
    auto& basic = data.Settings.DscBasicSetup;
    basic.UserMmsi = "3661234560"; // as read from a radio: the report shows the nine digits
    basic.PosRequestTX[3] = true;
    basic.DscChGroup[1] = false;
    data.MemoryImage[0x0195] = 1; // the MMSI-entered count comes from the image
    data.Settings.DscAdvancedSetup.GroupCallTX[0] = true;
    data.Settings.AtisCallSign[0] = {.MID = "123", .DISP = "ABC"};
    data.Settings.AtisCallSign[10] = {.MID = "456", .DISP = "DEF"};
    data.Settings.AtisCallSign[20] = {.MID = "789", .DISP = "XYZ"}; // entries 1 to 20 only
    Check("Usable CH Group Setup", 6,
          {{1, Row("Enable", {"On", "On", "Off", "On"})},
           {2, Row("TX TOT", {"Off", "Off", "On", "Off"})},
           {3, Row("Priority CH", {"Off", "EXP2", "16"})},
           {4, Row("Status Name", {"----", "----", "CAN1", "----"})},
           {5, Row("EXP CH", {"On", "Off", "On"})}});
    Check("Common Setup", 15,
          {{1, Row("TX Po Display:", {"Lo Po on Changing CH"}, 35)},
           {10, Row("Offset Time:", {" 0"})},
           {11, Row("Magnetic Variation:", {"Mag"})},
           {13, Row("Weather Alert:", {"WX and SCAN"}, 35)},
           {14, Row("Rotary Beep:", {"On"})}});
    Check("DSC Setup (Basic Setup)", 19,
          {{2, Row("INTL:", {"Off"}, 20)},
           {5, Pad("User MMSI:", 35) + "366123456   ----- Count : 1"},
           {9, Row("POS Reporting:", {"On", "Hi"})},
           {16, Row("Received Geografic:", {"On"})}});
    Check("DSC Setup (Advanced Setup)", 17, {{7, Row("Distress:", {"Off", "Hi"})}});
    Check("ATIS Setup (Call Sign)", 11,
          {{1, Pad("No.1", 10) + Pad("123", 10) + Pad("ABC", 20) + Pad("No.11", 10) +
                   Pad("456", 10) + Pad("DEF", 10)}});
    EXPECT_EQ(BuildReport(data, model).find("XYZ"), std::string::npos);

    for (auto& group : groups) {
        group.Enable = false;
    }
    common.OffsetTime = -3;
    Check("Usable CH Group Setup", 6, {{5, Row("EXP CH", {"---", "---", "---"})}});
    Check("Common Setup", 15, {{10, Row("Offset Time:", {"-1:30"})}});
}

TEST_F(ReportTextTest, ChannelTablesAndDirectories) {
    auto& usa = data.Settings.CHUSA;
    usa[3].Enable = false; // 01A, the first channel of the plan: only enabled ones are listed
    ChannelRecord& distress = usa[32];
    distress.ChTag = "DISTRESS AND CALLING";
    distress.Scramble = 6;
    distress.ScanMemory = distress.PowUp = true;
    data.Settings.CHWX[1].Enable = false; // weather and directories list every entry
    data.Settings.CHWX[2].ScanMemory = true;
    data.Settings.CHMMSID[0] = {.Enable = true, .TagName = "HARBOURMASTR", .Mmsid = "3661234560"};
    data.Settings.CHGRPID[31] = {.Enable = true, .TagName = "FLEET", .Mmsid = "036612345"};
    ChannelRecord& first = data.Settings.CHEXP[0];
    first.Enable = first.TxEnable = first.LowPower = true;
    first.Scramble = 4;
    first.CHDisplayL = "1";
    first.CHDisplayR = "A";
    first.Rxfreq = 156.0610; // off the raster: snapped down
    first.Txfreq = 156.0625;
    first.ChTag = "WORKING CHANNEL";
    data.Settings.CHEXP[63].CHDisplayL = "123";
    data.Settings.CHEXP[63].CHDisplayR = "BC";
    Check("Programable USA Channel", 2 + 50,
          {{2, "05A  156.250  156.250  TX  ---  --  ---  ---  --  VTS         "},
           {13, "16   156.800  156.800  TX  ---  UP  ---  MEM  2   DISTRESS AND"}});
    const auto canada = Section("Programable Canada Channel");
    for (const char* line : {"20   161.600  157.000  TX  LOW  --  DUP  ---  --  PORT OPR    ",
                             "70   156.525  ---.---  --  ---  --  ---  ---  --  DSC         "}) {
        EXPECT_EQ(std::ranges::count(canada, line), 1) << line;
    }
    Check("Programable Wx Channel", 12,
          {{3, "2   ------  ---  162.400MHZ  "}, {4, "3   ENABLE  MEM  162.475MHZ  "}});
    Check("Memory ID Setting", 82, {{2, "1    HARBOURMASTR  366123456"}});
    Check("Group ID Setting", 34, {{33, "32   FLEET         036612345"}});
    Check("Programable Exp Channel", 66,
          {{2, "1   1 A  ENABLE  156.0600  156.0625  LOW  --  ---  0   WORKING CHAN"},
           {65, "64  12C  ------  ---.----  ---.----  ---  --  ---  --  ------------"}});
}

} // namespace
} // namespace tq58
