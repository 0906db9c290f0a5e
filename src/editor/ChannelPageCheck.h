#pragma once

#include "editor/ChannelPanelState.h"
#include "model/Phrase.h"
#include "model/SettingsRecord.h"

#include <string>

namespace tq58 {

// The channel page cannot be left while an enabled EXP channel lacks a receive frequency or
// the two characters of its channel number: the radio would have nothing to tune or show.
bool ChannelPageCheckPasses(const ChannelRecord& channel, ChannelKind kind);
// The check above in words, naming what is missing ("Channel display: 2 characters"); empty
// when the check passes.
Phrase ChannelPageRule(const ChannelRecord& channel, ChannelKind kind);

// True when the user can change the control's field on the channel page at all: with the
// boxes it depends on ("CH Enable", "Tx Enable", "Low Power Only") checked, it is shown and
// takes input. Receive-only channels, channels without duplex and the distress and DSC
// channels keep some fields as the plan made them.
bool ChannelControlOpens(const ChannelRecord& channel, ChannelKind kind, bool scramblerAvailable,
                         ChannelControl control);

} // namespace tq58
