#include "editor/RowFlags.h"

#include "support/TestModels.h"

#include <gtest/gtest.h>

namespace tq58 {
namespace {

int IndexWhere(const std::vector<ChannelRecord>& list, bool (*test)(const ChannelRecord&)) {
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (test(list[i])) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

TEST(RowFlags, RestrictedRowsAreSkippedAndCounted) {
    SettingsRecord settings = test::NewRadioData(test::Rv7700A()).Settings;
    std::vector<ChannelRecord>& usa = settings.CHUSA;
    const int ch16 = IndexWhere(usa, [](const ChannelRecord& c) { return c.Position == 32; });
    const int ch70 = IndexWhere(usa, [](const ChannelRecord& c) { return c.Position == 140; });
    const int rxOnly = IndexWhere(usa, [](const ChannelRecord& c) { return c.RxOnly; });
    const int plain = IndexWhere(
        usa, [](const ChannelRecord& c) { return c.Position == 12 && c.TxEnable && !c.RxOnly; });
    ASSERT_TRUE(ch16 >= 0 && ch70 >= 0 && rxOnly >= 0 && plain >= 0);
    for (const int i : {ch16, ch70, rxOnly, plain}) {
        usa[static_cast<std::size_t>(i)].Enable = true;
        usa[static_cast<std::size_t>(i)].ScanMemory = false;
        usa[static_cast<std::size_t>(i)].LowPower = false;
    }

    EXPECT_EQ(RowFlags(),
              (std::vector<RowFlag>{RowFlag::Enable, RowFlag::LowPowerOnly, RowFlag::ScanMemory}));
    EXPECT_EQ(SetRowFlag(settings, GroupUsa, {ch16, ch70, plain}, RowFlag::ScanMemory, true, true),
              (RowFlagCount{2, 1}));
    EXPECT_FALSE(usa[static_cast<std::size_t>(ch70)].ScanMemory);
    EXPECT_EQ(SetRowFlag(settings, GroupUsa, {rxOnly, plain}, RowFlag::LowPowerOnly, true, true),
              (RowFlagCount{1, 1}));
    EXPECT_FALSE(usa[static_cast<std::size_t>(rxOnly)].LowPower);
    EXPECT_EQ(SetRowFlag(settings, GroupUsa, {ch16, plain}, RowFlag::Enable, false, true),
              (RowFlagCount{1, 1}));
    EXPECT_TRUE(usa[static_cast<std::size_t>(ch16)].Enable);

    // An EXP channel goes on only with what its page asks for.
    settings.CHEXP[1].CHDisplayL = "02";
    settings.CHEXP[1].Rxfreq = 156.05;
    EXPECT_EQ(SetRowFlag(settings, GroupExp, {0, 1}, RowFlag::Enable, true, true),
              (RowFlagCount{1, 1}));
    EXPECT_TRUE(settings.CHEXP[1].Enable && !settings.CHEXP[0].Enable);
}

} // namespace
} // namespace tq58
