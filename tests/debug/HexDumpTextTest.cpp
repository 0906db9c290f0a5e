#include "debug/HexDumpText.h"

#include <gtest/gtest.h>
#include <numeric>

namespace tq58 {
namespace {

using Lines = std::vector<std::string>;

TEST(HexDumpTextTest, HeadingsThenOneRowPerSixteenBytesUpToTheEnd) {
    std::vector<std::uint8_t> bytes(20);
    std::iota(bytes.begin(), bytes.end(), std::uint8_t{0});
    bytes[0x0F] = 0xAB;
    EXPECT_EQ(
        HexDumpLines(bytes.data(), bytes.size()),
        (Lines{"       00 01 02 03 04 05 06 07 08 09 0A 0B 0C 0D 0E 0F",
               " ----  -- -- -- -- -- -- -- -- -- -- -- -- -- -- -- --",
               " 0000: 00 01 02 03 04 05 06 07 08 09 0A 0B 0C 0D 0E AB", " 0010: 10 11 12 13"}));
    EXPECT_EQ(HexDumpLines(nullptr, 0).size(), 2u);
}

TEST(HexDumpTextTest, AddressesAboveFourDigitsShowTheirLastFour) {
    const std::vector<std::uint8_t> bytes(0x10020, 0x00);
    const Lines lines = HexDumpLines(bytes.data(), bytes.size());
    ASSERT_EQ(lines.size(), 2u + 0x1002u);
    EXPECT_EQ(lines[2 + 0x1001].substr(0, 7), " 0010: ");
}

} // namespace
} // namespace tq58
