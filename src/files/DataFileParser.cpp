#include "files/DataFileParser.h"

#include "files/TextCase.h"
#include "files/WholeFile.h"

#include <optional>

namespace tq58 {

namespace {

// CR LF, LF and a lone CR all end a line.
std::vector<std::string_view> SplitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            end = text.size();
        }
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
        if (end + 1 < text.size() && text[end] == '\r' && text[end + 1] == '\n') {
            ++start;
        }
    }
    return lines;
}

// "[" first and "]" at the third character or later.
std::optional<std::string_view> HeaderName(std::string_view line) {
    if (line.empty() || line.front() != '[') {
        return std::nullopt;
    }
    const std::size_t close = line.find(']', 2);
    if (close == std::string_view::npos) {
        return std::nullopt;
    }
    return line.substr(1, close - 1);
}

// "=" at the second character or later.
std::optional<std::size_t> EqualsPosition(std::string_view line) {
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos || equals == 0) {
        return std::nullopt;
    }
    return equals;
}

std::string EntryValue(std::string_view raw) {
    std::string_view value = TrimBlanks(raw);
    if (!value.empty() && value.front() == '#') {
        value.remove_prefix(1);
    }
    return std::string(value);
}

} // namespace

void DataSections::Open(std::string name) {
    byName_[name].push_back(sections_.size());
    sections_.push_back({std::move(name), {}});
}

void DataSections::Add(std::string key, std::string value) {
    sections_.back().Entries.push_back({std::move(key), std::move(value)});
}

const std::string* DataSections::Find(std::string_view section, std::string_view key) const {
    const auto named = byName_.find(ToUpperAscii(section));
    if (named == byName_.end()) {
        return nullptr;
    }
    const std::string upperKey = ToUpperAscii(key);
    for (const std::size_t index : named->second) {
        for (const DataEntry& entry : sections_[index].Entries) {
            if (entry.Key == upperKey) {
                return &entry.Value;
            }
        }
    }
    return nullptr;
}

DataSections ParseDataText(std::string_view text) {
    DataSections sections;
    bool inSection = false;
    for (const std::string_view line : SplitLines(text)) {
        // Inside a section an entry wins over a header: a hand-edited "[A=B]" is an entry.
        const auto equals = inSection ? EqualsPosition(line) : std::nullopt;
        if (equals) {
            sections.Add(ToUpperAscii(TrimBlanks(line.substr(0, *equals))),
                         EntryValue(line.substr(*equals + 1)));
        } else if (const auto name = HeaderName(line)) {
            sections.Open(ToUpperAscii(TrimBlanks(*name)));
            inSection = true;
        } else if (line.find('[') != std::string_view::npos) {
            // A stray "[" closes the section: what follows belongs to no section until
            // the next header.
            inSection = false;
        }
    }
    return sections;
}

Outcome ParseDataFile(const std::string& path, DataSections& sections) {
    std::string text;
    const Outcome read = ReadWholeFile(path, text);
    if (read.Ok) {
        sections = ParseDataText(text);
    }
    return read;
}

std::string GetDataValue(const DataSections& sections, std::string_view section,
                         std::string_view key) {
    const std::string* value = sections.Find(section, key);
    return value ? *value : std::string();
}

} // namespace tq58
