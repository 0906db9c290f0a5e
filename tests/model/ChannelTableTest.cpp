#include "model/ChannelTable.h"

#include <cmath>
#include <gtest/gtest.h>
#include <set>

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
        long TxKhz, DuplexKhz;
    };
    const Sample samples[] = {
        {0, "00", 156000, 160600},    {1, "00A", 156000, 0},       {2, "01", 156050, 160650},
        {32, "16", 156800, 161400},   {118, "59", 158950, 163550}, {119, "59A", 158950, 0},
        {120, "60", 156025, 160625},  {141, "70A", 156525, 0},     {198, "99", 157975, 162575},
        {200, "100", 158025, 162625}, {239, "119A", 158975, 0}};
    const auto& table = ChannelTable();
    ASSERT_EQ(table.size(), 240u);
    EXPECT_EQ(&ChannelTable(), &table);
    for (const Sample& sample : samples) {
        const ChannelNumberEntry& entry = table[sample.Position];
        EXPECT_EQ(entry.ChLabel, sample.Label);
        EXPECT_EQ(Khz(entry.TxFreq), sample.TxKhz) << sample.Label;
        EXPECT_EQ(Khz(entry.RxFreq), sample.TxKhz) << sample.Label;
        EXPECT_EQ(Khz(entry.DupRxFreq), sample.DuplexKhz) << sample.Label;
    }
}

TEST(ChannelTableTest, EveryNumberHasAPlainAndAnAFormSharingOneFrequency) {
    const auto& table = ChannelTable();
    ASSERT_EQ(table.size(), 240u);
    std::set<std::string> labels;
    for (int position = 0; position < 240; position += 2) {
        const ChannelNumberEntry& plain = table[position];
        const ChannelNumberEntry& aForm = table[position + 1];
        SCOPED_TRACE(plain.ChLabel);
        EXPECT_EQ(aForm.ChLabel, plain.ChLabel + "A");
        EXPECT_EQ(Khz(aForm.TxFreq), Khz(plain.TxFreq));
        EXPECT_EQ(Khz(plain.DupRxFreq) - Khz(plain.RxFreq), 4600);
        EXPECT_EQ(aForm.DupRxFreq, 0);
        EXPECT_TRUE(plain.DuplexCapable);
        EXPECT_FALSE(aForm.DuplexCapable);
        for (const ChannelNumberEntry* entry : {&plain, &aForm}) {
            EXPECT_FALSE(entry->InList || entry->DefaultLow || !entry->FreqText.empty());
            labels.insert(entry->ChLabel);
        }
    }
    EXPECT_EQ(labels.size(), 240u);
}

TEST(WeatherTableTest, TenReceiveOnlyChannels) {
    const auto& table = WxTable();
    ASSERT_EQ(table.size(), 10u);
    for (const ChannelNumberEntry& entry : table) {
        SCOPED_TRACE(entry.ChLabel);
        EXPECT_EQ(entry.TxFreq, 0);
        EXPECT_EQ(Khz(entry.DupRxFreq), Khz(entry.RxFreq));
        EXPECT_TRUE(entry.InList && entry.DuplexCapable);
        EXPECT_FALSE(entry.DefaultLow);
    }
    EXPECT_EQ(table[0].ChLabel, "WX01[162.550MHz]");
    EXPECT_EQ(table[0].FreqText, "162.550MHZ");
    EXPECT_EQ(Khz(table[0].RxFreq), 162550);
    EXPECT_EQ(table[9].ChLabel, "WX10[163.275MHz]");
    EXPECT_EQ(Khz(table[9].RxFreq), 163275);
}

TEST(FindChannelPositionTest, MatchesLabelsExactly) {
    const std::pair<const char*, const char*> cases[] = {
        {"16", "32"}, {"00", "0"}, {"00A", "1"}, {"70A", "141"}, {"119A", "239"}, {"16a", ""},
        {"6", ""},    {"16 ", ""}, {"", ""},     {"120", ""},    {"WX01", ""}};
    for (const auto& [label, position] : cases) {
        EXPECT_EQ(FindChannelPosition(label), position) << "'" << label << "'";
    }
    EXPECT_EQ(FindChannelPosition("WX01[162.550MHz]"), ""); // weather labels are not searched
}

} // namespace
} // namespace tq58
