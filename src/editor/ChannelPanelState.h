#pragma once

#include "editor/ChannelDisplay.h"
#include "model/ChannelFields.h"
#include "model/SettingsRecord.h"

#include <array>
#include <string>

namespace tq58 {

// A channel of a built-in plan takes its number and frequencies from the plan; an EXP
// channel has its own.
enum class ChannelKind { Plan, Exp };

// The channel panel's controls are its fields' (ChannelFields.h); "CH Enable" always takes
// input.
using ChannelControl = ChannelField;
inline constexpr std::size_t ChannelControlCount = ChannelFieldCount;

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
// An EXP frequency off the raster is shown snapped; the record keeps what it holds until the
// user enters another.
std::string RxFreqShown(const ChannelRecord& channel, ChannelKind kind);
std::string TxFreqShown(const ChannelRecord& channel, ChannelKind kind);

} // namespace tq58
