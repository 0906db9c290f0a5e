#include "report/ReportWords.h"

#include <gtest/gtest.h>

namespace tq58 {
namespace {

TEST(PadRight, PadsShortTextsAndCutsLongOnes) {
    EXPECT_EQ(PadRight("On", 5), "On   ");
    EXPECT_EQ(PadRight("DISTRESS", 8), "DISTRESS");
    EXPECT_EQ(PadRight("LONGER THAN TWELVE", 12), "LONGER THAN ");
    EXPECT_EQ(PadRight("", 3), "   ");
    EXPECT_EQ(PadRight("x", 0), "");
}

TEST(ReportWords, SwitchesAndPowerLevels) {
    EXPECT_EQ(OnOffText(true), "On");
    EXPECT_EQ(OnOffText(false), "Off");
    EXPECT_EQ(HiLowText(true), "Hi");
    EXPECT_EQ(HiLowText(false), "Low");
    EXPECT_EQ(FlagText(true, "DUP", "---"), "DUP");
    EXPECT_EQ(FlagText(false, "DUP", "---"), "---");
}

TEST(ReportWords, SettingValuesOutsideTheirChoicesHaveNoWord) {
    EXPECT_EQ(TxPoText(0), "Lo Po Only");
    EXPECT_EQ(TxPoText(1), "Lo Po on Changing CH");
    EXPECT_EQ(TxPoText(2), "Last TX Po");
    EXPECT_EQ(TxPoText(3), "");
    EXPECT_EQ(TxPoText(-1), "");
    EXPECT_EQ(ResumeText(0), "--");
    EXPECT_EQ(ResumeText(3), "3Sec");
    EXPECT_EQ(ResumeText(4), "");
    EXPECT_EQ(MagText(0), "True");
    EXPECT_EQ(MagText(1), "Mag");
    EXPECT_EQ(MagText(255), "");
    EXPECT_EQ(WeatherText(0), "OFF");
    EXPECT_EQ(WeatherText(2), "On SCAN");
    EXPECT_EQ(WeatherText(3), "WX and SCAN");
    EXPECT_EQ(WeatherText(255), "");
}

TEST(ReportWords, OffsetTimeInHalfHours) {
    EXPECT_EQ(OffsetText(0), " 0");
    EXPECT_EQ(OffsetText(-3), "-1:30");
    EXPECT_EQ(OffsetText(-1), "-0:30");
    EXPECT_EQ(OffsetText(1), "+0:30");
    EXPECT_EQ(OffsetText(2), "+1:00");
    EXPECT_EQ(OffsetText(-24), "-12:00");
    EXPECT_EQ(OffsetText(24), "+12:00");
    EXPECT_EQ(OffsetText(25), "");
    EXPECT_EQ(OffsetText(-31), "");
}

TEST(ReportWords, PriorityChannelFromTheChannelTableOrTheExpChannels) {
    EXPECT_EQ(PriorityText(-1), "Off");
    EXPECT_EQ(PriorityText(0), "00");
    EXPECT_EQ(PriorityText(32), "16");
    EXPECT_EQ(PriorityText(141), "70A");
    EXPECT_EQ(PriorityText(239), "119A");
    EXPECT_EQ(PriorityText(240), "EXP1");
    EXPECT_EQ(PriorityText(241), "EXP2");
    EXPECT_EQ(PriorityText(279), "EXP40");
    EXPECT_EQ(PriorityText(280), "Off");
    EXPECT_EQ(PriorityText(65535), "Off");
}

TEST(ReportWords, StatusNameOrDashes) {
    EXPECT_EQ(StatusText(""), "----");
    EXPECT_EQ(StatusText("    "), "----");
    EXPECT_EQ(StatusText(" AB "), " AB ");
}

TEST(ReportWords, ChannelFrequencies) {
    EXPECT_EQ(FreqText(0), "---.---");
    EXPECT_EQ(FreqText(-156.8), "---.---");
    EXPECT_EQ(FreqText(156.8), "156.800");
    EXPECT_EQ(FreqText(156.025 + 0.05 * 59), "158.975");
    EXPECT_EQ(FreqText(156.8 + 4.6), "161.400");
    EXPECT_EQ(TxFreqText(156.8, false), "156.800");
    EXPECT_EQ(TxFreqText(156.8, true), "---.---");
    EXPECT_EQ(TxFreqText(0, false), "---.---");
}

TEST(ReportWords, ExpFrequenciesOffTheRasterSnapDownInTheRecord) {
    double offRaster = 156.0610;
    EXPECT_EQ(ExpFreqText(offRaster), "156.0600");
    EXPECT_EQ(FreqText(offRaster), "156.060");
    EXPECT_DOUBLE_EQ(offRaster, 156.06);

    double justBelowNext = 156.0649;
    EXPECT_EQ(ExpFreqText(justBelowNext), "156.0600");

    double narrowRaster = 156.0625;
    EXPECT_EQ(ExpFreqText(narrowRaster), "156.0625");
    EXPECT_EQ(narrowRaster, 156.0625);

    double fiveKilohertz = 157.1050;
    EXPECT_EQ(ExpFreqText(fiveKilohertz), "157.1050");
    EXPECT_EQ(fiveKilohertz, 157.1050);

    double none = 0;
    EXPECT_EQ(ExpFreqText(none), "---.----");
    EXPECT_EQ(none, 0);
}

TEST(ReportWords, ScramblerCodeOnlyWhenSwitchedOn) {
    EXPECT_EQ(ScrambleText(0), "--");
    EXPECT_EQ(ScrambleText(3), "--");
    EXPECT_EQ(ScrambleText(4), "0");
    EXPECT_EQ(ScrambleText(5), "1");
    EXPECT_EQ(ScrambleText(7), "3");
}

TEST(ReportWords, NamesAndMmsisOrDashes) {
    EXPECT_EQ(NameOrDashes("", 12), "------------");
    EXPECT_EQ(NameOrDashes("", 9), "---------");
    EXPECT_EQ(NameOrDashes("HARBOUR", 12), "HARBOUR     ");
    EXPECT_EQ(NameOrDashes("3661234560", 9), "366123456");
}

} // namespace
} // namespace tq58
