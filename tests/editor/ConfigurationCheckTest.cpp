#include "editor/ConfigurationCheck.h"

#include "editor/AtisCodeRule.h"
#include "editor/DistressChannel.h"
#include "editor/UserMmsiConfirmation.h"
#include "model/ChannelTable.h"
#include "support/TestModels.h"

#include <gtest/gtest.h>

namespace tq58 {
namespace {

const MidTable& Mids() {
    static const MidTable table = MidTable::FromText("244\tNL\tNetherlands\n366\tUS\tUSA\n");
    return table;
}

std::size_t Channel16() {
    return static_cast<std::size_t>(std::stoi(FindChannelPosition("16")));
}

// A warning as the command line and a person without a translation read it.
struct Told {
    std::string Section, Entry, Text;
    bool operator==(const Told&) const = default;
};

std::vector<Told> InEnglish(const std::vector<ConfigurationWarning>& warnings) {
    std::vector<Told> told;
    for (const ConfigurationWarning& warning : warnings) {
        told.push_back({warning.Section, warning.Entry.English(), warning.Text.English()});
    }
    return told;
}

// New data with a clean User MMSI, ATIS code and directories, as a careful user leaves it.
SettingsRecord Clean() {
    SettingsRecord settings = test::NewRadioData(test::Rv7700A()).Settings;
    settings.DscBasicSetup.UserMmsi = "244123456";
    settings.AtisCommon.AtisCode = "9244123456";
    settings.CHMMSID[0] = {true, "HARBOUR", "2441111110"};
    settings.CHGRPID[0] = {true, "FLEET", "0366123450"};
    return settings;
}

TEST(ConfigurationCheck, CleanDataHasNoWarning) {
    EXPECT_TRUE(CheckConfiguration(Clean(), test::Rv7700A(), Mids()).empty());
}

TEST(ConfigurationCheck, EachProblemIsNamedOnceWithItsSectionAndEntry) {
    SettingsRecord settings = Clean();
    settings.DscBasicSetup.UserMmsi = "0244123450";
    settings.AtisCommon.AtisCode = "9245123456";
    settings.CHINT[Channel16()].Enable = false;
    settings.CHCAN[Channel16()].Enable = false;
    settings.UsableChGroup[GroupCanada].Enable = false; // a group not in use keeps quiet
    settings.CHMMSID[1] = {true, "SHORE", "0024412340"};
    settings.CHMMSID[2] = {true, "NOWHERE", "2451234560"};
    settings.CHMMSID[3] = {true, "HARBOUR", "2441111110"};
    settings.CHMMSID[4] = {true, "ODD", "1234567890"};
    settings.CHGRPID[1] = {true, "COAST", "0024412340"};
    settings.CHEXP[4].Enable = true;
    settings.CHEXP[4].ChTag = "  ";
    const std::vector<Told> expected{
        {"DSC Setup (Basic Setup)", "User MMSI",
         "024412345 reads as Group \xB7 Netherlands; a radio's own MMSI is a ship station's or "
         "a handheld's."},
        {"ATIS Setup (Common)", "ATIS Code",
         std::string("9245123456 does not follow the rule. ") + AtisCodeRuleText},
        {"Programable International Channel", "CH 16",
         "Channel 16 is switched off in Group2: it is the international distress, safety and "
         "calling channel."},
        {"Memory ID Setting", "No.2",
         "\"SHORE\": 002441234 reads as Coast station \xB7 Netherlands, which does not belong "
         "in the individual directory."},
        {"Memory ID Setting", "No.3",
         "\"NOWHERE\": MID 245 of 245123456 is allocated to no "
         "country."},
        {"Memory ID Setting", "No.4", "\"HARBOUR\": the same MMSI as No.1."},
        {"Memory ID Setting", "No.4", "\"HARBOUR\": the same name as No.1."},
        {"Memory ID Setting", "No.5",
         "\"ODD\": 123456789 is not an MMSI (a ship station's begins with 2 to 7), which does "
         "not belong in the individual directory."},
        {"Group ID Setting", "No.2",
         "\"COAST\": 002441234 reads as Coast station \xB7 Netherlands, which does not belong "
         "in the group directory."},
        {"Programable Exp Channel", "CH 5", "The channel is in use but has no name."},
    };
    const std::vector<ConfigurationWarning> warnings =
        CheckConfiguration(settings, test::Rv7700A(), Mids());
    EXPECT_EQ(InEnglish(warnings), expected);
    EXPECT_EQ(WarningLine(warnings.at(5)), "Memory ID Setting | No.4 | \"HARBOUR\": the same MMSI "
                                           "as No.1.");
    // Without ATIS the code is not the radio's concern.
    EXPECT_EQ(CheckConfiguration(settings, test::Rv7200A(), Mids()).size(), expected.size() - 1);
    // The window asks before the same channel goes off.
    EXPECT_TRUE(IsChannel16(GroupCanada, static_cast<int>(Channel16())));
    EXPECT_FALSE(IsChannel16(GroupExp, static_cast<int>(Channel16())));
}

TEST(UserMmsiConfirmation, OnlyANewMmsiIsEnteredTwice) {
    EXPECT_TRUE(NeedsSecondEntry("", "244123456"));
    EXPECT_TRUE(NeedsSecondEntry("2441234560", "244123457"));
    EXPECT_FALSE(NeedsSecondEntry("2441234560", "244123456"));
    EXPECT_FALSE(NeedsSecondEntry("244123456", ""));
    EXPECT_FALSE(NeedsSecondEntry("244123456", "   "));
    EXPECT_TRUE(SecondEntryMatches("2441234560", " 244123456 "));
    EXPECT_FALSE(SecondEntryMatches("244123456", "244123457"));
    EXPECT_FALSE(SecondEntryMatches("244123456", "2441234560"));
    EXPECT_FALSE(SecondEntryMatches("", ""));
}

} // namespace
} // namespace tq58
