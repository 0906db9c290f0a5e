#include "model/Phrase.h"

namespace tq58 {

std::string FillPattern(std::string_view pattern, const std::vector<std::string>& values) {
    std::string filled;
    filled.reserve(pattern.size());
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const bool placeholder = pattern[i] == '%' && i + 1 < pattern.size() &&
                                 pattern[i + 1] >= '1' && pattern[i + 1] <= '9' &&
                                 static_cast<std::size_t>(pattern[i + 1] - '1') < values.size();
        if (placeholder) {
            filled += values[static_cast<std::size_t>(pattern[i + 1] - '1')];
            ++i;
        } else {
            filled += pattern[i];
        }
    }
    return filled;
}

std::string Phrase::English() const {
    std::vector<std::string> filling = Values;
    for (const Phrase& part : Parts) {
        filling.push_back(part.English());
    }
    return FillPattern(Pattern, filling);
}

Phrase Verbatim(std::string text) {
    return {"", "%1", {std::move(text)}};
}

// The last two parts are joined first, then each one before them is put in front.
Phrase JoinedPhrases(const char* pairPattern, const std::vector<Phrase>& parts) {
    if (parts.empty()) {
        return Verbatim({});
    }
    Phrase joined = parts.back();
    for (auto part = parts.rbegin() + 1; part != parts.rend(); ++part) {
        joined = {"", pairPattern, {}, {*part, std::move(joined)}};
    }
    return joined;
}

} // namespace tq58
