#include "editor/ChannelLists.h"

namespace tq58 {

const std::vector<ChannelRecord>& ChannelList(const SettingsRecord& settings, int group) {
    switch (group) {
    case GroupUsa:
        return settings.CHUSA;
    case GroupIntl:
        return settings.CHINT;
    case GroupCanada:
        return settings.CHCAN;
    default:
        return settings.CHEXP;
    }
}

std::vector<ChannelRecord>& ChannelList(SettingsRecord& settings, int group) {
    return const_cast<std::vector<ChannelRecord>&>(
        ChannelList(static_cast<const SettingsRecord&>(settings), group));
}

ChannelRecord& ChannelOf(SettingsRecord& settings, const NodeRef& node) {
    return ChannelList(settings, node.Group).at(static_cast<std::size_t>(node.Index));
}

} // namespace tq58
