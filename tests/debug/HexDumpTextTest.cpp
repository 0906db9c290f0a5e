#include "debug/HexDumpText.h"

#include <gtest/gtest.h>
#include <numeric>

namespace tq58 {
namespace {

const std::string headerLine = "       00 01 02 03 04 05 06 07 08 09 0A 0B 0C 0D 0E 0F";
const std::string ruleLine = " ----  -- -- -- -- -- -- -- -- -- -- -- -- -- -- -- --";

std::vector<std::uint8_t> Counting(std::size_t size) {
    std::vector<std::uint8_t> bytes(size);
    std::iota(bytes.begin(), bytes.end(), std::uint8_t{0});
    return bytes;
}

TEST(HexDumpTextTest, HeadingLinesStandOverTheByteColumns) {
    const auto bytes = Counting(16);
    const auto lines = HexDumpLines(bytes.data(), bytes.size());
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0], headerLine);
    EXPECT_EQ(lines[1], ruleLine);
    EXPECT_EQ(lines[2].size(), headerLine.size());
    EXPECT_EQ(lines[1].size(), headerLine.size());
}

TEST(HexDumpTextTest, RowsShowAddressAndUpperCaseBytes) {
    auto bytes = Counting(48);
    bytes[0x1F] = 0xAB;
    bytes[0x20] = 0xFF;
    const auto lines = HexDumpLines(bytes.data(), bytes.size());
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[2], " 0000: 00 01 02 03 04 05 06 07 08 09 0A 0B 0C 0D 0E 0F");
    EXPECT_EQ(lines[3], " 0010: 10 11 12 13 14 15 16 17 18 19 1A 1B 1C 1D 1E AB");
    EXPECT_EQ(lines[4], " 0020: FF 21 22 23 24 25 26 27 28 29 2A 2B 2C 2D 2E 2F");
}

TEST(HexDumpTextTest, WholeImageHasOneRowPerSixteenBytes) {
    const std::vector<std::uint8_t> image(32768, 0xFF);
    const auto lines = HexDumpLines(image.data(), image.size());
    ASSERT_EQ(lines.size(), 2u + 2048u);
    EXPECT_EQ(lines.back(), " 7FF0: FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF");
}

TEST(HexDumpTextTest, EmptyImageShowsOnlyTheHeadings) {
    const auto lines = HexDumpLines(nullptr, 0);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], headerLine);
}

TEST(HexDumpTextTest, LastRowStopsAtTheImagesEnd) {
    const auto bytes = Counting(20);
    const auto lines = HexDumpLines(bytes.data(), bytes.size());
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[3], " 0010: 10 11 12 13");
}

TEST(HexDumpTextTest, AddressesAboveFourDigitsShowTheirLastFour) {
    const std::vector<std::uint8_t> bytes(0x10020, 0x00);
    const auto lines = HexDumpLines(bytes.data(), bytes.size());
    ASSERT_EQ(lines.size(), 2u + 0x1002u);
    EXPECT_EQ(lines[2 + 0x1000].substr(0, 7), " 0000: ");
    EXPECT_EQ(lines[2 + 0x1001].substr(0, 7), " 0010: ");
}

} // namespace
} // namespace tq58
