#include "editor/SettingEntries.h"

#include <algorithm>
#include <iterator>

namespace tq58 {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string TrimBlanks(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

} // namespace

std::optional<std::string> AcceptedDigits(const std::string& typed, int length) {
    std::string text = TrimBlanks(typed);
    if (text.empty()) {
        return text;
    }
    if (static_cast<int>(text.size()) != length ||
        !std::all_of(text.begin(), text.end(), IsDigit)) {
        return std::nullopt;
    }
    return text;
}

Phrase DigitsRule(const std::string& field, int length) {
    return Phrase{TQ58_PHRASE("Rules", "%1: %2 digits"), {field, std::to_string(length)}};
}

std::string StoredStatusName(const std::string& typed) {
    return TrimBlanks(typed).empty() ? std::string() : typed.substr(0, StatusNameLength);
}

std::string StoredMid(const std::string& typed) {
    std::string digits;
    std::copy_if(typed.begin(), typed.end(), std::back_inserter(digits), IsDigit);
    if (!digits.empty() && static_cast<int>(digits.size()) < CallSignLength) {
        digits.insert(0, static_cast<std::size_t>(CallSignLength) - digits.size(), '0');
    }
    return digits;
}

} // namespace tq58
