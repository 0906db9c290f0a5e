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

TEST(ChannelPlansTest, ChartChannelsAreInUseAndEveryOtherRecordIsFresh) {
    const std::pair<PlanKind, long> plans[] = {
        {PlanKind::Usa, 51}, {PlanKind::International, 57}, {PlanKind::Canada, 59}};
    for (const auto& [kind, inUse] : plans) {
        SCOPED_TRACE(static_cast<int>(kind));
        std::vector<ChannelRecord> list(300); // what was there before is discarded
        list[0].Enable = list[32].ScanMemory = true;
        BuildPlan(list, kind);
        ASSERT_EQ(list.size(), 240u);
        EXPECT_EQ(std::ranges::count_if(list, [](const auto& r) { return r.Enable; }), inUse);
        for (int position = 0; position < 240; ++position) {
            const ChannelRecord& r = list[position];
            EXPECT_EQ(r.Position, position);
            EXPECT_EQ(r.Enable, !r.ChTag.empty()) << position;
            EXPECT_EQ(r.TxEnable, !r.RxOnly) << position;
            EXPECT_EQ(r.DuplexCapable, !r.RxOnly && position % 2 == 0) << position;
            EXPECT_FALSE(r.DisplayA || r.ScanMemory || r.PowUp || r.Narrow || r.Scramble)
                << position;
        }
        EXPECT_EQ(list[32].ChTag, "DISTRESS");
        EXPECT_TRUE(list[140].RxOnly) << "70 is for DSC only";
    }
}

TEST(ChannelPlansTest, PlansDifferOnChannelFifteenTwentyAndSafetySpelling) {
    const auto usa = Plan(PlanKind::Usa);
    const auto intl = Plan(PlanKind::International);
    const auto canada = Plan(PlanKind::Canada);
    EXPECT_TRUE(usa[30].RxOnly && !usa[30].LowPower);
    EXPECT_TRUE(!intl[30].RxOnly && intl[30].LowPower);
    EXPECT_EQ(usa[12].ChTag, "SAFTY");
    EXPECT_EQ(canada[12].ChTag, "SAFETY");
    EXPECT_TRUE(usa[40].Duplex && !usa[41].Duplex && usa[41].Enable);
    EXPECT_TRUE(canada[40].Duplex && canada[40].LowPower);
    EXPECT_FALSE(intl[41].Enable);
}

} // namespace
} // namespace tq58
