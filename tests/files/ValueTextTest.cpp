#include "files/ValueText.h"

#include <gtest/gtest.h>

namespace tq58 {
namespace {

TEST(ValueText, BooleansAcceptDigitsWordsAndAnyWholeNumber) {
    EXPECT_EQ(ParseBooleanText("1"), true);
    EXPECT_EQ(ParseBooleanText("0"), false);
    EXPECT_EQ(ParseBooleanText("True"), true);
    EXPECT_EQ(ParseBooleanText("false"), false);
    EXPECT_EQ(ParseBooleanText("-1"), true);
    EXPECT_EQ(ParseBooleanText(" 1 "), true);
    EXPECT_EQ(ParseBooleanText(""), std::nullopt);
    EXPECT_EQ(ParseBooleanText("yes"), std::nullopt);
    EXPECT_EQ(ParseBooleanText("1x"), std::nullopt);
}

TEST(ValueText, NumbersRoundAndRespectTheFieldRange) {
    EXPECT_EQ(ParseRoundedNumber("24"), 24);
    EXPECT_EQ(ParseRoundedNumber("-24"), -24);
    EXPECT_EQ(ParseRoundedNumber("+7"), 7);
    EXPECT_EQ(ParseRoundedNumber("4.6"), 5);
    EXPECT_EQ(ParseRoundedNumber("4,6"), 5);
    EXPECT_EQ(ParseRoundedNumber("abc"), std::nullopt);
    EXPECT_EQ(ParseRoundedNumber("1e300"), std::nullopt);
    EXPECT_EQ(ParseNumberInRange("32767", -32768, 32767), 32767);
    EXPECT_EQ(ParseNumberInRange("32768", -32768, 32767), std::nullopt);
    EXPECT_EQ(ParseNumberInRange("-32769", -32768, 32767), std::nullopt);
}

TEST(ValueText, DecimalsTakePointOrCommaAndRefuseNonNumbers) {
    EXPECT_EQ(ParseDecimal("156.025"), 156.025);
    EXPECT_EQ(ParseDecimal("156,025"), 156.025);
    EXPECT_EQ(ParseDecimal(" 0 "), 0.0);
    EXPECT_EQ(ParseDecimal("nan"), std::nullopt);
    EXPECT_EQ(ParseDecimal("inf"), std::nullopt);
    EXPECT_EQ(ParseDecimal("156.025 MHz"), std::nullopt);
    EXPECT_EQ(ParseDecimal("+-1"), std::nullopt);
}

TEST(ValueText, DecimalsAreWrittenShortestWithAPoint) {
    EXPECT_EQ(FormatDecimal(156.025), "156.025");
    EXPECT_EQ(FormatDecimal(162.4), "162.4");
    EXPECT_EQ(FormatDecimal(0), "0");
    EXPECT_EQ(FormatDecimal(157.0125), "157.0125");
    const double awkward = 0.1 + 0.2;
    EXPECT_EQ(ParseDecimal(FormatDecimal(awkward)), awkward);
}

} // namespace
} // namespace tq58
