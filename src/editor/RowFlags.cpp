#include "editor/RowFlags.h"

#include "editor/ChannelLists.h"
#include "editor/ChannelPageCheck.h"
#include "editor/ChannelPanelState.h"
#include "editor/DistressChannel.h"

namespace tq58 {

namespace {

bool& FlagOf(ChannelRecord& channel, RowFlag flag) {
    switch (flag) {
    case RowFlag::ScanMemory:
        return channel.ScanMemory;
    case RowFlag::LowPowerOnly:
        return channel.LowPower;
    case RowFlag::Enable:
        break;
    }
    return channel.Enable;
}

// Whether the panel takes the flag's box for the channel as it is.
bool BoxOpen(const ChannelRecord& channel, ChannelKind kind, RowFlag flag, bool scrambler) {
    if (flag == RowFlag::Enable) {
        return true;
    }
    const ChannelPanelState state = ChannelPanelStateFor(channel, kind, scrambler);
    const auto control =
        flag == RowFlag::ScanMemory ? ChannelControl::ScanMemory : ChannelControl::LowPowerOnly;
    return state[control].Visible && state[control].Enabled;
}

} // namespace

RowFlagCount SetRowFlag(SettingsRecord& settings, int group, const std::vector<int>& indices,
                        RowFlag flag, bool on, bool scramblerAvailable) {
    std::vector<ChannelRecord>& list = ChannelList(settings, group);
    const ChannelKind kind = group == GroupExp ? ChannelKind::Exp : ChannelKind::Plan;
    RowFlagCount count;
    for (const int index : indices) {
        ChannelRecord& channel = list.at(static_cast<std::size_t>(index));
        if (FlagOf(channel, flag) == on) {
            continue;
        }
        ChannelRecord changed = channel;
        FlagOf(changed, flag) = on;
        const bool distressOff = flag == RowFlag::Enable && !on && kind == ChannelKind::Plan &&
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
