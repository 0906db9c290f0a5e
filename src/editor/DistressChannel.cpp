#include "editor/DistressChannel.h"

#include "editor/ChannelLists.h"
#include "model/ChannelTable.h"

namespace tq58 {

namespace {

constexpr const char* Channel16Label = "16";

} // namespace

int Channel16Position() {
    static const int position = std::stoi(FindChannelPosition(Channel16Label));
    return position;
}

bool IsChannel16(int group, int position) {
    return group >= GroupUsa && group <= GroupCanada && position == Channel16Position();
}

std::vector<int> GroupsWithChannel16Off(const SettingsRecord& settings) {
    std::vector<int> groups;
    const auto position = static_cast<std::size_t>(Channel16Position());
    for (int group = GroupUsa; group <= GroupCanada; ++group) {
        const std::vector<ChannelRecord>& list = ChannelList(settings, group);
        const bool usable = settings.UsableChGroup[static_cast<std::size_t>(group)].Enable;
        if (usable && position < list.size() && !list[position].Enable) {
            groups.push_back(group);
        }
    }
    return groups;
}

} // namespace tq58
