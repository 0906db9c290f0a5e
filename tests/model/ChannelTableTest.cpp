#include "model/ChannelTable.h"

#include <cmath>
#include <gtest/gtest.h>

namespace tq58 {
namespace {

// Frequencies compared in kHz, the resolution of the channel chart.
long Khz(double megahertz) {
    return std::lround(megahertz * 1000);
}

TEST(ChannelTableTest, SampleNumbersCarryTheirLabelAndFrequencies) {
    struct Sample {
        int Position;
        const char* Label;
        long TxKhz, DuplexKhz; // no duplex frequency: simplex only
    };
    const Sample samples[] = {
        {0, "00", 156000, 160600},    {1, "00A", 156000, 0},       {2, "01", 156050, 160650},
        {32, "16", 156800, 161400},   {118, "59", 158950, 163550}, {119, "59A", 158950, 0},
        {120, "60", 156025, 160625},  {141, "70A", 156525, 0},     {198, "99", 157975, 162575},
        {200, "100", 158025, 162625}, {239, "119A", 158975, 0}};
    ASSERT_EQ(ChannelTable().size(), 240u);
    for (const Sample& sample : samples) {
        const ChannelNumberEntry& entry = ChannelTable()[sample.Position];
        EXPECT_EQ(entry.ChLabel, sample.Label);
        EXPECT_EQ(Khz(entry.TxFreq), sample.TxKhz) << sample.Label;
        EXPECT_EQ(Khz(entry.RxFreq), sample.TxKhz) << sample.Label;
        EXPECT_EQ(Khz(entry.DupRxFreq), sample.DuplexKhz) << sample.Label;
        EXPECT_EQ(entry.DuplexCapable, sample.DuplexKhz != 0) << sample.Label;
    }
    const auto& weather = WxTable();
    ASSERT_EQ(weather.size(), 10u);
    EXPECT_EQ(weather[9].ChLabel, "WX10[163.275MHz]");
    EXPECT_EQ(weather[0].FreqText, "162.550MHZ");
    EXPECT_EQ(Khz(weather[0].DupRxFreq), 162550);
    EXPECT_EQ(weather[0].TxFreq, 0);
}

TEST(FindChannelPositionTest, MatchesLabelsExactly) {
    const std::pair<const char*, const char*> cases[] = {
        {"16", "32"}, {"00", "0"}, {"00A", "1"}, {"119A", "239"}, {"16a", ""},
        {"6", ""},    {"16 ", ""}, {"", ""},     {"120", ""},     {"WX01[162.550MHz]", ""}};
    for (const auto& [label, position] : cases) {
        EXPECT_EQ(FindChannelPosition(label), position) << "'" << label << "'";
    }
}

} // namespace
} // namespace tq58
