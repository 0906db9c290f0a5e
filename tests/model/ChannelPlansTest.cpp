#include "model/ChannelPlans.h"

#include "support/RadioFixtures.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace tq58 {
namespace {

using test::ChartChannel;
using test::PositionOfLabel;

struct PlanCase {
    const char* Name;
    PlanKind Kind;
    std::vector<ChartChannel> (*Chart)();
    std::size_t ChannelCount;
};

const PlanCase planCases[] = {
    {"USA", PlanKind::Usa, test::UsaChart, 51},
    {"International", PlanKind::International, test::InternationalChart, 57},
    {"Canada", PlanKind::Canada, test::CanadaChart, 59},
};

class PlanTest : public ::testing::TestWithParam<PlanCase> {
protected:
    std::vector<ChannelRecord> Built() const {
        std::vector<ChannelRecord> list;
        BuildPlan(list, GetParam().Kind);
        return list;
    }
};

TEST_P(PlanTest, ChartIsTranscribedCompletely) {
    EXPECT_EQ(GetParam().Chart().size(), GetParam().ChannelCount);
}

TEST_P(PlanTest, EveryChartChannelIsInUseWithItsNameAndRestrictions) {
    const auto list = Built();
    ASSERT_EQ(list.size(), 240u);
    for (const ChartChannel& channel : GetParam().Chart()) {
        SCOPED_TRACE(channel.Label);
        const int position = PositionOfLabel(channel.Label);
        const ChannelRecord& record = list[position];
        EXPECT_EQ(record.Position, position);
        EXPECT_TRUE(record.Enable);
        EXPECT_EQ(record.ChTag, channel.Tag);
        EXPECT_EQ(record.RxOnly, channel.ReceiveOnly);
        EXPECT_EQ(record.TxEnable, !channel.ReceiveOnly);
        EXPECT_EQ(record.Duplex, channel.Duplex);
        EXPECT_EQ(record.LowPower, channel.LowPower);
        EXPECT_EQ(record.DuplexCapable, !channel.ReceiveOnly && position % 2 == 0);
    }
}

TEST_P(PlanTest, ChannelsOutsideTheChartArePresentButNotInUse) {
    const auto list = Built();
    ASSERT_EQ(list.size(), 240u);
    std::vector<bool> charted(240, false);
    for (const ChartChannel& channel : GetParam().Chart()) {
        charted[PositionOfLabel(channel.Label)] = true;
    }
    for (int position = 0; position < 240; ++position) {
        if (charted[position]) {
            continue;
        }
        SCOPED_TRACE(position);
        const ChannelRecord& record = list[position];
        EXPECT_EQ(record.Position, position);
        EXPECT_FALSE(record.Enable);
        EXPECT_TRUE(record.ChTag.empty());
        EXPECT_TRUE(record.TxEnable);
        EXPECT_FALSE(record.RxOnly);
        EXPECT_EQ(record.DuplexCapable, position % 2 == 0);
    }
    EXPECT_EQ(std::count(charted.begin(), charted.end(), true),
              static_cast<long>(GetParam().ChannelCount));
}

TEST_P(PlanTest, PlanRecordsLeaveDisplayAAndImageOnlyFieldsClear) {
    for (const ChannelRecord& record : Built()) {
        SCOPED_TRACE(record.Position);
        EXPECT_FALSE(record.DispayA);
        EXPECT_FALSE(record.ScanMemory);
        EXPECT_FALSE(record.PowUp);
        EXPECT_FALSE(record.Narrow);
        EXPECT_EQ(record.Scramble, 0);
        EXPECT_TRUE(record.CHDisplayL.empty());
        EXPECT_TRUE(record.CHDisplayR.empty());
        EXPECT_EQ(record.Rxfreq, 0);
        EXPECT_EQ(record.Txfreq, 0);
    }
}

TEST_P(PlanTest, ChannelSeventyIsReceiveOnlyDsc) {
    const ChannelRecord record = Built()[140];
    EXPECT_EQ(record.ChTag, "DSC");
    EXPECT_TRUE(record.RxOnly);
    EXPECT_FALSE(record.DuplexCapable);
    EXPECT_FALSE(record.TxEnable);
}

TEST_P(PlanTest, RebuildingDiscardsEdits) {
    std::vector<ChannelRecord> list(300);
    list[0].Enable = true;
    list[0].ChTag = "MINE";
    list[32].ChTag = "EDITED";
    list[32].ScanMemory = true;
    BuildPlan(list, GetParam().Kind);
    EXPECT_EQ(list, Built());
}

INSTANTIATE_TEST_SUITE_P(ChannelPlansTest, PlanTest, ::testing::ValuesIn(planCases),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST(ChannelPlansTest, ChannelFifteenDiffersBetweenPlans) {
    std::vector<ChannelRecord> usa, international, canada;
    BuildPlan(usa, PlanKind::Usa);
    BuildPlan(international, PlanKind::International);
    BuildPlan(canada, PlanKind::Canada);
    EXPECT_TRUE(usa[30].RxOnly);
    EXPECT_FALSE(usa[30].LowPower);
    EXPECT_FALSE(international[30].RxOnly);
    EXPECT_TRUE(international[30].LowPower);
    EXPECT_FALSE(canada[30].RxOnly);
    EXPECT_TRUE(canada[30].LowPower);
}

TEST(ChannelPlansTest, SafetyIsSpelledPerPlan) {
    std::vector<ChannelRecord> usa, canada;
    BuildPlan(usa, PlanKind::Usa);
    BuildPlan(canada, PlanKind::Canada);
    EXPECT_EQ(usa[12].ChTag, "SAFTY");
    EXPECT_EQ(canada[12].ChTag, "SAFETY");
}

TEST(InitPlanListTest, MakesExactly240FreshRecords) {
    std::vector<ChannelRecord> list(3);
    list[1].Enable = true;
    list[1].ChTag = "OLD";
    InitPlanList(list);
    ASSERT_EQ(list.size(), 240u);
    for (int i = 0; i < 240; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(list[i].Position, i);
        EXPECT_FALSE(list[i].Enable);
        EXPECT_TRUE(list[i].TxEnable);
        EXPECT_FALSE(list[i].RxOnly);
        EXPECT_EQ(list[i].DuplexCapable, i % 2 == 0);
        EXPECT_TRUE(list[i].ChTag.empty());
    }
}

TEST(SetPlanChannelTest, ReceiveOnlyClearsDuplexCapabilityAndTransmit) {
    std::vector<ChannelRecord> list;
    InitPlanList(list);
    SetPlanChannel(list, 40, true, true, true, "X");
    EXPECT_TRUE(list[40].Enable);
    EXPECT_TRUE(list[40].RxOnly);
    EXPECT_FALSE(list[40].DuplexCapable);
    EXPECT_FALSE(list[40].TxEnable);
    EXPECT_TRUE(list[40].Duplex);
    EXPECT_TRUE(list[40].LowPower);
    EXPECT_EQ(list[40].ChTag, "X");
}

TEST(SetPlanChannelTest, TransmittingChannelKeepsTableCapability) {
    std::vector<ChannelRecord> list;
    InitPlanList(list);
    SetPlanChannel(list, 41, false, false, false, "PORT OPR");
    EXPECT_TRUE(list[41].Enable);
    EXPECT_FALSE(list[41].RxOnly);
    EXPECT_TRUE(list[41].TxEnable);
    EXPECT_FALSE(list[41].DuplexCapable);
    EXPECT_FALSE(list[41].Duplex);
    EXPECT_FALSE(list[41].LowPower);
    EXPECT_FALSE(list[40].Enable);
    EXPECT_FALSE(list[42].Enable);
}

TEST(BuildWxListTest, TenWeatherRecordsNamedByFrequency) {
    const char* const names[] = {"162.550MHZ", "162.400MHZ", "162.475MHZ", "162.425MHZ",
                                 "162.450MHZ", "162.500MHZ", "162.525MHZ", "161.650MHZ",
                                 "161.775MHZ", "163.275MHZ"};
    std::vector<ChannelRecord> list(4);
    list[0].ChTag = "OLD";
    BuildWxList(list);
    ASSERT_EQ(list.size(), 10u);
    for (int i = 0; i < 10; ++i) {
        SCOPED_TRACE(i);
        const ChannelRecord& record = list[i];
        EXPECT_EQ(record.Position, i + 1);
        EXPECT_EQ(record.ChTag, names[i]);
        EXPECT_TRUE(record.Enable);
        EXPECT_TRUE(record.Duplex);
        EXPECT_TRUE(record.DuplexCapable);
        EXPECT_FALSE(record.LowPower);
        EXPECT_FALSE(record.PowUp);
        EXPECT_FALSE(record.TxEnable);
        EXPECT_FALSE(record.DispayA);
        EXPECT_FALSE(record.ScanMemory);
    }
}

} // namespace
} // namespace tq58
