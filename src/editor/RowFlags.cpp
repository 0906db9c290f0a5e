#include "editor/RowFlags.h"

#include "editor/ChannelLists.h"
#include "editor/ChannelPageCheck.h"
#include "editor/DistressChannel.h"

namespace tq58 {

namespace {

// Whether the panel takes the flag's box for the channel as it is.
bool BoxOpen(const ChannelRecord& channel, ChannelKind kind, RowFlag flag, bool scrambler) {
    const ControlState state = ChannelPanelStateFor(channel, kind, scrambler)[flag];
    return state.Visible && state.Enabled;
}

} // namespace

std::vector<RowFlag> RowFlags() {
    std::vector<RowFlag> flags;
    for (const ChannelFieldInfo& field : ChannelFields()) {
        if (field.RowFlagName) {
            flags.push_back(field.Field);
        }
    }
    return flags;
}

RowFlagCount SetRowFlag(SettingsRecord& settings, int group, const std::vector<int>& indices,
                        RowFlag flag, bool on, bool scramblerAvailable) {
    std::vector<ChannelRecord>& list = ChannelList(settings, group);
    const ChannelKind kind = group == GroupExp ? ChannelKind::Exp : ChannelKind::Plan;
    RowFlagCount count;
    for (const int index : indices) {
        ChannelRecord& channel = list.at(static_cast<std::size_t>(index));
        if (ChannelFlag(channel, flag) == on) {
            continue;
        }
        ChannelRecord changed = channel;
        ChannelFlag(changed, flag) = on;
        const bool distressOff = flag == ChannelField::Enable && !on && kind == ChannelKind::Plan &&
                                 IsChannel16(group, channel.Position);
        if (!BoxOpen(channel, kind, flag, scramblerAvailable) || distressOff ||
            !ChannelPageRule(changed, kind).English().empty()) {
            ++count.Skipped;
            continue;
        }
        channel = changed;
        ++count.Changed;
    }
    return count;
}

} // namespace tq58
