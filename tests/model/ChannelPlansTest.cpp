#include "model/ChannelPlans.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace tq58 {
namespace {

std::vector<ChannelRecord> Plan(PlanKind kind) {
    std::vector<ChannelRecord> list;
    BuildPlan(list, kind);
    return list;
}

struct PlanCase {
    const char* Name;
    PlanKind Kind;
    long ChannelCount;
};

class PlanTest : public ::testing::TestWithParam<PlanCase> {};

TEST_P(PlanTest, ChartChannelsAreInUseAndTheRestAreFresh) {
    const auto list = Plan(GetParam().Kind);
    ASSERT_EQ(list.size(), 240u);
    EXPECT_EQ(std::count_if(list.begin(), list.end(), [](const auto& r) { return r.Enable; }),
              GetParam().ChannelCount);
    for (int position = 0; position < 240; ++position) {
        SCOPED_TRACE(position);
        const ChannelRecord& record = list[position];
        EXPECT_EQ(record.Position, position);
        EXPECT_EQ(record.Enable, !record.ChTag.empty());
        EXPECT_EQ(record.TxEnable, !record.RxOnly);
        EXPECT_EQ(record.DuplexCapable, !record.RxOnly && position % 2 == 0);
        EXPECT_FALSE(record.DispayA || record.ScanMemory || record.PowUp || record.Narrow);
        EXPECT_EQ(record.Scramble, 0);
        EXPECT_TRUE(record.CHDisplayL.empty() && record.CHDisplayR.empty());
        EXPECT_EQ(record.Rxfreq + record.Txfreq, 0);
    }
    EXPECT_EQ(list[32].ChTag, "DISTRESS");
    EXPECT_EQ(list[140].ChTag, "DSC");
    EXPECT_TRUE(list[140].RxOnly);
    EXPECT_FALSE(list[140].TxEnable);
    EXPECT_FALSE(list[140].DuplexCapable);
}

TEST_P(PlanTest, RebuildingDiscardsEdits) {
    std::vector<ChannelRecord> list(300);
    list[0].Enable = true;
    list[32].ChTag = "EDITED";
    list[32].ScanMemory = true;
    BuildPlan(list, GetParam().Kind);
    EXPECT_EQ(list, Plan(GetParam().Kind));
}

const PlanCase planCases[] = {{"USA", PlanKind::Usa, 51},
                              {"International", PlanKind::International, 57},
                              {"Canada", PlanKind::Canada, 59}};

INSTANTIATE_TEST_SUITE_P(ChannelPlansTest, PlanTest, ::testing::ValuesIn(planCases),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST(ChannelPlansTest, PlansDifferOnChannelFifteenAndSafetySpelling) {
    const auto usa = Plan(PlanKind::Usa);
    const auto intl = Plan(PlanKind::International);
    const auto canada = Plan(PlanKind::Canada);
    EXPECT_TRUE(usa[30].RxOnly && !usa[30].LowPower);
    EXPECT_TRUE(!intl[30].RxOnly && intl[30].LowPower);
    EXPECT_TRUE(!canada[30].RxOnly && canada[30].LowPower);
    EXPECT_EQ(usa[12].ChTag, "SAFTY");
    EXPECT_EQ(intl[12].ChTag, "SAFTY");
    EXPECT_EQ(canada[12].ChTag, "SAFETY");
    // Duplex and A-form samples: USA 20 duplex, 20A simplex; Canada 20 duplex low power.
    EXPECT_TRUE(usa[40].Duplex && !usa[41].Duplex && usa[41].Enable);
    EXPECT_TRUE(canada[40].Duplex && canada[40].LowPower);
    EXPECT_FALSE(intl[41].Enable);
}

// Enable, LowPower, Duplex, DuplexCapable, TxEnable, RxOnly, ChTag.
auto Flags(const ChannelRecord& r) {
    return std::tuple(r.Enable, r.LowPower, r.Duplex, r.DuplexCapable, r.TxEnable, r.RxOnly,
                      r.ChTag);
}

TEST(ChannelPlansTest, InitAndSetPlanChannel) {
    std::vector<ChannelRecord> list(3);
    list[1].ChTag = "OLD";
    InitPlanList(list);
    ASSERT_EQ(list.size(), 240u);
    for (int i = 0; i < 240; ++i) {
        EXPECT_EQ(list[i].Position, i);
    }
    const std::string none;
    EXPECT_EQ(Flags(list[1]), std::tuple(false, false, false, false, true, false, none));
    EXPECT_EQ(Flags(list[2]), std::tuple(false, false, false, true, true, false, none));

    SetPlanChannel(list, 40, true, true, true, "X"); // receive only clears capability and TX
    EXPECT_EQ(Flags(list[40]), std::tuple(true, true, true, false, false, true, std::string("X")));
    SetPlanChannel(list, 42, false, false, false, "PORT OPR");
    EXPECT_EQ(Flags(list[42]),
              std::tuple(true, false, false, true, true, false, std::string("PORT OPR")));
    EXPECT_FALSE(list[41].Enable);
}

TEST(ChannelPlansTest, WeatherListHasTenRecordsNamedByFrequency) {
    std::vector<ChannelRecord> list(4);
    list[0].ChTag = "OLD";
    BuildWxList(list);
    ASSERT_EQ(list.size(), 10u);
    for (int i = 0; i < 10; ++i) {
        const ChannelRecord& r = list[i];
        EXPECT_EQ(r.Position, i + 1);
        EXPECT_TRUE(r.Enable && r.Duplex && r.DuplexCapable) << i;
        EXPECT_FALSE(r.LowPower || r.PowUp || r.TxEnable || r.DispayA || r.ScanMemory) << i;
    }
    EXPECT_EQ(list[0].ChTag, "162.550MHZ");
    EXPECT_EQ(list[7].ChTag, "161.650MHZ");
    EXPECT_EQ(list[9].ChTag, "163.275MHZ");
}

} // namespace
} // namespace tq58
