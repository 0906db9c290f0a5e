#include "editor/ChannelPageCheck.h"

#include "editor/FieldKeys.h"

namespace tq58 {

bool ChannelPageCheckPasses(const ChannelRecord& channel, ChannelKind kind) {
    return ChannelPageRule(channel, kind).English().empty();
}

Phrase ChannelPageRule(const ChannelRecord& channel, ChannelKind kind) {
    if (kind != ChannelKind::Exp || !channel.Enable) {
        return {};
    }
    if (channel.Rxfreq <= 0) {
        return Phrase{TQ58_PHRASE("Rules", "Rx frequency: needed while CH Enable is checked"), {}};
    }
    if (channel.CHDisplayL.size() < static_cast<std::size_t>(DisplayLeftLength)) {
        return Phrase{TQ58_PHRASE("Rules", "Channel display: %1 characters"),
                      {std::to_string(DisplayLeftLength)}};
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
