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

struct ChannelSample {
    int Position;
    const char* Label;
    long TxKhz;
    long DuplexKhz;
    bool DuplexCapable;
};

const ChannelSample channelSamples[] = {
    {0, "00", 156000, 160600, true},    {1, "00A", 156000, 0, false},
    {2, "01", 156050, 160650, true},    {32, "16", 156800, 161400, true},
    {33, "16A", 156800, 0, false},      {118, "59", 158950, 163550, true},
    {119, "59A", 158950, 0, false},     {120, "60", 156025, 160625, true},
    {141, "70A", 156525, 0, false},     {198, "99", 157975, 162575, true},
    {200, "100", 158025, 162625, true}, {239, "119A", 158975, 0, false},
};

TEST(ChannelTableTest, SampleNumbersCarryTheirLabelAndFrequencies) {
    const auto& table = ChannelTable();
    ASSERT_EQ(table.size(), 240u);
    for (const ChannelSample& sample : channelSamples) {
        SCOPED_TRACE(sample.Label);
        const ChannelNumberEntry& entry = table[sample.Position];
        EXPECT_EQ(entry.ChLabel, sample.Label);
        EXPECT_EQ(Khz(entry.TxFreq), sample.TxKhz);
        EXPECT_EQ(Khz(entry.RxFreq), sample.TxKhz);
        EXPECT_EQ(Khz(entry.DupRxFreq), sample.DuplexKhz);
        EXPECT_EQ(entry.DuplexCapable, sample.DuplexCapable);
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
        labels.insert(plain.ChLabel);
        labels.insert(aForm.ChLabel);
    }
    EXPECT_EQ(labels.size(), 240u);
}

TEST(ChannelTableTest, WeatherFieldsHaveNoMeaningInThePlanTable) {
    for (const ChannelNumberEntry& entry : ChannelTable()) {
        EXPECT_FALSE(entry.InList) << entry.ChLabel;
        EXPECT_FALSE(entry.DefaultLow) << entry.ChLabel;
        EXPECT_TRUE(entry.FreqText.empty()) << entry.ChLabel;
    }
}

TEST(ChannelTableTest, SharedTableIsTheBuiltOne) {
    const auto built = BuildChannelTable();
    const auto& shared = ChannelTable();
    ASSERT_EQ(built.size(), shared.size());
    for (std::size_t i = 0; i < built.size(); ++i) {
        EXPECT_EQ(built[i].ChLabel, shared[i].ChLabel);
        EXPECT_EQ(built[i].TxFreq, shared[i].TxFreq);
    }
    EXPECT_EQ(&ChannelTable(), &shared);
}

struct WeatherSample {
    int Number;
    const char* Label;
    long Khz;
    const char* FreqText;
};

const WeatherSample weatherSamples[] = {
    {1, "WX01[162.550MHz]", 162550, "162.550MHZ"}, {2, "WX02[162.400MHz]", 162400, "162.400MHZ"},
    {3, "WX03[162.475MHz]", 162475, "162.475MHZ"}, {4, "WX04[162.425MHz]", 162425, "162.425MHZ"},
    {5, "WX05[162.450MHz]", 162450, "162.450MHZ"}, {6, "WX06[162.500MHz]", 162500, "162.500MHZ"},
    {7, "WX07[162.525MHz]", 162525, "162.525MHZ"}, {8, "WX08[161.650MHz]", 161650, "161.650MHZ"},
    {9, "WX09[161.775MHz]", 161775, "161.775MHZ"}, {10, "WX10[163.275MHz]", 163275, "163.275MHZ"},
};

TEST(WeatherTableTest, TenReceiveOnlyChannelsInChartOrder) {
    const auto& table = WxTable();
    ASSERT_EQ(table.size(), 10u);
    for (const WeatherSample& sample : weatherSamples) {
        SCOPED_TRACE(sample.Label);
        const ChannelNumberEntry& entry = table[sample.Number - 1];
        EXPECT_EQ(entry.ChLabel, sample.Label);
        EXPECT_EQ(Khz(entry.RxFreq), sample.Khz);
        EXPECT_EQ(Khz(entry.DupRxFreq), sample.Khz);
        EXPECT_EQ(entry.FreqText, sample.FreqText);
        EXPECT_EQ(entry.TxFreq, 0);
        EXPECT_TRUE(entry.InList);
        EXPECT_TRUE(entry.DuplexCapable);
        EXPECT_FALSE(entry.DefaultLow);
    }
}

TEST(FindChannelPositionTest, MatchesLabelsExactly) {
    EXPECT_EQ(FindChannelPosition("16"), "32");
    EXPECT_EQ(FindChannelPosition("00"), "0");
    EXPECT_EQ(FindChannelPosition("00A"), "1");
    EXPECT_EQ(FindChannelPosition("70A"), "141");
    EXPECT_EQ(FindChannelPosition("119A"), "239");
}

TEST(FindChannelPositionTest, AnythingElseIsNotFound) {
    EXPECT_EQ(FindChannelPosition("16a"), "");
    EXPECT_EQ(FindChannelPosition("6"), "");
    EXPECT_EQ(FindChannelPosition("16 "), "");
    EXPECT_EQ(FindChannelPosition(""), "");
    EXPECT_EQ(FindChannelPosition("120"), "");
    EXPECT_EQ(FindChannelPosition("WX01[162.550MHz]"), "");
}

} // namespace
} // namespace tq58
