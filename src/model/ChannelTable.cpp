#include "model/ChannelTable.h"

#include <cstdio>

namespace tq58 {

namespace {

// Channel numbers 0-59 run from 156.000 MHz, 60-119 restart at 156.025 MHz; both in 50 kHz steps.
int ChannelKilohertz(int number) {
    return number < 60 ? 156000 + 50 * number : 156025 + 50 * (number - 60);
}

constexpr int DuplexOffsetKilohertz = 4600;

struct WxChannel {
    int kilohertz;
};

constexpr WxChannel WxChannels[] = {{162550}, {162400}, {162475}, {162425}, {162450},
                                    {162500}, {162525}, {161650}, {161775}, {163275}};

std::string KilohertzText(int kilohertz) {
    char text[16];
    std::snprintf(text, sizeof text, "%d.%03d", kilohertz / 1000, kilohertz % 1000);
    return text;
}

} // namespace

std::vector<ChannelNumberEntry> BuildChannelTable() {
    std::vector<ChannelNumberEntry> table;
    table.reserve(ChannelTableSize);
    for (int n = 0; n < ChannelTableSize / 2; ++n) {
        char digits[8];
        std::snprintf(digits, sizeof digits, "%02d", n);
        const int kilohertz = ChannelKilohertz(n);
        const double frequency = kilohertz / 1000.0;

        ChannelNumberEntry plain;
        plain.ChLabel = digits;
        plain.TxFreq = frequency;
        plain.RxFreq = frequency;
        plain.DupRxFreq = (kilohertz + DuplexOffsetKilohertz) / 1000.0;
        plain.DuplexCapable = true;
        table.push_back(plain);

        ChannelNumberEntry simplexA;
        simplexA.ChLabel = std::string(digits) + "A";
        simplexA.TxFreq = frequency;
        simplexA.RxFreq = frequency;
        table.push_back(simplexA);
    }
    return table;
}

std::vector<ChannelNumberEntry> BuildWxTable() {
    std::vector<ChannelNumberEntry> table;
    int number = 1;
    for (const WxChannel& channel : WxChannels) {
        char label[32];
        const std::string frequency = KilohertzText(channel.kilohertz);
        std::snprintf(label, sizeof label, "WX%02d[%sMHz]", number++, frequency.c_str());
        ChannelNumberEntry entry;
        entry.InList = true;
        entry.ChLabel = label;
        entry.RxFreq = channel.kilohertz / 1000.0;
        entry.DupRxFreq = entry.RxFreq;
        entry.DuplexCapable = true;
        entry.FreqText = frequency + "MHZ";
        table.push_back(entry);
    }
    return table;
}

const std::vector<ChannelNumberEntry>& ChannelTable() {
    static const std::vector<ChannelNumberEntry> table = BuildChannelTable();
    return table;
}

const std::vector<ChannelNumberEntry>& WxTable() {
    static const std::vector<ChannelNumberEntry> table = BuildWxTable();
    return table;
}

std::string FindChannelPosition(const std::string& label) {
    const auto& table = ChannelTable();
    for (std::size_t i = 0; i < table.size(); ++i) {
        if (table[i].ChLabel == label) {
            return std::to_string(i);
        }
    }
    return "";
}

} // namespace tq58
