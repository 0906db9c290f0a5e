#include "model/ChannelText.h"

#include <gtest/gtest.h>
#include <tuple>

namespace tq58 {
namespace {

TEST(ChannelText, PlanFrequencies) {
    EXPECT_EQ(FreqText(0), "---.---");
    EXPECT_EQ(FreqText(-156.8), "---.---");
    EXPECT_EQ(FreqText(156.025 + 0.05 * 59), "158.975");
    EXPECT_EQ(TxFreqText(156.8, true), "---.---");

    ChannelRecord channel16;
    channel16.Position = 32;
    EXPECT_EQ(PlanRxFreqText(channel16), "156.800");
    channel16.Duplex = true;
    EXPECT_EQ(PlanRxFreqText(channel16), "161.400");
    EXPECT_EQ(PlanTxFreqText(channel16), "156.800");
    channel16.RxOnly = true;
    EXPECT_EQ(PlanTxFreqText(channel16), "---.---");
    ChannelRecord outside;
    outside.Position = ChannelTableSize;
    EXPECT_EQ(PlanRxFreqText(outside), "---.---");
}

TEST(ChannelText, ExpFrequenciesOffTheRasterSnapDown) {
    const std::tuple<double, const char*, double> cases[] = {
        {156.0610, "156.0600", 156.06},   {156.0649, "156.0600", 156.06},
        {156.0625, "156.0625", 156.0625}, {157.1050, "157.1050", 157.1050},
        {156.025, "156.0250", 156.025},   {0, "---.----", 0}};
    for (const auto& [given, text, stored] : cases) {
        EXPECT_EQ(ExpFreqText(given), text) << given;
        EXPECT_DOUBLE_EQ(SnapToRaster(given), stored) << given;
    }
}

TEST(ChannelText, ExpDisplayIsAlwaysThreeCharacters) {
    const std::tuple<const char*, const char*, const char*> cases[] = {
        {"7", "A", "7 A"}, {"", "", "   "}, {"88", "", "88 "}, {"123", "BC", "12C"}};
    for (const auto& [left, right, shown] : cases) {
        ChannelRecord channel;
        channel.CHDisplayL = left;
        channel.CHDisplayR = right;
        EXPECT_EQ(ExpDisplayText(channel), shown) << left << "|" << right;
    }
}

} // namespace
} // namespace tq58
