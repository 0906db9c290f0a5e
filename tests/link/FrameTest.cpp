#include "link/Frame.h"

#include <gtest/gtest.h>
#include <string>

namespace tq58 {
namespace {

std::string Text(const Bytes& bytes) {
    return {bytes.begin(), bytes.end()};
}

TEST(BuildFrame, ReproducesThePublishedFramesByteForByte) {
    EXPECT_EQ(Text(BuildFrame("#TQPRD", "0000", "40", "")), "#TQPRD\t0000\t40\t6D\r\n");
    EXPECT_EQ(Text(BuildFrame("#TQPRD", "0420", "07", "")), "#TQPRD\t0420\t07\t68\r\n");
    EXPECT_EQ(Text(BuildFrame("#TQPWR", "0405", "01", "00")), "#TQPWR\t0405\t01\t00\t73\r\n");
}

TEST(BuildFrame, LeavesOutEmptyFieldsWithTheirTabs) {
    // '#'^'T'^'Q'^'P'^'S'^'R'^TAB^'0'^'0'^TAB = 0x77
    EXPECT_EQ(Text(BuildFrame("#TQPSR", "00", "", "")), "#TQPSR\t00\t77\r\n");
    EXPECT_EQ(Text(BuildFrame("#TQPSR", "", "", "")).substr(0, 7), "#TQPSR\t");
    EXPECT_EQ(Text(BuildFrame("#TQPSR", "", "", "")).size(), 11u);
}

TEST(VerifyChecksum, AcceptsEitherLetterCaseAndRefusesEverythingElse) {
    EXPECT_TRUE(VerifyChecksum("#TQPRD\t0000\t40\t6D"));
    EXPECT_TRUE(VerifyChecksum("#TQPRD\t0000\t40\t6d"));
    EXPECT_FALSE(VerifyChecksum("#TQPRD\t0000\t40\t6E"));
    EXPECT_FALSE(VerifyChecksum("#TQPRD\t0000\t40\tzz"));
    EXPECT_FALSE(VerifyChecksum("6D"));
    EXPECT_FALSE(VerifyChecksum(""));
    // A lone character checked against itself: 'A' = 0x41.
    EXPECT_TRUE(VerifyChecksum("A41"));
}

TEST(HexFields, AreUpperCaseAndZeroFilled) {
    EXPECT_EQ(HexField(0x0405, 4), "0405");
    EXPECT_EQ(HexField(64, 2), "40");
    EXPECT_EQ(HexField(0x7FFE, 4), "7FFE");
    EXPECT_EQ(HexField(0x420, 1), "420");
    EXPECT_EQ(ParseHex("7ffe"), 0x7FFE);
    EXPECT_EQ(ParseHex("40"), 0x40);
    EXPECT_FALSE(ParseHex(""));
    EXPECT_FALSE(ParseHex("4G"));
    EXPECT_FALSE(ParseHex("-1"));
}

TEST(ImageHex, GivesTwoDigitsPerByteInAddressOrder) {
    Image image{};
    image[10] = 0x0A;
    image[11] = 0xFF;
    image[12] = 0x00;
    EXPECT_EQ(ImageHex(image, 10, 3), "0AFF00");
    EXPECT_EQ(ImageHex(image, 10, 0), "");
}

TEST(StoreHexBytes, StoresBothLetterCasesAtTheAddress) {
    Image image{};
    EXPECT_TRUE(StoreHexBytes("0aFfB3", image, 100, 3));
    EXPECT_EQ(image[99], 0);
    EXPECT_EQ(image[100], 0x0A);
    EXPECT_EQ(image[101], 0xFF);
    EXPECT_EQ(image[102], 0xB3);
    EXPECT_EQ(image[103], 0);
}

TEST(StoreHexBytes, StoresNothingFromAShortOrForeignText) {
    Image image{};
    image.fill(0x55);
    EXPECT_FALSE(StoreHexBytes("0102", image, 0, 3));
    EXPECT_FALSE(StoreHexBytes("01x203", image, 0, 3));
    EXPECT_FALSE(StoreHexBytes("0102", image, ImageSize - 1, 2));
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(image[static_cast<std::size_t>(i)], 0x55);
    }
}

TEST(SplitFields, KeepsEmptyFieldsInPlace) {
    const auto fields = SplitFields("\t0000\t40\t\t6D");
    ASSERT_EQ(fields.size(), 5u);
    EXPECT_EQ(fields[0], "");
    EXPECT_EQ(fields[1], "0000");
    EXPECT_EQ(fields[3], "");
    EXPECT_EQ(fields[4], "6D");
}

} // namespace
} // namespace tq58
