#include "files/ValueText.h"

#include "files/TextCase.h"

#include <charconv>
#include <cmath>

namespace tq58 {

std::optional<bool> ParseBooleanText(std::string_view text) {
    const std::string_view trimmed = TrimBlanks(text);
    if (EqualsIgnoreCase(trimmed, "True")) {
        return true;
    }
    if (EqualsIgnoreCase(trimmed, "False")) {
        return false;
    }
    const std::optional<long long> number = ParseRoundedNumber(trimmed);
    if (!number) {
        return std::nullopt;
    }
    return *number != 0;
}

std::optional<double> ParseDecimal(std::string_view text) {
    std::string pointed(TrimBlanks(text));
    for (char& c : pointed) {
        if (c == ',') {
            c = '.';
        }
    }
    std::string_view digits = pointed;
    // from_chars takes no leading "+", which a hand-edited file may carry.
    if (digits.size() > 1 && digits.front() == '+' && digits[1] != '-') {
        digits.remove_prefix(1);
    }
    double value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value,
                                              std::chars_format::general);
    if (digits.empty() || error != std::errc() || end != digits.data() + digits.size() ||
        !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

std::optional<long long> ParseRoundedNumber(std::string_view text) {
    const std::optional<double> value = ParseDecimal(text);
    if (!value || std::fabs(*value) > 9.0e15) {
        return std::nullopt;
    }
    return std::llround(*value);
}

std::optional<long long> ParseNumberInRange(std::string_view text, long long lowest,
                                            long long highest) {
    const std::optional<long long> number = ParseRoundedNumber(text);
    if (!number || *number < lowest || *number > highest) {
        return std::nullopt;
    }
    return number;
}

std::string FormatDecimal(double value) {
    char buffer[64];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value);
    if (error != std::errc()) {
        return "0";
    }
    return std::string(buffer, end);
}

} // namespace tq58
