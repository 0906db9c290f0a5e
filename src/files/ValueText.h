#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tq58 {

// Conversions between the values of the settings record and the texts of the program's
// files. A text that does not convert gives no value, so that the caller keeps what it had.

// "1"/"0", any other whole number (non-zero is true), or the words "True"/"False".
std::optional<bool> ParseBooleanText(std::string_view text);

// A decimal number, "." or "," before a fraction, rounded to the nearest whole number.
std::optional<long long> ParseRoundedNumber(std::string_view text);

// A whole number that also fits a field of the given range.
std::optional<long long> ParseNumberInRange(std::string_view text, long long lowest,
                                            long long highest);

// A decimal number with "." or "," as the separator; infinities and NaN are refused.
std::optional<double> ParseDecimal(std::string_view text);

// The shortest text that reads back as the same double, always with ".".
std::string FormatDecimal(double value);

} // namespace tq58
