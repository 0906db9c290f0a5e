#pragma once

#include "model/ChannelTable.h"
#include "model/SettingsRecord.h"

#include <string>

namespace tq58 {

// The texts of a channel's frequencies and number, one set for the grids, the channel panel
// and the report.

// A channel table position outside the table has no number and no frequency.
const ChannelNumberEntry& ChannelEntryAt(int position);

// Frequencies in MHz; none (0 or less) shows as dashes.
std::string FreqText(double megahertz);
std::string TxFreqText(double megahertz, bool rxOnly);
// An off-raster EXP frequency snapped down to the 5 kHz raster; none stays none.
double SnapToRaster(double megahertz);
// An EXP frequency as the grids, the panel and the report show it: snapped, four decimals.
std::string ExpFreqText(double megahertz);

// A plan channel's frequencies: it receives on the duplex frequency while Duplex is on, and a
// receive-only channel has no transmit frequency.
std::string PlanRxFreqText(const ChannelRecord& channel);
std::string PlanTxFreqText(const ChannelRecord& channel);

// The number an EXP channel shows: two characters of the left part and the last character of
// the right part, blanks filling in.
std::string ExpDisplayText(const ChannelRecord& channel);

} // namespace tq58
