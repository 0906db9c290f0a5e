#include "files/ValueText.h"

#include <gtest/gtest.h>

namespace tq58 {
namespace {

TEST(ValueText, TextsConvertOnlyWhenTheyAreWholeValues) {
    const std::pair<const char*, std::optional<bool>> booleans[] = {
        {"1", true},   {"0", false}, {"True", true}, {"false", false}, {"-1", true},
        {" 1 ", true}, {"", {}},     {"yes", {}},    {"1x", {}}};
    for (const auto& [text, value] : booleans) {
        EXPECT_EQ(ParseBooleanText(text), value) << text;
    }
    const std::pair<const char*, std::optional<long long>> numbers[] = {
        {"24", 24}, {"-24", -24}, {"+7", 7}, {"4.6", 5}, {"4,6", 5}, {"abc", {}}, {"1e300", {}}};
    for (const auto& [text, value] : numbers) {
        EXPECT_EQ(ParseRoundedNumber(text), value) << text;
    }
    EXPECT_EQ(ParseNumberInRange("32767", -32768, 32767), 32767);
    EXPECT_EQ(ParseNumberInRange("32768", -32768, 32767), std::nullopt);
    EXPECT_EQ(ParseNumberInRange("-32769", -32768, 32767), std::nullopt);
    const std::pair<const char*, std::optional<double>> decimals[] = {
        {"156.025", 156.025}, {"156,025", 156.025}, {" 0 ", 0.0}, {"nan", {}},
        {"inf", {}},          {"156.025 MHz", {}},  {"+-1", {}}};
    for (const auto& [text, value] : decimals) {
        EXPECT_EQ(ParseDecimal(text), value) << text;
    }
    const double awkward = 0.1 + 0.2;
    EXPECT_EQ(ParseDecimal(FormatDecimal(awkward)), awkward);
}

} // namespace
} // namespace tq58
