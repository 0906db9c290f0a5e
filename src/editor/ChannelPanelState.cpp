#include "editor/ChannelPanelState.h"

#include "model/ChannelText.h"

namespace tq58 {

namespace {

constexpr int DistressPosition = 32; // channel 16
constexpr int DscPosition = 140;     // channel 70

// Everything but "CH Enable" follows the channel's Enable flag.
void ApplyChannelEnable(ChannelPanelState& state, const ChannelRecord& channel) {
    for (ControlState& control : state.Controls) {
        control.Enabled = channel.Enable;
    }
    state[ChannelControl::Duplex].Enabled = channel.Enable && channel.DuplexCapable;
    state[ChannelControl::Enable].Enabled = true;
}

void ApplyPlanRestrictions(ChannelPanelState& state, const ChannelRecord& channel) {
    if (channel.RxOnly) {
        state[ChannelControl::TxEnable].Enabled = false;
    }
    if (channel.Position == DscPosition) {
        state[ChannelControl::ScanMemory].Enabled = false;
        state[ChannelControl::Scrambler].Enabled = false;
    }
    if (channel.Position == DistressPosition) {
        state[ChannelControl::Scrambler].Enabled = false;
    }
}

} // namespace

ChannelPanelState ChannelPanelStateFor(const ChannelRecord& channel, ChannelKind kind,
                                       bool scramblerAvailable) {
    ChannelPanelState state;
    state.FieldsEditable = kind == ChannelKind::Exp;
    ApplyChannelEnable(state, channel);
    if (kind == ChannelKind::Plan) {
        ApplyPlanRestrictions(state, channel);
    }
    state[ChannelControl::LowPowerOnly].Enabled =
        state[ChannelControl::TxEnable].Enabled && TxEnableShown(channel, kind);
    state[ChannelControl::PowerUp].Enabled =
        state[ChannelControl::LowPowerOnly].Enabled && channel.LowPower;

    state[ChannelControl::TxEnable].Visible = kind == ChannelKind::Plan;
    state[ChannelControl::Duplex].Visible = kind == ChannelKind::Plan;
    state[ChannelControl::Scrambler].Visible = scramblerAvailable;
    state[ChannelControl::Narrow].Visible = false; // kept as the radio has it
    return state;
}

bool TxEnableShown(const ChannelRecord& channel, ChannelKind kind) {
    return channel.TxEnable && (kind == ChannelKind::Exp || !channel.RxOnly);
}

ChannelDisplay DisplayShown(const ChannelRecord& channel, ChannelKind kind) {
    if (kind == ChannelKind::Exp) {
        return {channel.CHDisplayL, channel.CHDisplayR};
    }
    return PlanChannelDisplay(ChannelEntryAt(channel.Position).ChLabel);
}

std::string RxFreqShown(const ChannelRecord& channel, ChannelKind kind) {
    return kind == ChannelKind::Exp ? ExpFreqText(channel.Rxfreq) : PlanRxFreqText(channel);
}

std::string TxFreqShown(const ChannelRecord& channel, ChannelKind kind) {
    return kind == ChannelKind::Exp ? ExpFreqText(channel.Txfreq) : PlanTxFreqText(channel);
}

} // namespace tq58
