#include "editor/ChannelPageCheck.h"

#include "editor/FieldKeys.h"

namespace tq58 {

bool ChannelPageCheckPasses(const ChannelRecord& channel, ChannelKind kind) {
    return ChannelPageRule(channel, kind).empty();
}

std::string ChannelPageRule(const ChannelRecord& channel, ChannelKind kind) {
    if (kind != ChannelKind::Exp || !channel.Enable) {
        return {};
    }
    if (channel.Rxfreq <= 0) {
        return "Rx frequency: needed while CH Enable is checked";
    }
    if (channel.CHDisplayL.size() < static_cast<std::size_t>(DisplayLeftLength)) {
        return "Channel display: " + std::to_string(DisplayLeftLength) + " characters";
    }
    return {};
}

bool ChannelControlOpens(const ChannelRecord& channel, ChannelKind kind, bool scramblerAvailable,
                         ChannelControl control) {
    ChannelRecord opened = channel;
    opened.Enable = true;
    opened.LowPower = true;
    // "Tx Enable" is hidden on EXP channels, so there it stays as the record has it.
    opened.TxEnable = kind == ChannelKind::Plan || channel.TxEnable;
    const ControlState state = ChannelPanelStateFor(opened, kind, scramblerAvailable)[control];
    return state.Visible && state.Enabled;
}

} // namespace tq58
