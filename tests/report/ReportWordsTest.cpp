#include "report/ReportWords.h"

#include <gtest/gtest.h>

namespace tq58 {
namespace {

// The words at the edges of each range; the ordinary words are checked in the report text tests.
TEST(ReportWords, EdgesOfEachRange) {
    const auto priority = [](int value) { return PriorityText(value); };
    const struct {
        const char* name;
        std::string (*word)(int);
        std::vector<std::pair<int, std::string>> cases;
    } words[] = {
        {"TxPo", TxPoText, {{2, "Last TX Po"}, {3, ""}, {-1, ""}}},
        {"Resume", ResumeText, {{0, "--"}, {4, ""}}},
        {"Mag", MagText, {{0, "True"}, {255, ""}}},
        {"Weather", WeatherText, {{0, "OFF"}, {2, "On SCAN"}, {255, ""}}},
        {"Offset", OffsetText, {{-1, "-0:30"}, {2, "+1:00"}, {-24, "-12:00"}, {24, "+12:00"}}},
        {"Offset", OffsetText, {{25, ""}, {-31, ""}}},
        {"Priority", priority, {{0, "00"}, {141, "70A"}, {239, "119A"}, {240, "EXP1"}}},
        {"Priority", priority, {{279, "EXP40"}, {280, "Off"}, {65535, "Off"}}},
        {"Scramble", ScrambleText, {{3, "--"}, {5, "1"}, {7, "3"}}},
    };
    for (const auto& word : words) {
        for (const auto& [value, text] : word.cases) {
            EXPECT_EQ(word.word(value), text) << word.name << " " << value;
        }
    }
    EXPECT_EQ(PadRight("On", 5), "On   ");
    EXPECT_EQ(PadRight("LONGER THAN TWELVE", 12), "LONGER THAN ");
    EXPECT_EQ(PadRight("x", 0), "");
    EXPECT_EQ(StatusText("    "), "----");
    EXPECT_EQ(StatusText(" AB "), " AB ");
    EXPECT_EQ(NameOrDashes("", 9), "---------");
    EXPECT_EQ(NameOrDashes("3661234560", 9), "366123456");
}

} // namespace
} // namespace tq58
