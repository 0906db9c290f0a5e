#pragma once

#include <string>
#include <vector>

namespace tq58 {

// One channel number of the marine band, or one weather channel.
struct ChannelNumberEntry {
    bool InList = false; // weather table: the entry becomes a weather channel record
    std::string ChLabel;
    double TxFreq = 0; // MHz, 0 = does not transmit
    double RxFreq = 0;
    double DupRxFreq = 0; // receive frequency in duplex, 0 = none
    bool DuplexCapable = false;
    bool DefaultLow = false;
    std::string FreqText; // weather table: default channel name
};

constexpr int ChannelTableSize = 240;

// Built once on first use and read-only afterwards.
const std::vector<ChannelNumberEntry>& ChannelTable();
const std::vector<ChannelNumberEntry>& WxTable();

std::vector<ChannelNumberEntry> BuildChannelTable();
std::vector<ChannelNumberEntry> BuildWxTable();

// The decimal position of the first channel labelled exactly so, or "" when there is none.
std::string FindChannelPosition(const std::string& label);

} // namespace tq58
