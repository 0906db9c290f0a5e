#include "editor/ConfigurationCheck.h"

#include "editor/AtisCodeRule.h"
#include "editor/DistressChannel.h"
#include "editor/NavigationTree.h"
#include "editor/UserMmsiConfirmation.h"
#include "model/ChannelTable.h"
#include "support/TestModels.h"

#include <gtest/gtest.h>
#include <tuple>

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
    for (const std::size_t unnamed : {4, 5, 6, 9}) {
        settings.CHEXP[unnamed].Enable = true;
        settings.CHEXP[unnamed].ChTag = "  ";
    }
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
        {"Programable Exp Channel", "CH 5-7, 10", "4 EXP channels are in use without a name."},
    };
    const std::vector<ConfigurationWarning> warnings =
        CheckConfiguration(settings, test::Rv7700A(), Mids());
    EXPECT_EQ(InEnglish(warnings), expected);
    EXPECT_EQ(WarningLine(warnings.at(5)), "Memory ID Setting | No.4 | \"HARBOUR\": the same MMSI "
                                           "as No.1.");
    // Each warning opens its setting.
    std::vector<std::string> places;
    for (const ConfigurationWarning& warning : warnings) {
        places.push_back(warning.NodeKey + " " + warning.Control);
    }
    const std::string ch16 = ChannelNodeKey(GroupIntl, static_cast<int>(Channel16()));
    EXPECT_EQ(places, (std::vector<std::string>{"DSC txtUserMMSI", "ATIS txtATIScode",
                                                ch16 + " chkCEnable", "SM2 ", "SM3 ", "SM4 ",
                                                "SM4 ", "SM5 ", "SG2 ", "ExpChannel "}));
    settings.CHEXP[4].ChTag = settings.CHEXP[5].ChTag = settings.CHEXP[6].ChTag = "NAMED";
    const ConfigurationWarning lone = CheckConfiguration(settings, test::Rv7700A(), Mids()).back();
    EXPECT_EQ(WarningLine(lone) + " " + lone.NodeKey,
              "Programable Exp Channel | CH 10 | The channel is in use but has no name. E10");
    // Without ATIS the code is not the radio's concern.
    EXPECT_EQ(CheckConfiguration(settings, test::Rv7200A(), Mids()).size(), expected.size() - 1);
    // The window asks before the same channel goes off.
    EXPECT_TRUE(IsChannel16(GroupCanada, static_cast<int>(Channel16())));
    EXPECT_FALSE(IsChannel16(GroupExp, static_cast<int>(Channel16())));
}

// One rule wherever a User MMSI comes from: nine digits as the radio stores them.
TEST(UserMmsiConfirmation, AUserMmsiThatIsNotNineDigitsIsNamedByItsFault) {
    const std::pair<const char*, const char*> cases[] = {
        {"244123456", "244123456"},
        {"2441234560  ", "244123456"},
        {"", ""},
        {"24412345", "User MMSI 24412345 has 8 digits; an MMSI has 9."},
        {"2441234561", "User MMSI 2441234561 has 10 digits; an MMSI has 9."},
        {" 244123456", "User MMSI \" 244123456\" holds other characters than digits; an MMSI "
                       "has 9 digits."},
    };
    for (const auto& [userMmsi, told] : cases) {
        const auto fault = UserMmsiFault(userMmsi);
        EXPECT_EQ(fault ? fault->English() : StoredUserMmsi(userMmsi).value(), told) << userMmsi;
    }
    SettingsRecord settings = Clean();
    settings.DscBasicSetup.UserMmsi = "24412345";
    EXPECT_EQ(CheckConfiguration(settings, test::Rv7700A(), Mids()).at(0).Text.English(),
              "User MMSI 24412345 has 8 digits; an MMSI has 9.");
}

// The command line's --confirm-mmsi says what is wrong and what to type.
TEST(UserMmsiConfirmation, CommandLineRefusalsTellWhatToType) {
    const std::tuple<const char*, std::optional<std::string>, const char*> cases[] = {
        {"2441234560", "244123456", ""},
        {"2441234560", "\t244123456 ", ""},
        {"", std::nullopt, ""},
        {"2441234560", "2441234560",
         "--confirm-mmsi \"2441234560\" is not 9 digits; type the 9 digits the radio stores: "
         "--confirm-mmsi 244123456."},
        {"244123456", "244123457",
         "--confirm-mmsi \"244123457\" differs from the file's User MMSI"},
        {"244123456", std::nullopt, "Repeat it with --confirm-mmsi DIGITS"},
        {"", "244123456", "--confirm-mmsi was given, but the file holds no User MMSI"},
        {"24412345", "24412345", "User MMSI 24412345 has 8 digits; an MMSI has 9.\nCorrect"},
    };
    for (const auto& [userMmsi, typed, told] : cases) {
        const auto refusal = CommandLineMmsiRefusal(userMmsi, typed);
        EXPECT_EQ(refusal.has_value(), *told != '\0') << userMmsi;
        EXPECT_NE(refusal.value_or("").find(told), std::string::npos) << refusal.value_or("");
    }
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
