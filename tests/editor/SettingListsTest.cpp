#include "editor/SettingLists.h"

#include <gtest/gtest.h>

namespace tq58 {
namespace {

TEST(SettingLists, PriorityChoicesAreTheGroupsEnabledChannels) {
    SettingsRecord settings;
    settings.CHUSA = std::vector<ChannelRecord>(PlanListSize);
    for (int i = 0; i < PlanListSize; ++i) {
        settings.CHUSA[static_cast<std::size_t>(i)].Position = i;
    }
    settings.CHUSA[32].Enable = true;  // channel 16
    settings.CHUSA[141].Enable = true; // channel 70A
    settings.CHEXP[40].Enable = true;
    EXPECT_EQ(PriorityChoices(settings, GroupUsa),
              (std::vector<ListItem>{{"16", 32}, {"70A", 141}}));
    EXPECT_EQ(PriorityChoices(settings, GroupExp), (std::vector<ListItem>{{"EXP41", 41}}));
    EXPECT_TRUE(PriorityChoices(settings, GroupIntl).empty());
}

} // namespace
} // namespace tq58
