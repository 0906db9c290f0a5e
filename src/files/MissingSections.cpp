#include "files/MissingSections.h"

#include "files/SettingsFile.h"
#include "files/SettingsFileLayout.h"

#include <algorithm>
#include <cctype>
#include <unordered_set>

namespace tq58 {

namespace {

// A section name split into its stem and trailing number, -1 when it has none.
struct NumberedName {
    std::string Stem;
    long Number = -1;
};

NumberedName Split(const std::string& name) {
    std::size_t digits = name.size();
    while (digits > 0 && std::isdigit(static_cast<unsigned char>(name[digits - 1]))) {
        --digits;
    }
    if (digits == name.size() || name.size() - digits > 6) {
        return {name};
    }
    return {name.substr(0, digits), std::stol(name.substr(digits))};
}

constexpr std::size_t RunsShown = 6;

} // namespace

std::vector<std::string> MissingSections(const DataSections& sections, const SettingsRecord& fresh,
                                         const ModelState& model) {
    std::unordered_set<std::string> present;
    for (const DataSection& section : sections.All()) {
        present.insert(section.Name);
    }
    std::vector<std::string> missing;
    const DataSections saved = ParseDataText(SettingsFileText(fresh, model));
    for (const DataSection& expected : saved.All()) {
        if (!present.contains(expected.Name) && !IsOptionalSection(expected.Name, model)) {
            missing.push_back(expected.Name);
        }
    }
    return missing;
}

Phrase MissingSectionsWarning(const std::vector<std::string>& missing) {
    std::vector<Phrase> runs;
    for (std::size_t i = 0; i < missing.size();) {
        const NumberedName first = Split(missing[i]);
        std::size_t last = i;
        while (first.Number >= 0 && last + 1 < missing.size()) {
            const NumberedName next = Split(missing[last + 1]);
            if (next.Stem != first.Stem ||
                next.Number != first.Number + static_cast<long>(last + 1 - i)) {
                break;
            }
            ++last;
        }
        runs.push_back(last == i
                           ? Verbatim(missing[i])
                           : Phrase{TQ58_PHRASE("Files", "%1 to %2"), {missing[i], missing[last]}});
        i = last + 1;
    }
    Phrase list = JoinedPhrases(
        ", ", {runs.begin(), runs.begin() + static_cast<long>(std::min(runs.size(), RunsShown))});
    if (runs.size() > RunsShown) {
        const std::string more = std::to_string(runs.size() - RunsShown);
        list = {TQ58_PHRASE("Files", "%1 and %2 more"), {}, {std::move(list), Verbatim(more)}};
    }
    const std::vector<std::string> values{std::to_string(missing.size())};
    if (missing.size() == 1) {
        return {TQ58_PHRASE("Files", "This file is incomplete: %1 section is missing (%2). Their "
                                     "settings hold factory values; check them before you save "
                                     "or program."),
                values,
                {std::move(list)}};
    }
    return {TQ58_PHRASE("Files", "This file is incomplete: %1 sections are missing (%2). Their "
                                 "settings hold factory values; check them before you save or "
                                 "program."),
            values,
            {std::move(list)}};
}

} // namespace tq58
