#include "link/Frame.h"

#include <gtest/gtest.h>
#include <string>

namespace tq58 {
namespace {

std::string Text(const Bytes& bytes) {
    return {bytes.begin(), bytes.end()};
}

TEST(BuildFrame, ReproducesThePublishedFramesAndLeavesOutEmptyFields) {
    EXPECT_EQ(Text(BuildFrame("#TQPRD", "0000", "40", "")), "#TQPRD\t0000\t40\t6D\r\n");
    EXPECT_EQ(Text(BuildFrame("#TQPRD", "0420", "07", "")), "#TQPRD\t0420\t07\t68\r\n");
    EXPECT_EQ(Text(BuildFrame("#TQPWR", "0405", "01", "00")), "#TQPWR\t0405\t01\t00\t73\r\n");
    // '#'^'T'^'Q'^'P'^'S'^'R'^TAB^'0'^'0'^TAB = 0x77; without "00" = 0x77^'0'^'0'^TAB = 0x7E
    EXPECT_EQ(Text(BuildFrame("#TQPSR", "00", "", "")), "#TQPSR\t00\t77\r\n");
    EXPECT_EQ(Text(BuildFrame("#TQPSR", "", "", "")), "#TQPSR\t7E\r\n");
}

TEST(VerifyChecksum, AcceptsEitherLetterCaseAndRefusesEverythingElse) {
    for (const char* good : {"#TQPRD\t0000\t40\t6D", "#TQPRD\t0000\t40\t6d", "A41"}) {
        EXPECT_TRUE(VerifyChecksum(good)) << good;
    }
    for (const char* bad : {"#TQPRD\t0000\t40\t6E", "#TQPRD\t0000\t40\tzz", "6D", ""}) {
        EXPECT_FALSE(VerifyChecksum(bad)) << bad;
    }
}

TEST(HexFields, AreUpperCaseZeroFilledAndReadStrictly) {
    EXPECT_EQ(HexField(0x0405, 4), "0405");
    EXPECT_EQ(HexField(64, 2), "40");
    EXPECT_EQ(HexField(0x7FFE, 4), "7FFE");
    EXPECT_EQ(ParseHex("7ffe"), 0x7FFE);
    EXPECT_EQ(ParseHex("00000040"), 0x40); // the radio's field width is free
    EXPECT_EQ(ParseHex("0000"), 0);
    for (const char* bad : {"", "4G", "-1", "1000000"})
        EXPECT_FALSE(ParseHex(bad)) << bad;
    Image image{};
    image[10] = 0x0A;
    image[11] = 0xFF;
    EXPECT_EQ(ImageHex(image, 10, 3), "0AFF00");
    EXPECT_EQ(ImageHex(image, 10, 0), "");
    const auto fields = SplitFields("\t0000\t40\t\t6D");
    EXPECT_EQ(fields, (std::vector<std::string_view>{"", "0000", "40", "", "6D"}));
}

TEST(StoreHexBytes, StoresBothLetterCasesAndNothingFromABadText) {
    Image image{};
    image.fill(0x55);
    EXPECT_TRUE(StoreHexBytes("0aFfB3", image, 100, 3));
    EXPECT_EQ(ImageHex(image, 99, 5), "550AFFB355");
    EXPECT_FALSE(StoreHexBytes("0102", image, 0, 3));
    EXPECT_FALSE(StoreHexBytes("01x203", image, 0, 3));
    EXPECT_FALSE(StoreHexBytes("0102", image, ImageSize - 1, 2));
    EXPECT_EQ(ImageHex(image, 0, 4), "55555555");
    EXPECT_EQ(image[ImageSize - 1], 0x55);
}

} // namespace
} // namespace tq58
