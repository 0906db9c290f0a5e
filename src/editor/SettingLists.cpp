#include "editor/SettingLists.h"

#include "model/ChannelTable.h"

#include <array>

namespace tq58 {

namespace {

const std::vector<ChannelRecord>& GroupChannels(const SettingsRecord& settings, int group) {
    static const std::array<std::vector<ChannelRecord> SettingsRecord::*, 4> lists{
        &SettingsRecord::CHUSA, &SettingsRecord::CHINT, &SettingsRecord::CHCAN,
        &SettingsRecord::CHEXP};
    return settings.*lists.at(static_cast<std::size_t>(group));
}

std::string PlanLabel(int position) {
    const auto& table = ChannelTable();
    const bool known = position >= 0 && position < static_cast<int>(table.size());
    return known ? table[static_cast<std::size_t>(position)].ChLabel : "?";
}

} // namespace

std::vector<ListItem> PriorityChoices(const SettingsRecord& settings, int group) {
    std::vector<ListItem> items;
    const auto& channels = GroupChannels(settings, group);
    for (std::size_t i = 0; i < channels.size(); ++i) {
        if (!channels[i].Enable) {
            continue;
        }
        if (group == GroupExp) {
            const int number = static_cast<int>(i) + 1;
            items.push_back({"EXP" + std::to_string(number), number});
        } else {
            items.push_back({PlanLabel(channels[i].Position), channels[i].Position});
        }
    }
    return items;
}

} // namespace tq58
