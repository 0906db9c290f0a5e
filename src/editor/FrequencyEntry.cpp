#include "editor/FrequencyEntry.h"

#include "model/ChannelText.h"
#include "model/FieldCodec.h"

#include <charconv>

namespace tq58 {

namespace {

constexpr double LowestMegahertz = 137;
constexpr double HighestMegahertz = 174;
constexpr long long RasterUnits = 250; // 25 kHz in 100 Hz units
constexpr long long UnitsPerMegahertz = 10000;
constexpr long long UnitsPerKilohertz = 10;

// The number the text starts with, as far as it reads as one (digits with one point); 0 when
// it starts with none.
double LeadingNumber(const std::string& text) {
    std::size_t end = 0;
    bool point = false;
    while (end < text.size() &&
           ((text[end] >= '0' && text[end] <= '9') || (text[end] == '.' && !point))) {
        point = point || text[end] == '.';
        ++end;
    }
    double value = 0;
    std::from_chars(text.data(), text.data() + end, value);
    return value;
}

} // namespace

std::optional<double> AcceptedFrequency(const std::string& text) {
    const double megahertz = LeadingNumber(text);
    if (megahertz < LowestMegahertz || megahertz > HighestMegahertz) {
        return text.empty() ? std::optional<double>(0.0) : std::nullopt;
    }
    const long long units = FrequencyUnits(megahertz);
    if (units % RasterUnits != 0) {
        return std::nullopt;
    }
    return static_cast<double>(units) / UnitsPerMegahertz;
}

Phrase FrequencyRule(const std::string& field) {
    return Phrase{TQ58_PHRASE("Rules", "%1: %2 to %3 MHz in %4 kHz steps"),
                  {field, ExpFreqText(LowestMegahertz), ExpFreqText(HighestMegahertz),
                   std::to_string(RasterUnits / UnitsPerKilohertz)}};
}

} // namespace tq58
