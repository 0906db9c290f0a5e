#include "model/ChannelText.h"

#include "model/FieldCodec.h"

#include <cmath>
#include <cstdio>

namespace tq58 {

namespace {

// Frequencies are shown from whole 100 Hz units so that no binary fraction leaks into the text.
constexpr long long UnitsPerKilohertz = 10;
constexpr long long UnitsPerMegahertz = 10000;
constexpr long long RasterUnits = 50;        // 5 kHz
constexpr long long NarrowRasterUnits = 125; // 12.5 kHz

// Beyond this no value is a frequency, and its units would not fit a whole number.
constexpr double LargestFrequency = 1e9;

bool HasFrequency(double megahertz) {
    return std::isfinite(megahertz) && megahertz > 0 && megahertz < LargestFrequency;
}

std::string FormatUnits(long long units, long long unitsPerDecimal, int decimals) {
    const long long scaled = units / unitsPerDecimal;
    long long divisor = 1;
    for (int i = 0; i < decimals; ++i) {
        divisor *= 10;
    }
    char text[64];
    std::snprintf(text, sizeof text, "%03lld.%0*lld", scaled / divisor, decimals, scaled % divisor);
    return text;
}

bool IsOnRaster(long long units) {
    return units % RasterUnits == 0 || units % NarrowRasterUnits == 0;
}

} // namespace

const ChannelNumberEntry& ChannelEntryAt(int position) {
    static const ChannelNumberEntry none{};
    const auto& table = ChannelTable();
    if (position < 0 || position >= static_cast<int>(table.size())) {
        return none;
    }
    return table[static_cast<std::size_t>(position)];
}

std::string FreqText(double megahertz) {
    if (!HasFrequency(megahertz)) {
        return "---.---";
    }
    // Rounded once, straight to the kilohertz that the text shows.
    const long long kilohertz = std::llround(megahertz * 1000.0);
    return FormatUnits(kilohertz * UnitsPerKilohertz, UnitsPerKilohertz, 3);
}

std::string TxFreqText(double megahertz, bool rxOnly) {
    return rxOnly ? "---.---" : FreqText(megahertz);
}

double SnapToRaster(double megahertz) {
    if (!HasFrequency(megahertz)) {
        return megahertz;
    }
    const long long units = FrequencyUnits(megahertz);
    return IsOnRaster(units)
               ? megahertz
               : static_cast<double>(units / RasterUnits * RasterUnits) / UnitsPerMegahertz;
}

std::string ExpFreqText(double megahertz) {
    if (!HasFrequency(megahertz)) {
        return "---.----";
    }
    const long long units = FrequencyUnits(SnapToRaster(megahertz));
    return FormatUnits(units, 1, 4);
}

std::string PlanRxFreqText(const ChannelRecord& channel) {
    const ChannelNumberEntry& entry = ChannelEntryAt(channel.Position);
    return FreqText(channel.Duplex ? entry.DupRxFreq : entry.RxFreq);
}

std::string PlanTxFreqText(const ChannelRecord& channel) {
    return TxFreqText(ChannelEntryAt(channel.Position).TxFreq, channel.RxOnly);
}

std::string ExpDisplayText(const ChannelRecord& channel) {
    const std::string left = (channel.CHDisplayL + "  ").substr(0, 2);
    const std::string right = " " + channel.CHDisplayR;
    return left + right.back();
}

} // namespace tq58
