#pragma once

#include "editor/ChannelDisplay.h"
#include "model/SettingsRecord.h"

#include <array>
#include <string>

namespace tq58 {

// A channel of a built-in plan takes its number and frequencies from the plan; an EXP
// channel has its own.
enum class ChannelKind { Plan, Exp };

// The controls of the channel panel whose state follows the record; "CH Enable" always
// takes input.
enum class ChannelControl {
    Display, // the two channel-display fields with their label
    RxFreq,  // field, label and unit
    TxFreq,
    TxEnable,
    LowPowerOnly,
    PowerUp,
    Duplex,
    ScanMemory,
    Scrambler, // list and label
    Name,
};
inline constexpr int ChannelControlCount = 10;

struct ControlState {
    bool Visible = true;
    bool Enabled = true;
};

struct ChannelPanelState {
    std::array<ControlState, ChannelControlCount> Controls{};
    // The display and frequency fields take typing (EXP channels); otherwise they only show.
    bool FieldsEditable = false;

    ControlState& operator[](ChannelControl control) {
        return Controls[static_cast<std::size_t>(control)];
    }
    const ControlState& operator[](ChannelControl control) const {
        return Controls[static_cast<std::size_t>(control)];
    }
};

// Which controls show and take input for the record as it is now. A disabled channel takes
// no option; power options open one after the other (Tx Enable, Low Power Only, Power Up);
// the distress channel keeps its scrambler off and the DSC channel stays out of scanning.
ChannelPanelState ChannelPanelStateFor(const ChannelRecord& channel, ChannelKind kind,
                                       bool scramblerAvailable);

// What the panel shows for a record.
// "Tx Enable" of a receive-only plan channel shows off, whatever the record holds.
bool TxEnableShown(const ChannelRecord& channel, ChannelKind kind);
ChannelDisplay DisplayShown(const ChannelRecord& channel, ChannelKind kind);
// An EXP frequency off the raster is snapped in the record as it is shown.
std::string RxFreqShown(ChannelRecord& channel, ChannelKind kind);
std::string TxFreqShown(ChannelRecord& channel, ChannelKind kind);

} // namespace tq58
