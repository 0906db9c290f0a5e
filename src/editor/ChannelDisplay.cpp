#include "editor/ChannelDisplay.h"

namespace tq58 {

namespace {

constexpr int FirstO = 100;
constexpr int FirstApostrophe = 110;

// The number at the start of the text; 0 when it starts with no digit.
int LeadingNumber(const std::string& text) {
    int number = 0;
    for (std::size_t i = 0; i < text.size() && text[i] >= '0' && text[i] <= '9' && number < 1000;
         ++i) {
        number = number * 10 + (text[i] - '0');
    }
    return number;
}

std::string NumberField(int number) {
    if (number >= FirstApostrophe) {
        return "'" + std::to_string(number - FirstApostrophe);
    }
    if (number >= FirstO) {
        return "o" + std::to_string(number - FirstO);
    }
    return (number < 10 ? "0" : "") + std::to_string(number);
}

} // namespace

ChannelDisplay PlanChannelDisplay(const std::string& label) {
    const std::size_t suffix = label.find_first_of("Aa");
    if (suffix == std::string::npos) {
        return {NumberField(LeadingNumber(label)), ""};
    }
    return {NumberField(LeadingNumber(label.substr(0, suffix))), label.substr(suffix)};
}

} // namespace tq58
