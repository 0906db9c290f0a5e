#include "program/StartOptions.h"

#include "files/TextCase.h"

#include <optional>

namespace tq58 {

namespace {

std::optional<StartOptions> Switch(std::string_view text) {
    const std::string word = ToUpperAscii(TrimBlanks(text));
    if (word == "/DE" || word == "/ED") {
        return StartOptions{true, true, {}};
    }
    if (word == "/D" || word == "/E") {
        return StartOptions{word == "/D", word == "/E", {}};
    }
    return std::nullopt;
}

} // namespace

StartOptions ParseCommandLine(const std::vector<std::string>& words) {
    std::string line;
    for (const std::string& word : words) {
        line += (line.empty() ? "" : " ") + word;
    }
    if (const auto whole = Switch(line)) {
        return *whole;
    }
    if (words.size() == 1 && !TrimBlanks(words[0]).empty()) {
        return StartOptions{false, false, words[0]};
    }
    if (words.size() == 2 && !Switch(words[1])) {
        if (auto options = Switch(words[0])) {
            options->FileName = words[1];
            return *options;
        }
    }
    return {};
}

} // namespace tq58
