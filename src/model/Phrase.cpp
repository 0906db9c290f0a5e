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
    if (Joiner) {
        std::string joined;
        for (const Phrase& part : Parts) {
            joined += (&part == Parts.data() ? "" : Joiner) + part.English();
        }
        return joined;
    }
    std::vector<std::string> filling = Values;
    for (const Phrase& part : Parts) {
        filling.push_back(part.English());
    }
    return FillPattern(Pattern, filling);
}

Phrase Verbatim(std::string text) {
    return {"", "%1", {std::move(text)}};
}

Phrase JoinedPhrases(const char* joiner, std::vector<Phrase> parts) {
    if (parts.empty()) {
        return Verbatim({});
    }
    return {"", "", {}, std::move(parts), joiner};
}

} // namespace tq58
