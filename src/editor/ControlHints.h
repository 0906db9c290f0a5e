#pragma once

#include "model/Phrase.h"

namespace tq58 {

// The controls with a keyboard hint or a help context, by what they edit; the window maps
// each to its widgets once (a group of indexed widgets shares one hint and one context).
enum class HintedControl {
    ChannelDisplayTens,
    ChannelDisplayUnits,
    ChannelEnable,
    ChannelDuplex,
    ChannelTxEnable,
    ChannelTxOnly,
    ChannelLowPower,
    ChannelScan,
    ChannelRxFrequency,
    ChannelTxFrequency,
    ChannelName,
    ChannelScrambler,
    ExpGroupChannels,
    UsableGroupFlag,
    StatusName,
    SettingChoice,
    DirectoryEnable,
    DirectoryDelete,
    DirectoryName,
    DirectoryMmsi,
    UserMmsi,
    DscDisplay,
    ClearLog,
    AtisChannelGroup,
    AtisKillerGroup,
    AtisCode,
    CallSignMid,
    CallSignDisplay,
    WeatherEnable,
    WeatherScan,
    WeatherName,
    NavigationTree,
    ChannelGrid,
    DirectoryGrid,
};

inline constexpr int HintedControlCount = static_cast<int>(HintedControl::DirectoryGrid) + 1;

// The one-line keyboard hint the status bar shows while the control has the focus; empty
// for a control without one.
Phrase StatusHint(HintedControl control);
// The directory entry's MMSI field takes 9 digits for a station and 8 for a group.
Phrase DirectoryMmsiHint(int directory);

// The help context of the control (F1); 0 for none.
int HelpContextFor(HintedControl control);

inline constexpr int HelpContentsContext = 1001;
inline constexpr int TransferHelpContext = 1012;

} // namespace tq58
